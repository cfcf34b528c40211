#include "clocks/clock_screen.h"

#include "core/countdown.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"

namespace Dovrel {

ClockScreen::ClockScreen(Application &app) : Screen(app)
{
    setUpFullSize(Colours::Clock, designFont(QStringLiteral("宋体"), 9), Shown::HallScreen);
}

CountdownClock *ClockScreen::makeCountdown(QTimer *timer, QLabel *display, UnsetFormat unset)
{
    auto *countdown = new CountdownClock(this, timer, display, unset);
    connect(countdown, &CountdownClock::changed, this, &ClockScreen::publishHallView);
    return countdown;
}

void ClockScreen::publishHallView()
{
    if (m_ready && m_batched == 0)
        app().hallState().publish(hallView());
}

void ClockScreen::readyForHall()
{
    m_ready = true;
    publishHallView();
}

void ClockScreen::unloading()
{
    app().hallState().closed(objectName());
}

int ClockScreen::handedOverLimit() const
{
    return readLimit(app().contest().handedOver().limit);
}

QString ClockScreen::handedOverName() const
{
    return app().contest().handedOver().name;
}

} // namespace Dovrel
