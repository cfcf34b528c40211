#pragma once

class QWidget;

namespace Dovrel {

class Screen;

// One step of the caption's typing animation.
void AnimateCaption(QWidget *screen);

// The standard close of a screen: show the main menu, then unload the screen.
void ReturnToMenu(Screen *screen);

// Whole-window opacity, 0 (invisible) to 255 (opaque); where the system cannot make a window translucent the
// window simply stays opaque.
void SetWindowAlpha(QWidget *screen, int alpha);
int windowAlpha(const QWidget *screen);

} // namespace Dovrel
