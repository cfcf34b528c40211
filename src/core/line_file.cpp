#include "core/line_file.h"

#include "core/settings_files.h"
#include "core/single_line.h"
#include "core/text_encoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Dovrel {

namespace {

QByteArray withoutLineEnd(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

// The name QSaveFile gives its temporary copy of `fileName`: the name, a dot and six letters or digits.
bool isInterruptedSaveOf(const QString &candidate, const QString &fileName)
{
    constexpr int RandomPart = 6;
    if (candidate.size() != fileName.size() + 1 + RandomPart || !candidate.startsWith(fileName) ||
        candidate.at(fileName.size()) != QLatin1Char('.'))
        return false;
    for (qsizetype i = fileName.size() + 1; i < candidate.size(); ++i) {
        if (!isAsciiLetterOrDigit(candidate.at(i)))
            return false;
    }
    return true;
}

} // namespace

LineFileContent readLineFile(const QString &path, int maxLines)
{
    LineFileContent content;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return content;
    content.exists = true;
    while (content.lines.size() < maxLines && !file.atEnd()) {
        const QByteArray raw = file.readLine();
        if (raw.isEmpty() && file.error() != QFileDevice::NoError)
            break;
        content.lines.append(decodeAnsi(withoutLineEnd(raw)));
    }
    return content;
}

QStringList padLines(const QStringList &lines, int count)
{
    QStringList result = lines.mid(0, count);
    while (result.size() < count)
        result.append(QString());
    return result;
}

SaveResult writeLineFile(const QString &path, const QStringList &lines)
{
    clearInterruptedSave(path);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encodeAnsi(oneLine(line));
        bytes += "\r\n";
    }
    return writeFileAtomically(path, bytes);
}

SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return {false, QStringLiteral("folder does not exist")};
    // A file marked read-only stays untouched even for a user whose rights would let the rename replace it.
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        return {false, QStringLiteral("file is read-only")};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, QString()};
}

int clearInterruptedSave(const QString &path)
{
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    if (fileName.isEmpty())
        return 0;
    QDir dir = info.absoluteDir();
    // Plain files only: a folder or a link of that name is not a save's copy.
    const QStringList entries = dir.entryList(QDir::Files | QDir::NoSymLinks);
    int removed = 0;
    for (const QString &entry : entries) {
        if (isInterruptedSaveOf(entry, fileName) && dir.remove(entry))
            ++removed;
    }
    return removed;
}

int clearInterruptedSaves(const QString &configDir)
{
    const QDir dir(configDir);
    int removed = 0;
    for (const QString &fileName : {SettingsFiles::NumSet, SettingsFiles::TimeSet, SettingsFiles::SoundSet,
                                    SettingsFiles::NameSet, SettingsFiles::ViwerSet, SettingsFiles::Score})
        removed += clearInterruptedSave(dir.filePath(fileName));
    return removed;
}

} // namespace Dovrel
