#include "menu/splash_screen.h"

#include "menu/main_menu.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"

#include <QPainter>
#include <QTimer>

namespace Dovrel {

Form1::Form1(Application &app) : Screen(app), m_picture(QStringLiteral(":/images/splash.png"))
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setDesignClientSize(8115, 3405);
    setFixedSize(539, 227);
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 10, true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Form1::fadeTick);
}

SplashFade &Form1::fade() const
{
    return app().screens().variables<Form1>().fade;
}

void Form1::load()
{
    setWindowAlpha(this, 0);
}

void Form1::fadeTick()
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
        app().screens().screen<Form4>()->show();
        close();
        break;
    }
}

bool Form1::closeRequested()
{
    if (fade().requestClose())
        return true;
    // A further request during the fade-out must neither restart nor delay it.
    if (!Timer1->isActive())
        Timer1->start();
    return false;
}

void Form1::closing()
{
    app().screens().unload(this);
}

void Form1::mousePressEvent(QMouseEvent *)
{
    close();
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void Form1::showEvent(QShowEvent *event)
{
    Screen::showEvent(event);
    centreOnScreen(this);
}

} // namespace Dovrel
