#pragma once

#include "core/contest_details.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace Dovrel {

// The moment a report is made, in the short date format and the time format of programLocale().
struct ReportStamp
{
    QString date;
    QString time;
};

ReportStamp reportStamp(const QDateTime &moment = QDateTime::currentDateTime());

// What a report is made of: the contest details in the order of ContestDetail (fewer are taken as empty),
// the two totals and the winner as the result rule gives them, and the moment.
struct ReportFacts
{
    QStringList details;
    QString affirmativeTotal;
    QString negativeTotal;
    QString winner;
    ReportStamp stamp;
};

inline constexpr int ReportLineCount = 36;

// The 36 lines of the contest report, without line ends.
QStringList reportLines(const ReportFacts &facts);

// The report as text: every line followed by CR LF, the last one included.
QString reportText(const ReportFacts &facts);

// The file a report is saved to: a name typed without an extension gets ".txt" ("报表." gets "txt"); a name with
// one keeps it as typed (".TXT", ".log").
QString reportFileName(const QString &chosen);

} // namespace Dovrel
