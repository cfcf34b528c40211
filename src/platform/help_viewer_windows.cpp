#include "platform/help_viewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

namespace Dovrel {

bool openHelpViewer(const QString &helpFile)
{
    // The file's association is the system's help viewer; where the association is missing, the viewer itself.
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile)))
        return true;
    return QProcess::startDetached(QStringLiteral("hh.exe"), {QDir::toNativeSeparators(helpFile)});
}

bool openInBrowser(const QString &page)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

} // namespace Dovrel
