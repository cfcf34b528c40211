#include "core/settings_files.h"

#include "core/app_paths.h"
#include "core/settings_values.h"

namespace Dovrel {

namespace {

QStringList readLines(const AppPaths &paths, const QString &fileName, int count)
{
    return padLines(readLineFile(paths.configFile(fileName), count).lines, count);
}

TextStyle readTextStyle(const QStringList &lines, int first)
{
    return {lines.at(first), parseSettingsNumber(lines.at(first + 1)), parseColourValue(lines.at(first + 2))};
}

// A value never read is written back as an empty line, as it was found.
QString colourLine(const std::optional<qint32> &colour)
{
    return colour ? formatColourValue(*colour) : QString();
}

QStringList textStyleLines(const TextStyle &style)
{
    return {style.fontName, style.fontSize ? formatFontSize(*style.fontSize) : QString(), colourLine(style.colour)};
}

} // namespace

QStringList readTextSettings(const AppPaths &paths, const QString &fileName, int count)
{
    return readLines(paths, fileName, count);
}

SaveResult writeTextSettings(const AppPaths &paths, const QString &fileName, const QStringList &values)
{
    return writeLineFile(paths.configFile(fileName), values);
}

TitleStyle readTitleStyle(const AppPaths &paths)
{
    const QStringList lines = readLines(paths, SettingsFiles::NameSet, SettingsFiles::NameSetLines);
    return {readTextStyle(lines, 0), readTextStyle(lines, 3), parseColourValue(lines.at(6))};
}

SaveResult writeTitleStyle(const AppPaths &paths, const TitleStyle &style)
{
    const QStringList lines =
        textStyleLines(style.zoneOne) + textStyleLines(style.zoneTwo) + QStringList{colourLine(style.background)};
    return writeLineFile(paths.configFile(SettingsFiles::NameSet), lines);
}

AudienceStyle readAudienceStyle(const AppPaths &paths)
{
    const QStringList lines = readLines(paths, SettingsFiles::ViwerSet, SettingsFiles::ViwerSetLines);
    return {readTextStyle(lines, 0), parseColourValue(lines.at(3))};
}

SaveResult writeAudienceStyle(const AppPaths &paths, const AudienceStyle &style)
{
    const QStringList lines = textStyleLines(style.text) + QStringList{colourLine(style.background)};
    return writeLineFile(paths.configFile(SettingsFiles::ViwerSet), lines);
}

} // namespace Dovrel
