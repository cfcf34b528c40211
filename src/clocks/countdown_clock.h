#pragma once

#include "core/alert_sounds.h"
#include "core/countdown.h"
#include "core/hall_state.h"

#include <QObject>

class QLabel;
class QTimer;

namespace Dovrel {

class Screen;

// What a clock shows while the sound page has no countdown format selected.
enum class UnsetFormat { KeepText, ShowSeconds };

// Writes `seconds` into a clock label at 120 points in the chosen format.
void showRemaining(Screen *screen, QLabel *label, int seconds, UnsetFormat unset = UnsetFormat::KeepText);

// Plays the chosen warning or time-up sound, or reports a missing sound device.
void playAlert(Screen *screen, Alert alert);

// The red time-up text.
QString timeUpText();

// One countdown of a clock screen: its counter, its display label and its 1000 ms timer. The timer is kept on
// deadlines of a monotonic clock so the count never drifts; steps missed while the event loop was held up run at
// once, in order, at the next timeout. A gap of more than a few seconds (a suspended or frozen machine) is not
// charged: it costs one step, and the deadlines start again from then (see StepSchedule).
class CountdownClock final : public QObject
{
    Q_OBJECT

public:
    CountdownClock(Screen *screen, QTimer *timer, QLabel *display, UnsetFormat unset = UnsetFormat::KeepText);

    int remaining() const;
    // Sets the counter anew: the time is no longer up and the warning not yet sounded.
    void setRemaining(int seconds);
    // What the hall sees of this countdown.
    SideClock state() const;
    // Shows the counter in the chosen format.
    void showRemaining();

    // Starts counting; a clock that already runs keeps its current interval.
    void start();
    void stop();
    bool running() const;

signals:
    // The counter, its running or its time-up changed.
    void changed();

private slots:
    void timeout();

private:
    void step();

    Screen *m_screen;
    QTimer *m_timer;
    QLabel *m_display;
    UnsetFormat m_unset;
    int m_remaining = 0;
    bool m_timeUp = false;
    bool m_warned = false;
    StepSchedule m_schedule;
};

} // namespace Dovrel
