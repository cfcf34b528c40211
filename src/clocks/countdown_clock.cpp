#include "clocks/countdown_clock.h"

#include "core/alert_sounds.h"
#include "platform/platform.h"
#include "shell/alert_player.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/text_scale.h"

#include <QLabel>
#include <QTimer>

namespace Dovrel {

namespace {
constexpr int ClockPoints = 120;
constexpr int StepMs = 1000;

// The countdown format chosen on the sound page, read afresh each time.
CountdownFormat chosenFormat(Screen *screen)
{
    return screen->app().contest().alerts().format();
}

} // namespace

void showRemaining(Screen *screen, QLabel *label, int seconds, UnsetFormat unset)
{
    CountdownFormat format = chosenFormat(screen);
    if (format == CountdownFormat::None) {
        if (unset == UnsetFormat::KeepText)
            return;
        format = CountdownFormat::Seconds;
    }
    QFont font = designFontOf(label);
    font.setPointSize(ClockPoints);
    setDesignFont(label, font);
    label->setText(formatRemaining(seconds, format));
}

void playAlert(Screen *screen, Alert alert)
{
    const AlertSettings chosen = screen->app().contest().alerts();
    const int index = alert == Alert::Warning ? chosen.warningChoice() : chosen.timeUpChoice();
    if (index < 0)
        return;
    playAlertFile(screen, alertSoundPath(alert, index));
}

QString timeUpText()
{
    return QStringLiteral(" 时间到！");
}

CountdownClock::CountdownClock(Screen *screen, QTimer *timer, QLabel *display, UnsetFormat unset)
    : QObject(timer), m_screen(screen), m_timer(timer), m_display(display), m_unset(unset), m_schedule(StepMs)
{
    m_timer->setInterval(StepMs);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &CountdownClock::timeout);
}

int CountdownClock::remaining() const
{
    return m_remaining;
}

void CountdownClock::setRemaining(int seconds)
{
    m_remaining = seconds;
    m_timeUp = false;
    m_warned = false;
    emit changed();
}

SideClock CountdownClock::state() const
{
    return {.remaining = m_remaining,
            .running = running(),
            .timeUp = m_timeUp,
            .warned = m_warned,
            .nextStepMs = running() ? m_schedule.nextDeadline() : 0};
}

void CountdownClock::showRemaining()
{
    Dovrel::showRemaining(m_screen, m_display, m_remaining, m_unset);
}

void CountdownClock::start()
{
    if (m_timer->isActive())
        return;
    m_schedule.start(m_screen->app().platform().monotonicMs());
    m_timer->start(StepMs);
    emit changed();
}

void CountdownClock::stop()
{
    if (!m_timer->isActive())
        return;
    m_timer->stop();
    emit changed();
}

bool CountdownClock::running() const
{
    return m_timer->isActive();
}

void CountdownClock::timeout()
{
    Platform &platform = m_screen->app().platform();
    // Whatever the gap since the last timeout, only a held-up event loop's few missed steps are owed: a speaker
    // does not lose the minutes a closed laptop lid slept through.
    const int due = m_schedule.stepsDue(platform.monotonicMs());
    for (int i = 0; i < due && m_timer->isActive(); ++i)
        step();
    // Each interval runs to the next deadline, whatever the previous timeout's lateness.
    if (m_timer->isActive())
        m_timer->start(static_cast<int>(m_schedule.msUntilNext(platform.monotonicMs())));
    emit changed();
}

void CountdownClock::step()
{
    const CountdownStep next = countdownStep(m_remaining);
    m_remaining = next.remaining;
    showRemaining();
    if (next.warning) {
        m_warned = true;
        playAlert(m_screen, Alert::Warning);
    }
    if (next.timeUp) {
        m_timeUp = true;
        m_timer->stop();
        setTextColour(m_display, Colours::Red);
        m_display->setText(timeUpText());
        playAlert(m_screen, Alert::TimeUp);
    }
}

} // namespace Dovrel
