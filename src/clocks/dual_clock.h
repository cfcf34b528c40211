#pragma once

#include "clocks/clock_screen.h"

#include <array>

class QLabel;
class QTimer;

namespace Dovrel {

class CountdownClock;

// The free-debate clock: one countdown per side, and the turn passes by arrow key or mouse button.
class DualClock final : public ClockScreen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form6";

    explicit DualClock(Application &app);
    void load() override;

    int affirmativeSeconds() const;
    int negativeSeconds() const;
    // The stage's title over the clocks.
    void setTitle(const QString &title);

private:
    QLabel *Label1 = nullptr;         // stage title, written by the opener
    QLabel *Label2 = nullptr;         // "正方"
    QLabel *Label4 = nullptr;         // affirmative clock
    QLabel *Label3 = nullptr;         // "反方"
    QLabel *Label5 = nullptr;         // negative clock
    std::array<QLabel *, 2> Label6{}; // the dividing line, in two halves
    QLabel *Label7 = nullptr;         // note over the sensing band
    QTimer *Timer1 = nullptr;         // affirmative countdown
    QTimer *Timer2 = nullptr;         // negative countdown
    QTimer *Timer3 = nullptr;         // caption

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void affirmativeSpeaks();
    void negativeSpeaks();

private:
    CountdownClock *m_affirmative = nullptr;
    CountdownClock *m_negative = nullptr;
};

} // namespace Dovrel
