#pragma once

class QWidget;

namespace Dovrel {

class Screen;

// One step of the caption's typing animation.
void animateCaption(QWidget *screen);

// The standard close of a screen: show the main menu, then unload the screen.
void returnToMenu(Screen *screen);

// Shows a window in front of the others and gives it the focus.
void showInFront(QWidget *window);

// Moves a window, its frame included, to the middle of the primary screen's available area.
void centreOnScreen(QWidget *window);

// Whole-window opacity, 0 (invisible) to 255 (opaque); where the system cannot make a window translucent the
// window simply stays opaque.
void setWindowAlpha(QWidget *screen, int alpha);
int windowAlpha(const QWidget *screen);

} // namespace Dovrel
