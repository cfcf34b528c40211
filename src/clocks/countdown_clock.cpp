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

#include <utility>

namespace Dovrel {

namespace {
constexpr int ClockPoints = 120;
constexpr int StepMs = 1000;

// The countdown format chosen on the sound page, read afresh each time.
CountdownFormat chosenFormat(Screen *screen)
{
    return screen->app().contest().alerts().format();
}

// Plays the chosen warning or time-up sound, or reports a missing sound device.
void playAlert(Screen *screen, Alert alert)
{
    const AlertSettings chosen = screen->app().contest().alerts();
    const int index = alert == Alert::Warning ? chosen.warningChoice() : chosen.timeUpChoice();
    if (index < 0)
        return;
    playAlertFile(screen, alertSoundPath(alert, index));
}

// The red time-up text.
QString timeUpText()
{
    return QStringLiteral(" 时间到！");
}

} // namespace

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
    m_overtime.reset();
    m_pausedMsToNext.reset();
    emit changed();
}

SideClock CountdownClock::state() const
{
    return {.remaining = m_remaining,
            .running = running(),
            .paused = paused(),
            .timeUp = m_timeUp,
            .warned = m_warned,
            .overtime = m_overtime.value_or(0),
            .nextStepMs = running() ? m_schedule.nextDeadline() : 0};
}

void CountdownClock::showRemaining()
{
    CountdownFormat format = chosenFormat(m_screen);
    if (format == CountdownFormat::None) {
        if (m_unset == UnsetFormat::KeepText)
            return;
        format = CountdownFormat::Seconds;
    }
    QFont font = designFontOf(m_display);
    font.setPointSize(ClockPoints);
    setDesignFont(m_display, font);
    m_display->setText(m_overtime ? formatOvertime(*m_overtime, format) : formatRemaining(m_remaining, format));
}

void CountdownClock::start()
{
    if (m_timer->isActive())
        return;
    m_pausedMsToNext.reset();
    if (!m_run) {
        m_run.emplace();
        m_run->started = QDateTime::currentDateTime();
        m_run->limit = m_remaining;
    }
    m_schedule.start(m_screen->app().platform().monotonicMs());
    m_timer->start(StepMs);
    emit changed();
}

void CountdownClock::stop()
{
    if (!m_timer->isActive() && !m_pausedMsToNext)
        return;
    m_timer->stop();
    m_pausedMsToNext.reset();
    emit changed();
}

bool CountdownClock::running() const
{
    return m_timer->isActive();
}

void CountdownClock::pause()
{
    if (!m_timer->isActive())
        return;
    m_pausedMsToNext = m_schedule.msUntilNext(m_screen->app().platform().monotonicMs());
    m_timer->stop();
    if (m_run)
        ++m_run->pauses;
    emit changed();
}

void CountdownClock::resume()
{
    if (!m_pausedMsToNext)
        return;
    const qint64 msToNext = *std::exchange(m_pausedMsToNext, std::nullopt);
    m_schedule.resume(m_screen->app().platform().monotonicMs(), msToNext);
    m_timer->start(static_cast<int>(msToNext));
    emit changed();
}

bool CountdownClock::paused() const
{
    return m_pausedMsToNext.has_value();
}

void CountdownClock::togglePause()
{
    if (paused())
        resume();
    else
        pause();
}

std::optional<SpeakingRow> CountdownClock::endRun()
{
    return std::exchange(m_run, std::nullopt);
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
    if (m_timeUp && !m_timer->isActive())
        emit stoppedAtTimeUp();
}

void CountdownClock::step()
{
    if (m_run)
        ++m_run->spoken;
    // The rule is read at every step, as the format is: switched off, a clock past its end stops there again.
    const OvertimeRule rule = m_screen->app().overtimeRule();
    if (m_timeUp && rule.countUp) {
        overtimeStep(rule);
        return;
    }
    const CountdownStep next = countdownStep(m_remaining);
    m_remaining = next.remaining;
    m_overtime.reset();
    showRemaining();
    if (next.warning) {
        m_warned = true;
        playAlert(m_screen, Alert::Warning);
    }
    if (next.timeUp) {
        m_timeUp = true;
        // Counting the overtime, the clock runs on from the end; it shows it from the next second.
        if (!rule.countUp)
            m_timer->stop();
        setTextColour(m_display, Colours::Red);
        m_display->setText(timeUpText());
        playAlert(m_screen, Alert::TimeUp);
    }
}

void CountdownClock::overtimeStep(const OvertimeRule &rule)
{
    const OvertimeStep next = Dovrel::overtimeStep(m_overtime.value_or(0), rule);
    m_overtime = next.overtime;
    m_remaining = countdownStep(m_remaining).remaining;
    if (m_run)
        m_run->overtime = next.overtime;
    setTextColour(m_display, Colours::Red);
    showRemaining();
    if (next.bell)
        playAlert(m_screen, Alert::TimeUp);
}

} // namespace Dovrel
