#pragma once

#include "core/countdown.h"
#include "core/hall_state.h"
#include "core/speaking_record.h"

#include <QObject>

#include <optional>

class QLabel;
class QTimer;

namespace Dovrel {

class Screen;

// What a clock shows while the sound page has no countdown format selected.
enum class UnsetFormat { KeepText, ShowSeconds };

// One countdown of a clock screen: its counter, its display label and its 1000 ms timer. The timer is kept on
// deadlines of a monotonic clock so the count never drifts; steps missed while the event loop was held up run at
// once, in order, at the next timeout. A gap of more than a few seconds (a suspended or frozen machine) is not
// charged: it costs one step, and the deadlines start again from then (see StepSchedule). Past its end it stops, or,
// where the timekeeper chose to count overtime, goes on counting it.
class CountdownClock final : public QObject
{
    Q_OBJECT

public:
    CountdownClock(Screen *screen, QTimer *timer, QLabel *display, UnsetFormat unset = UnsetFormat::KeepText);

    int remaining() const;
    // Sets the counter anew: the time is no longer up, no overtime counted and the warning not yet sounded.
    void setRemaining(int seconds);
    // What the hall sees of this countdown.
    SideClock state() const;
    // Shows the counter (or the overtime) in the chosen format.
    void showRemaining();

    // Starts counting with a full second; a clock that already runs keeps its current interval.
    void start();
    void stop();
    bool running() const;
    // Stops the count where it stands and goes on from there, the part of a second already run kept.
    void pause();
    void resume();
    bool paused() const;
    // Pauses a running count, or resumes a paused one.
    void togglePause();

    // The run since the counter was last set, if the clock has been started, as the record's row without its stage
    // and side, which the screen knows; ending it forgets it.
    std::optional<SpeakingRow> endRun();

signals:
    // The counter, its running, its pause, its time-up or its overtime changed.
    void changed();
    // The count reached its end and stopped there.
    void stoppedAtTimeUp();

private slots:
    void timeout();

private:
    void step();
    void overtimeStep(const OvertimeRule &rule);

    Screen *m_screen;
    QTimer *m_timer;
    QLabel *m_display;
    UnsetFormat m_unset;
    int m_remaining = 0;
    bool m_timeUp = false;
    bool m_warned = false;
    // Past the end with overtime counted: its seconds so far.
    std::optional<int> m_overtime;
    std::optional<qint64> m_pausedMsToNext;
    std::optional<SpeakingRow> m_run;
    StepSchedule m_schedule;
};

} // namespace Dovrel
