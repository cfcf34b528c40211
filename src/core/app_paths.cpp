#include "core/app_paths.h"

#include <QDir>
#include <QFileInfo>

namespace Dovrel {

namespace {

// The entry of `folder` named `name` without regard to case; `name` itself when there is none or it exists as is.
QString matchEntry(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString systemSeparators(QString relative)
{
    return relative.replace(QLatin1Char('\\'), QDir::separator());
}

AppPaths::AppPaths(QString root) : m_root(QDir::cleanPath(std::move(root))) {}

QString AppPaths::configFile(const QString &fileName) const
{
    return dataPath(QStringLiteral("config\\") + fileName);
}

QString AppPaths::dataPath(const QString &relative) const
{
    QString path = m_root;
    const QStringList names = relative.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString &name : names)
        path += QLatin1Char('/') + matchEntry(path, name);
    return path;
}

QString AppPaths::helpFile() const
{
    return dataPath(QStringLiteral("help.chm"));
}

} // namespace Dovrel
