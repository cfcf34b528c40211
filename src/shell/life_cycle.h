#pragma once

class QString;
class QWidget;

namespace Dovrel {

class Screen;

// One step of the caption's typing animation, of the application title or of the given one.
void animateCaption(QWidget *screen);
void animateCaption(QWidget *screen, const QString &title);

// The standard close of a screen: show the main menu, then unload the screen.
void returnToMenu(Screen *screen);

// Shows a window in front of the others and gives it the focus.
void showInFront(QWidget *window);

// Moves a window, its frame included, to the middle of the timekeeper's display (the one the main menu is on; the
// system's first before there is a menu), so that the screens the timekeeper works with stay with the menu when a
// projector is attached as a display of its own.
void centreOnScreen(QWidget *window);

// Whole-window opacity, 0 (invisible) to 255 (opaque); where the system cannot make a window translucent the
// window simply stays opaque.
void setWindowAlpha(QWidget *screen, int alpha);
int windowAlpha(const QWidget *screen);

} // namespace Dovrel
