#pragma once

#include "clocks/clock_screen.h"

#include <array>

class QLabel;
class QPushButton;

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

    void spaceBar() override;

protected:
    HallView hallView() const override;
    void recordRuns() override;
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

    QLabel *Label9 = nullptr;  // heading, later the chosen pairing
    QLabel *Label10 = nullptr; // remaining time
    QPushButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command4 = nullptr; // pause
    std::array<QLabel *, 8> m_pairings{};
    CountdownClock *m_clock = nullptr;
};

} // namespace Dovrel
