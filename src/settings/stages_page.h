#pragma once

#include "core/stage_boxes.h"
#include "settings/settings_page.h"

#include <array>

class QLineEdit;

namespace Dovrel {

// The stages and time limits page: its boxes edit the stage names and limits the main menu and the clocks read,
// saved or not, while the page stays loaded. A limit the clocks would read otherwise than typed shows in red.
class StagesPage final : public SettingsPage
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form3";

    explicit StagesPage(Application &app);

protected:
    // Text1 … Text21 in the order of the lines of TimeSet.ini.
    QList<QLineEdit *> fileBoxes() const override;
    // All but the names of stages three and seven, which the page cannot enter.
    QList<QLineEdit *> clearedBoxes() const override;

private:
    static void markUnreadableLimit(QLineEdit *box);
    QLineEdit *box(StageBox which) const;

    std::array<QLineEdit *, StageBoxCount> m_boxes{};
};

} // namespace Dovrel
