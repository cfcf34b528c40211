#pragma once

#include "shell/screen.h"

class QPlainTextEdit;

namespace Dovrel {

// The contest report: a plain-text summary built at load, editable, to copy to the clipboard or save as a file.
class ReportScreen final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form12";

    explicit ReportScreen(Application &app);
    void load() override;

    // The report as it stands in the box, edits included, every line ended by CR LF.
    QString reportText() const;

private slots:
    void copyReport();
    void saveReport();

private:
    // Puts the day's speaking-time record after the report, or takes it away again.
    void attachRecord(bool attached);

    QPlainTextEdit *Text1 = nullptr;
    QString m_recordSection;
    QString m_lastFileName;
};

} // namespace Dovrel
