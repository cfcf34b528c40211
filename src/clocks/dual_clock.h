#pragma once

#include "clocks/clock_screen.h"

class QLabel;

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

    // Pauses the side that speaks, and continues the paused one.
    void spaceBar() override;

protected:
    HallView hallView() const override;
    void recordRuns() override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void affirmativeSpeaks();
    void negativeSpeaks();

private:
    QLabel *Label1 = nullptr; // stage title, written by the opener
    CountdownClock *m_affirmative = nullptr;
    CountdownClock *m_negative = nullptr;
};

} // namespace Dovrel
