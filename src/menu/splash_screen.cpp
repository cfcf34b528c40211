#include "menu/splash_screen.h"

#include "menu/main_menu.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"

#include <QPainter>
#include <QTimer>

namespace Dovrel {

SplashScreen::SplashScreen(Application &app) : Screen(app), m_picture(QStringLiteral(":/images/splash.png"))
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setDesignClientSize(8115, 3405);
    setShown(Shown::Centred);
    setFixedSize(539, 227);
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 10, true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &SplashScreen::fadeTick);
}

SplashFade &SplashScreen::fade() const
{
    return app().screens().variables<SplashScreen>().fade;
}

void SplashScreen::load()
{
    setWindowAlpha(this, 0);
}

void SplashScreen::fadeTick()
{
    switch (fade().tick()) {
    case SplashFade::Step::SetOpacityAndStop:
        Timer1->stop();
        setWindowAlpha(this, fade().alpha());
        break;
    case SplashFade::Step::SetOpacity:
        setWindowAlpha(this, fade().alpha());
        break;
    case SplashFade::Step::Finish:
        Timer1->stop();
        app().screens().screen<MainMenu>()->show();
        close();
        break;
    }
}

bool SplashScreen::closeRequested()
{
    if (fade().requestClose())
        return true;
    // A further request during the fade-out must neither restart nor delay it.
    if (!Timer1->isActive())
        Timer1->start();
    return false;
}

void SplashScreen::closing()
{
    app().screens().unload(this);
}

void SplashScreen::mousePressEvent(QMouseEvent *)
{
    close();
}

void SplashScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

} // namespace Dovrel
