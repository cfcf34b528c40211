#include "unattended.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>

namespace Dovrel::Unattended {

int Platform::soundDeviceCount()
{
    return 1;
}

bool Platform::soundOutputOpens()
{
    return true;
}

SoundStart Platform::playSound(const QString &)
{
    return SoundStart::Playing;
}

void Platform::showNotice(QWidget *, const MessageRequest &) {}

MessageAnswer Platform::showMessage(QWidget *, const MessageRequest &)
{
    return MessageAnswer::Ok;
}

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir())
            copyTree(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

} // namespace

void layOutStockFolders(const QString &directory)
{
    for (const char *folder : {"config", "sound", "background"})
        copyTree(QStringLiteral(DOVREL_ASSETS_DIR "/") + QLatin1String(folder),
                 directory + QLatin1Char('/') + QLatin1String(folder));
}

quint16 freePort()
{
    // The viewer server listens on every address, so the port is asked for there.
    QTcpServer probe;
    probe.listen(QHostAddress::AnyIPv4, 0);
    return probe.serverPort();
}

} // namespace Dovrel::Unattended
