#pragma once

#include "clocks/clock_screen.h"

#include <array>

class QLabel;
class QPushButton;
class QTimer;

namespace Dovrel {

class CountdownClock;

// The cross-examination clock: a menu of the eight speaker pairings, then one countdown headed by the chosen one.
class CrossExaminationClock final : public ClockScreen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form18";

    explicit CrossExaminationClock(Application &app);
    void load() override;

    int remainingSeconds() const;

private:
    QLabel *Label9 = nullptr; // heading, later the chosen pairing
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label10 = nullptr; // remaining time
    QPushButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;
    QTimer *Timer1 = nullptr; // countdown
    QTimer *Timer2 = nullptr; // caption

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resized() override;

private slots:
    void startCountdown();
    void backToPairings();

private:
    void highlightPairing(const QLabel *hovered);
    void choosePairing(QLabel *pairing);
    void fitHeading();
    void readHandedOverLimit();

    std::array<QLabel *, 8> m_pairings{};
    CountdownClock *m_clock = nullptr;
};

} // namespace Dovrel
