#include "platform/help_viewer.h"

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace Dovrel {

namespace {

// The desktop's own opener, xdg-open, only says whether it could start, not whether anything opened the file;
// so a file type is opened with it only where xdg-mime names an application for that type.
QString desktopHandler(const QString &mimeType)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return QString();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished();
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

bool openWithDesktop(const QString &path, const QStringList &mimeTypes)
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return false;
    for (const QString &mimeType : mimeTypes) {
        if (!desktopHandler(mimeType).isEmpty())
            return QProcess::startDetached(xdgOpen, {path});
    }
    return false;
}

bool startFirstFound(const QStringList &programs, const QString &argument)
{
    for (const QString &program : programs) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty() && QProcess::startDetached(found, {argument}))
            return true;
    }
    return false;
}

} // namespace

bool openHelpViewer(const QString &helpFile)
{
    // A viewer that is installed is used directly: a fresh system often knows no handler for the type.
    if (startFirstFound({QStringLiteral("xchm"), QStringLiteral("kchmviewer"), QStringLiteral("chmsee")}, helpFile))
        return true;
    return openWithDesktop(helpFile,
                           {QStringLiteral("application/vnd.ms-htmlhelp"), QStringLiteral("application/x-chm")});
}

bool openInBrowser(const QString &page)
{
    const QString url = QUrl::fromLocalFile(page).toString();
    if (openWithDesktop(url, {QStringLiteral("text/html")}))
        return true;
    // Debian's registered default browser.
    return startFirstFound({QStringLiteral("x-www-browser")}, url);
}

} // namespace Dovrel
