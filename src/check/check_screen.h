#pragma once

#include "core/pre_contest_check.h"
#include "shell/screen.h"

class QCheckBox;
class QPlainTextEdit;
class QTimer;

namespace Dovrel {

// The check before a contest: what the hall would notice (a sound that will not play, a limit the clock reads
// otherwise than typed, settings that cannot be saved) and what is worth a look, one finding a line. It reads the
// live settings and writes none; its one switch is the hall screens' text size, a setting of the program's own.
class CheckScreen final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form22";

    explicit CheckScreen(Application &app);
    void load() override;

    static QString caption();

private slots:
    void runCheck();
    void playChosenSounds();
    void playTimeUpSound();
    void scaleHallText(bool on);

private:
    // The hall's display as a multiple of the design size.
    double hallScale();
    void showFindings(const QList<Finding> &findings);

    QPlainTextEdit *Text1 = nullptr; // the findings
    QCheckBox *Check1 = nullptr;     // the hall screens' text grows with the display
    QTimer *Timer2 = nullptr;        // the time-up sound after the warning

    QString m_timeUpSound;
};

} // namespace Dovrel
