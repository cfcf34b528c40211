#pragma once

#include "shell/screen.h"

class QCheckBox;
class QSpinBox;

namespace Dovrel {

// What the clocks do past their end: stop at " 时间到！" (the default), or count the overtime for the hall and ring
// the time-up sound again every so many seconds of it. Kept in the program's own settings, [overtime].
class OvertimePage final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form25";

    explicit OvertimePage(Application &app);
    void load() override;

protected:
    // Opened over the sound page, it closes without taking the timekeeper back to the main menu.
    void closing() override;

private:
    void saveChoice();

    QCheckBox *Check1 = nullptr; // count the overtime
    QSpinBox *Text1 = nullptr;   // seconds between the overtime bells
};

} // namespace Dovrel
