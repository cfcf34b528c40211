#pragma once

#include "core/line_file.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace Dovrel {

// One run of a stage clock, from its start to its end: when it started, the stage, the side where the clock knows
// it, the limit, the seconds the clock counted, those past the limit that it counted as overtime, and the pauses.
struct SpeakingRow
{
    QDateTime started;
    QString stage;
    QString side;
    int limit = 0;
    int spoken = 0;
    int overtime = 0;
    int pauses = 0;

    friend bool operator==(const SpeakingRow &, const SpeakingRow &) = default;
};

// The record's columns: the day, the time the run started, the stage, the side, the limit, the seconds spoken, the
// overtime and the pauses; and a run's values in them.
QStringList recordHeader();
QStringList recordFields(const SpeakingRow &row);

// "用时记录-2026-12-08.csv".
QString recordFileName(const QDate &day);
// The day's record as the file holds it: UTF-8 with a byte-order mark, so that WPS and Excel keep its Chinese, a
// header line, then one line a run, each ended by CR LF. A text that a spreadsheet would take for a formula is
// kept as text.
QByteArray recordFileStart();
QByteArray recordLine(const SpeakingRow &row);
// The rows of a record file; a line that is not a whole row is passed over.
QList<SpeakingRow> parseRecord(const QByteArray &bytes);
// The rows as tab-separated lines under their header, for the clipboard.
QString recordText(const QList<SpeakingRow> &rows);
// "2026年12月8日".
QString recordDayText(const QDate &day);
// The day's rows as the last section of the contest report, each line ended by CR LF.
QString recordReportSection(const QDate &day, const QList<SpeakingRow> &rows);

// The record files in a folder, one a day. A row is added by writing the day's file anew, atomically, so a kill at
// any moment leaves the file as it was or with the row whole; a row that cannot be written waits for the next.
class SpeakingRecord final
{
public:
    explicit SpeakingRecord(QString folder);

    QString folder() const;
    QString fileOf(const QDate &day) const;
    // Adds the row to the file of the day it started (the folder is made if need be).
    SaveResult add(const SpeakingRow &row);
    // The day's rows in the order they started (rows end, and are written, in another order).
    QList<SpeakingRow> rowsOf(const QDate &day) const;

private:
    QString m_folder;
    QList<SpeakingRow> m_waiting;
};

} // namespace Dovrel
