#pragma once

#include <QList>

class QScreen;
class QWidget;

namespace Dovrel {

// The display the hall watches: with more than one attached, one that is not the timekeeper's (the display the main
// menu is on); with one, that one.
QScreen *hallDisplay(const QScreen *timekeeper, const QList<QScreen *> &displays);

// Shows a window maximised on a display; what the window holds, a running clock among it, is left as it is.
void maximiseOn(QWidget *window, QScreen *display);

} // namespace Dovrel
