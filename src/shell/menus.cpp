#include "shell/menus.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>

namespace Dovrel {

QMenu *addSubmenu(QMenu *menu, const QString &name, const QString &caption)
{
    QMenu *submenu = menu->addMenu(caption);
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name + QStringLiteral("Entry"));
    return submenu;
}

QAction *addEntry(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction *addSeparator(QMenu *menu, const QString &name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(name);
    return action;
}

bool popUpOnSurface(QWidget *screen, QMenu *menu, const QMouseEvent *press)
{
    if (press->button() != Qt::RightButton || screen->childAt(press->position().toPoint()))
        return false;
    menu->popup(press->globalPosition().toPoint());
    return true;
}

} // namespace Dovrel
