#pragma once

#include "core/speaking_record.h"
#include "shell/screen.h"

class QTableWidget;

namespace Dovrel {

// The speaking-time record of the day: every run of a stage clock, its overtime in red; the rows copied to the
// clipboard or their folder opened.
class RecordScreen final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form23";

    explicit RecordScreen(Application &app);
    void load() override;

protected:
    // Over the main menu, which stays visible: closing only unloads it.
    void closing() override;

private:
    void copyRows();
    void openFolder();

    QTableWidget *Table1 = nullptr;
    QList<SpeakingRow> m_rows;
};

} // namespace Dovrel
