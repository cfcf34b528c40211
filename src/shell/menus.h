#pragma once

#include <QString>

class QAction;
class QMenu;
class QMouseEvent;
class QWidget;

namespace Dovrel {

// Menu entries are named objects like every control: `findChild<QAction *>("bj1")` finds them.
QMenu *addSubmenu(QMenu *menu, const QString &name, const QString &caption);
QAction *addEntry(QMenu *menu, const QString &name, const QString &caption);
QAction *addSeparator(QMenu *menu, const QString &name);

// Opens `menu` at the pointer for a right-button press on the screen's own surface; a press on one of its
// controls belongs to that control. Returns whether the menu opened.
bool popUpOnSurface(QWidget *screen, QMenu *menu, const QMouseEvent *press);

} // namespace Dovrel
