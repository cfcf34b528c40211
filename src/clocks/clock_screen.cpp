#include "clocks/clock_screen.h"

#include "clocks/stage_handover.h"
#include "core/countdown.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"

namespace Dovrel {

ClockScreen::ClockScreen(Application &app) : Screen(app)
{
    setUpFullSize(Colours::Clock, designFont(QStringLiteral("宋体"), 9), Shown::Maximised);
}

CountdownClock *ClockScreen::makeCountdown(QTimer *timer, QLabel *display, UnsetFormat unset)
{
    return new CountdownClock(this, timer, display, unset);
}

int ClockScreen::handedOverLimit() const
{
    return readLimit(app().screens().screen<StageHandover>()->stage().limit);
}

QString ClockScreen::handedOverName() const
{
    return app().screens().screen<StageHandover>()->stage().name;
}

} // namespace Dovrel
