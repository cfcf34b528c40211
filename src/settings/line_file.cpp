#include "settings/line_file.h"

#include "settings/text_encoding.h"

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
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encodeAnsi(line);
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

} // namespace Dovrel
