#pragma once

#include "clocks/clock_screen.h"

class QLabel;
class QPushButton;
class QTimer;

namespace Dovrel {

class CountdownClock;

// The single-side stage clock: one countdown, the side buttons only set the title.
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

private:
    QLabel *Label1 = nullptr; // title
    QLabel *Label2 = nullptr; // remaining time
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command3 = nullptr;
    QTimer *Timer1 = nullptr; // countdown
    QTimer *Timer2 = nullptr; // caption

private slots:
    void affirmativeSpeaks();
    void negativeSpeaks();
    void startCountdown();
    void resetCountdown();

private:
    void titleForSide(const QString &side);
    void readHandedOverLimit();

    CountdownClock *m_clock = nullptr;
};

} // namespace Dovrel
