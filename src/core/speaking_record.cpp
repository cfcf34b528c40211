#include "core/speaking_record.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace Dovrel {

namespace {

const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
constexpr int Fields = 8;
// The first characters by which a spreadsheet takes a cell for a formula.
const QString FormulaStarts = QStringLiteral("=+-@\t\r");

// A field as a spreadsheet reads it back: quoted where it holds a separator, a quote or a line break, and a text
// that would start a formula (=, +, -, @) kept as text by a leading apostrophe.
QString csvField(QString field, bool text)
{
    if (text && !field.isEmpty() && FormulaStarts.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) || field.contains(QLatin1Char('\n')) ||
        field.contains(QLatin1Char('\r'))) {
        field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QByteArray csvLine(const QStringList &fields, const QList<bool> &texts)
{
    QStringList quoted;
    for (int i = 0; i < int(fields.size()); ++i)
        quoted.append(csvField(fields.at(i), texts.value(i)));
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

// The records of a CSV text, quoted fields and line breaks inside them included; a record cut off inside a quote is
// dropped.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            record.append(std::exchange(field, QString()));
        } else if (c == QLatin1Char('\n')) {
            record.append(std::exchange(field, QString()));
            records.append(std::exchange(record, QStringList()));
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!quoted && (!field.isEmpty() || !record.isEmpty())) {
        record.append(field);
        records.append(record);
    }
    return records;
}

QString unprotected(QString text)
{
    if (text.size() > 1 && text.front() == QLatin1Char('\'') && FormulaStarts.contains(text.at(1)))
        text.remove(0, 1);
    return text;
}

} // namespace

QStringList recordHeader()
{
    return {QStringLiteral("日期"),     QStringLiteral("开始时间"), QStringLiteral("环节"),
            QStringLiteral("持方"),     QStringLiteral("限时(秒)"), QStringLiteral("用时(秒)"),
            QStringLiteral("超时(秒)"), QStringLiteral("暂停次数")};
}

QStringList recordFields(const SpeakingRow &row)
{
    return {row.started.date().toString(Qt::ISODate),
            row.started.time().toString(QStringLiteral("HH:mm:ss")),
            row.stage,
            row.side,
            QString::number(row.limit),
            QString::number(row.spoken),
            QString::number(row.overtime),
            QString::number(row.pauses)};
}

QString recordFileName(const QDate &day)
{
    return QStringLiteral("用时记录-") + day.toString(Qt::ISODate) + QStringLiteral(".csv");
}

QByteArray recordFileStart()
{
    return ByteOrderMark + csvLine(recordHeader(), {});
}

QByteArray recordLine(const SpeakingRow &row)
{
    return csvLine(recordFields(row), {false, false, true, true});
}

QList<SpeakingRow> parseRecord(const QByteArray &bytes)
{
    QByteArray text = bytes;
    if (text.startsWith(ByteOrderMark))
        text.remove(0, ByteOrderMark.size());
    QList<SpeakingRow> rows;
    for (const QStringList &fields : parseCsv(QString::fromUtf8(text))) {
        if (fields.size() != Fields || fields == recordHeader())
            continue;
        const QDate date = QDate::fromString(fields.at(0), Qt::ISODate);
        const QTime time = QTime::fromString(fields.at(1), QStringLiteral("HH:mm:ss"));
        bool numbers[4] = {};
        SpeakingRow row{QDateTime(date, time),           unprotected(fields.at(2)),
                        unprotected(fields.at(3)),       fields.at(4).toInt(&numbers[0]),
                        fields.at(5).toInt(&numbers[1]), fields.at(6).toInt(&numbers[2]),
                        fields.at(7).toInt(&numbers[3])};
        if (date.isValid() && time.isValid() && numbers[0] && numbers[1] && numbers[2] && numbers[3])
            rows.append(row);
    }
    return rows;
}

QString recordText(const QList<SpeakingRow> &rows)
{
    QStringList lines = {recordHeader().join(QLatin1Char('\t'))};
    for (const SpeakingRow &row : rows) {
        QStringList fields = recordFields(row);
        // A tab or line break inside a name would start a new cell or row where it is pasted.
        for (QString &field : fields)
            field.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        lines.append(fields.join(QLatin1Char('\t')));
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString recordDayText(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy年M月d日"));
}

QString recordReportSection(const QDate &day, const QList<SpeakingRow> &rows)
{
    QString section = QStringLiteral("\r\n用时记录（") + recordDayText(day) + QStringLiteral("）\r\n");
    if (rows.isEmpty())
        return section + QStringLiteral("       （无）\r\n");
    for (const SpeakingRow &run : rows) {
        // One pass over the pattern, so a stage named like "%4" stays as typed.
        const QStringList f = recordFields(run);
        section += QStringLiteral("       %1  %2  %3  限时%4秒  用时%5秒  超时%6秒  暂停%7次\r\n")
                       .arg(f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
    }
    return section;
}

SpeakingRecord::SpeakingRecord(QString folder) : m_folder(std::move(folder)) {}

QString SpeakingRecord::folder() const
{
    return m_folder;
}

QString SpeakingRecord::fileOf(const QDate &day) const
{
    return QDir(m_folder).filePath(recordFileName(day));
}

SaveResult SpeakingRecord::add(const SpeakingRow &row)
{
    m_waiting.append(row);
    if (!QDir().mkpath(m_folder))
        return {false, QStringLiteral("folder cannot be made")};
    SaveResult result{true, QString()};
    QList<SpeakingRow> stillWaiting;
    for (const SpeakingRow &waiting : std::as_const(m_waiting)) {
        const QString path = fileOf(waiting.started.date());
        QFile file(path);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        file.close();
        if (bytes.isEmpty())
            bytes = recordFileStart();
        // A file cut off after its last whole line (by another program) gets the line end back first.
        if (!bytes.endsWith('\n'))
            bytes += "\r\n";
        // Copies that a save killed at its very end left beside the file go first.
        clearInterruptedSave(path);
        const SaveResult saved = writeFileAtomically(path, bytes + recordLine(waiting));
        if (!saved.ok) {
            stillWaiting.append(waiting);
            result = saved;
        }
    }
    m_waiting = stillWaiting;
    return result;
}

QList<SpeakingRow> SpeakingRecord::rowsOf(const QDate &day) const
{
    QFile file(fileOf(day));
    QList<SpeakingRow> rows;
    if (file.open(QIODevice::ReadOnly))
        rows = parseRecord(file.readAll());
    for (const SpeakingRow &waiting : m_waiting) {
        if (waiting.started.date() == day)
            rows.append(waiting);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const SpeakingRow &a, const SpeakingRow &b) { return a.started < b.started; });
    return rows;
}

} // namespace Dovrel
