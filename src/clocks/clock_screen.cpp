#include "clocks/clock_screen.h"

#include "core/countdown.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"

#include <QPushButton>

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
    recordRuns();
    app().hallState().closed(objectName());
}

bool ClockScreen::takesSpaceBar() const
{
    return true;
}

void ClockScreen::recordRun(CountdownClock *countdown, const QString &stage, const QString &side)
{
    std::optional<SpeakingRow> run = countdown->endRun();
    if (!run)
        return;
    run->stage = stage;
    run->side = side;
    // A record that cannot be written now keeps the row for the next; nothing is said in front of the hall.
    app().speakingRecord().add(*run);
}

QPushButton *ClockScreen::makePauseButton(const QString &name, int left, int top, CountdownClock *countdown)
{
    QPushButton *button = makeButton(this, name, left, top, 975, QStringLiteral("暂停"), ButtonFace::Screen);
    connect(button, &QPushButton::clicked, countdown, &CountdownClock::togglePause);
    connect(countdown, &CountdownClock::changed, button, [button, countdown] {
        button->setText(countdown->paused() ? QStringLiteral("继续") : QStringLiteral("暂停"));
    });
    return button;
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
