#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace Dovrel {

enum class ClockKind { None, SingleSide, Dual, CrossExamination };
enum class Side { Affirmative, Negative };
// "正方" or "反方".
QString sideName(Side side);

// One countdown as the hall sees it.
struct SideClock
{
    // The counter, in seconds; below 1 once the time is up.
    int remaining = 0;
    bool running = false;
    // Stopped where it stood by the timekeeper, to go on from there.
    bool paused = false;
    // The end has been reached: " 时间到！" is shown, or the overtime.
    bool timeUp = false;
    // The 30-second warning has sounded since the count was last set.
    bool warned = false;
    // Seconds counted past the end, where the timekeeper chose to count them.
    int overtime = 0;
    // When the next step falls due on the program's monotonic clock (milliseconds); 0 while stopped.
    qint64 nextStepMs = 0;

    friend bool operator==(const SideClock &, const SideClock &) = default;
};

// What the hall's clock shows: which clock screen and stage, and each side's countdown. The single-side and
// cross-examination clocks have one countdown, the affirmative side's place; the dual clock one a side.
struct HallView
{
    QString screen; // "Form17"; empty while no clock is open
    ClockKind kind = ClockKind::None;
    QString stageName;
    // The heading over the clock as shown: the stage, the side and stage, or the cross-examination pairing.
    QString title;
    std::array<SideClock, 2> sides{};
    // The side that speaks: the dual clock's running side, or the side chosen on the single-side clock.
    std::optional<Side> speaking;
    // False while the clock screen shows no time: the cross-examination clock offering its pairings.
    bool timeShown = true;

    friend bool operator==(const HallView &, const HallView &) = default;
};

// The hall's live state, one object for the whole program: every clock publishes what it shows here as it changes,
// and any view of the hall reads it. Nothing reads a label to know the time.
class HallState final : public QObject
{
    Q_OBJECT

public:
    const HallView &view() const;
    // Takes the view a clock shows now; `changed` follows when it differs from the last.
    void publish(const HallView &view);
    // The clock screen `screen` has closed: no clock shows, unless another has taken the hall since.
    void closed(const QString &screen);

signals:
    void changed(const Dovrel::HallView &view);

private:
    HallView m_view;
};

} // namespace Dovrel
