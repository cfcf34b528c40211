#pragma once

#include "clocks/countdown_clock.h"
#include "shell/screen.h"

class QLabel;
class QTimer;

namespace Dovrel {

// What the three clock screens share: a maximised blue screen for the hall, in proportion to its design, whose
// countdowns start from what the main menu handed over for the current stage.
class ClockScreen : public Screen
{
    Q_OBJECT

protected:
    explicit ClockScreen(Application &app);

    // A countdown of this screen, stepped by `timer` and shown in `display`.
    CountdownClock *makeCountdown(QTimer *timer, QLabel *display, UnsetFormat unset = UnsetFormat::KeepText);

    // The stage the main menu handed over: the starting count read from its limit text, and its name.
    int handedOverLimit() const;
    QString handedOverName() const;
};

} // namespace Dovrel
