#pragma once

#include "core/contest_details.h"
#include "settings/settings_page.h"

#include <array>

class QLineEdit;

namespace Dovrel {

// The contest details page, the first of the settings wizard: its 23 boxes edit the contest's details, which every
// display, the result and the report read, saved or not, while the page stays loaded.
class ContestDetailsPage final : public SettingsPage
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form2";

    explicit ContestDetailsPage(Application &app);

protected:
    // Text1 … Text23, the order of the lines of NumSet.ini.
    QList<QLineEdit *> fileBoxes() const override;

private:
    std::array<QLineEdit *, ContestDetailCount> m_boxes{};
};

} // namespace Dovrel
