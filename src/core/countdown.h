#pragma once

#include <QString>

namespace Dovrel {

// The starting count of a clock from a limit text: its leading decimal number, blanks, tabs and line feeds ignored
// wherever they stand, rounded half to even; 0 when the text does not begin with a number.
int readLimit(const QString &text);

enum class CountdownFormat { None, Seconds, MinutesSeconds };

// "122s" or "2分2秒"; minutes are floor(n / 60) and the seconds keep the sign of n ("-1分-1秒").
QString formatRemaining(int seconds, CountdownFormat format);

// One per-second step of a countdown.
struct CountdownStep
{
    int remaining = 0;
    bool warning = false; // exactly 30 seconds left
    bool timeUp = false;  // nothing left
};
CountdownStep countdownStep(int remaining);

inline constexpr int WarningSeconds = 30;

// What a clock does past its end, as the timekeeper chose: with `countUp` off it stops at " 时间到！" as ever; on, it
// goes on counting the overtime, shown to the hall, and rings the time-up sound again every `bellSeconds` of it (never
// at 0).
struct OvertimeRule
{
    bool countUp = false;
    int bellSeconds = 15;

    friend bool operator==(const OvertimeRule &, const OvertimeRule &) = default;
};
// A bell more than an hour apart never rings in a stage.
inline constexpr int LongestBellSeconds = 3600;

// One second past the end: the overtime then, and whether the time-up sound rings again.
struct OvertimeStep
{
    int overtime = 0;
    bool bell = false;
};
OvertimeStep overtimeStep(int overtime, const OvertimeRule &rule);

// The overtime as the hall sees it: "+12s", or "+0分12秒" (whole minutes, then seconds, unpadded).
QString formatOvertime(int overtime, CountdownFormat format);

// A gap between two timeouts longer than this is not a held-up event loop but a machine that was suspended or
// frozen (a laptop lid closed mid-speech): on Windows the monotonic clock counts suspended time, so charging the gap
// would take a running clock straight to time-up on resume. Such a gap costs one step, on every platform, and the
// deadlines start afresh from then. A busy event loop rarely holds up for more than a second or two.
inline constexpr qint64 MaxCatchUpGapMs = 5000;

// Deadlines start + n × interval on a monotonic clock, so a countdown never drifts; a timeout that comes after
// several deadlines (a held-up event loop) is told how many steps it owes, unless the gap since the last timeout
// exceeds `maxGapMs`.
class StepSchedule final
{
public:
    explicit StepSchedule(qint64 intervalMs = 1000, qint64 maxGapMs = MaxCatchUpGapMs);

    void start(qint64 nowMs);
    // Goes on after a pause: the next deadline `msToNext` from now, the part of a second run before the pause kept.
    void resume(qint64 nowMs, qint64 msToNext);
    // Steps owed at a timeout: always at least one, one more for each further deadline already passed; exactly one
    // after a gap too long to be charged, with the next deadline an interval from now.
    int stepsDue(qint64 nowMs);
    // Time from now to the next deadline, never negative.
    qint64 msUntilNext(qint64 nowMs) const;
    qint64 nextDeadline() const;

private:
    qint64 m_interval;
    qint64 m_maxGap;
    qint64 m_next = 0;
    qint64 m_last = 0; // the last start or timeout
};

} // namespace Dovrel
