#pragma once

#include "clocks/clock_screen.h"

#include <optional>

class QLabel;

namespace Dovrel {

class CountdownClock;

// The single-side stage clock: one countdown, the side buttons only set the title; "暂停" or the space bar pauses
// and continues it.
class SingleSideClock final : public ClockScreen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form17";

    explicit SingleSideClock(Application &app);
    void load() override;

    int remainingSeconds() const;
    // The stage's title over the clock.
    void setTitle(const QString &title);

    void spaceBar() override;

protected:
    HallView hallView() const override;
    void recordRuns() override;

private slots:
    void affirmativeSpeaks();
    void negativeSpeaks();
    void startCountdown();
    void resetCountdown();

private:
    void titleForSide(Side side);
    void readHandedOverLimit();

    QLabel *Label1 = nullptr; // title
    QLabel *Label2 = nullptr; // remaining time
    CountdownClock *m_clock = nullptr;
    // The side the timekeeper last chose, if any.
    std::optional<Side> m_side;
};

} // namespace Dovrel
