#pragma once

#include "shell/screen.h"

class QLineEdit;

namespace Dovrel {

// The stage hand-over, never shown: a view of the current stage the main menu hands the clocks (the contest's
// value, see Contest::handedOver), its time limit text in `Text1` and its name in `Text2`.
class StageHandover final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form5";

    explicit StageHandover(Application &app);
    void load() override;

private:
    void showHandedOver();

    QLineEdit *Text1 = nullptr; // time limit text
    QLineEdit *Text2 = nullptr; // stage name
};

} // namespace Dovrel
