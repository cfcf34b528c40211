#include "shell/hall_display.h"

#include <QScreen>
#include <QWidget>

namespace Dovrel {

QScreen *hallDisplay(const QScreen *timekeeper, const QList<QScreen *> &displays)
{
    // With several displays besides the timekeeper's, the first the system lists: a projector is usually added
    // after the built-in panel, and the choice stays the same for the whole contest.
    for (QScreen *display : displays) {
        if (display != timekeeper)
            return display;
    }
    return displays.isEmpty() ? nullptr : displays.constFirst();
}

void maximiseOn(QWidget *window, QScreen *display)
{
    // The system may already count the window as the display's when its old one is unplugged, with the window
    // still standing where that display was; only one that stands maximised on the display is left alone.
    if (!display || (window->screen() == display && window->isMaximized() &&
                     display->availableGeometry().contains(window->geometry().center())))
        return;
    // A maximised window is moved in its normal state, so the system maximises it on the new display.
    const Qt::WindowStates states = window->windowState();
    window->setWindowState(states & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    window->setScreen(display);
    window->move(display->availableGeometry().topLeft());
    window->setWindowState((states & ~Qt::WindowFullScreen) | Qt::WindowMaximized);
}

} // namespace Dovrel
