#include "shell/life_cycle.h"

#include "core/caption_cycle.h"
#include "shell/application.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>

#include <algorithm>

namespace Dovrel {

namespace {
constexpr char WindowAlphaProperty[] = "windowAlpha";
}

void animateCaption(QWidget *screen)
{
    screen->setWindowTitle(nextCaption(screen->windowTitle()));
}

void animateCaption(QWidget *screen, const QString &title)
{
    screen->setWindowTitle(nextCaption(screen->windowTitle(), title));
}

void returnToMenu(Screen *screen)
{
    Application &app = screen->app();
    if (app.exiting())
        return;
    // The screen goes first, so that the menu, on showing, reads the pages as they are once it is gone.
    app.screens().unload(screen);
    Screen *menu = app.mainMenu();
    if (!menu)
        return;
    showInFront(menu);
}

void showInFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void centreOnScreen(QWidget *window)
{
    // A window of the program's screens, or one inside one of them (an about window).
    const auto *screen = qobject_cast<const Screen *>(window->window());
    QScreen *display = screen ? screen->app().timekeeperDisplay() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    window->setScreen(display);
    // The frame's own centre, measured from its top left corner.
    const QPoint halfFrame = QRect(QPoint(0, 0), window->frameGeometry().size()).center();
    window->move(display->availableGeometry().center() - halfFrame);
}

void setWindowAlpha(QWidget *screen, int alpha)
{
    alpha = std::clamp(alpha, 0, 255);
    screen->setProperty(WindowAlphaProperty, alpha);
    // A platform without translucent windows (the headless one among them) shows the window opaque.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        screen->setWindowOpacity(alpha / 255.0);
}

int windowAlpha(const QWidget *screen)
{
    return screen->property(WindowAlphaProperty).toInt();
}

} // namespace Dovrel
