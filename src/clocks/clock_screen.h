#pragma once

#include "clocks/countdown_clock.h"
#include "shell/screen.h"

class QLabel;
class QPushButton;
class QTimer;

namespace Dovrel {

// What the three clock screens share: a maximised blue screen for the hall, in proportion to its design, whose
// countdowns start from what the main menu handed over for the current stage, and which tells the hall's state
// what it shows whenever that changes.
class ClockScreen : public Screen
{
    Q_OBJECT

public:
    // The screen's runs are written to the speaking-time record as it goes.
    void unloading() override;
    bool takesSpaceBar() const override;

protected:
    explicit ClockScreen(Application &app);

    // A countdown of this screen, stepped by `timer` and shown in `display`; its every change is published.
    CountdownClock *makeCountdown(QTimer *timer, QLabel *display, UnsetFormat unset = UnsetFormat::KeepText);

    // What the hall sees of the clock now, and telling the hall's state so; nothing is told before the load
    // step has said the clock is ready.
    virtual HallView hallView() const = 0;
    void publishHallView();
    void readyForHall();
    // Writes the countdown's run, if it was started, to the speaking-time record and forgets it.
    void recordRun(CountdownClock *countdown, const QString &stage, const QString &side);
    // Every run still going, recorded as the screen closes.
    virtual void recordRuns() = 0;
    // A button "暂停" that pauses a running countdown and, reading "继续", resumes it.
    QPushButton *makePauseButton(const QString &name, int left, int top, CountdownClock *countdown);

    // Makes several changes that the hall sees as one, such as the turn passing from one side to the other.
    template <class Changes> void changeTogether(Changes changes)
    {
        ++m_batched;
        changes();
        --m_batched;
        publishHallView();
    }

    // The stage the main menu handed over: the starting count read from its limit text, and its name.
    int handedOverLimit() const;
    QString handedOverName() const;

private:
    bool m_ready = false;
    int m_batched = 0;
};

} // namespace Dovrel
