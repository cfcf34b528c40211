#include "core/contest.h"

#include "core/alert_sounds.h"
#include "core/settings_files.h"

#include <utility>

namespace Dovrel {

namespace {

struct FileShape
{
    QString name;
    int lines;
};

FileShape shapeOf(PageFile file)
{
    switch (file) {
    case PageFile::Details:
        return {SettingsFiles::NumSet, SettingsFiles::NumSetLines};
    case PageFile::Stages:
        return {SettingsFiles::TimeSet, SettingsFiles::TimeSetLines};
    case PageFile::Alerts:
        break;
    }
    return {SettingsFiles::SoundSet, SettingsFiles::SoundSetLines};
}

const QString TimeShown = QStringLiteral("显示");
const QString TimeHidden = QStringLiteral("不显示");

} // namespace

QString settingsFileName(PageFile file)
{
    return shapeOf(file).name;
}

QString ContestDetails::operator[](ContestDetail detail) const
{
    return lines.value(int(detail));
}

QString StageSettings::name(StageBox box) const
{
    Q_ASSERT(isStageNameBox(box));
    return lines.value(int(box));
}

QString StageSettings::limit(StageBox box) const
{
    Q_ASSERT(!isStageNameBox(box));
    return lines.value(int(box));
}

int AlertSettings::warningChoice() const
{
    return soundChoiceOf(lines.value(0));
}

int AlertSettings::timeUpChoice() const
{
    return soundChoiceOf(lines.value(1));
}

bool AlertSettings::timeShown() const
{
    return lines.value(2) == TimeShown;
}

CountdownFormat AlertSettings::format() const
{
    return formatOf(lines.value(3));
}

QString soundKeyword(int choice)
{
    static const QString keywords[AlertChoices] = {QStringLiteral("默认声音"), QStringLiteral("声音一"),
                                                   QStringLiteral("声音二"), QStringLiteral("声音三")};
    return choice >= 0 && choice < AlertChoices ? keywords[choice] : QString();
}

QString formatKeyword(CountdownFormat format)
{
    switch (format) {
    case CountdownFormat::Seconds:
        return QStringLiteral("秒");
    case CountdownFormat::MinutesSeconds:
        return QStringLiteral("分\\秒");
    case CountdownFormat::None:
        break;
    }
    return QString();
}

QString timeShownKeyword(bool shown)
{
    return shown ? TimeShown : TimeHidden;
}

int soundChoiceOf(const QString &keyword)
{
    for (int choice = 0; choice < AlertChoices; ++choice) {
        if (keyword == soundKeyword(choice))
            return choice;
    }
    return -1;
}

CountdownFormat formatOf(const QString &keyword)
{
    for (CountdownFormat format : {CountdownFormat::Seconds, CountdownFormat::MinutesSeconds}) {
        if (keyword == formatKeyword(format))
            return format;
    }
    return CountdownFormat::None;
}

QString stageThreeDesignName()
{
    return QStringLiteral("攻辩 ");
}

QString stageSevenDesignName()
{
    return QStringLiteral("自由辩论");
}

Contest::Contest(const AppPaths &paths) : m_paths(paths) {}

ContestDetails Contest::details()
{
    return {lines(PageFile::Details)};
}

StageSettings Contest::stages()
{
    return {lines(PageFile::Stages)};
}

AlertSettings Contest::alerts()
{
    return {lines(PageFile::Alerts)};
}

QStringList Contest::lines(PageFile file)
{
    Held &values = held(file);
    if (!values.lines && values.loadPage)
        values.loadPage();
    if (!values.lines)
        values.lines = readFile(file);
    return *values.lines;
}

void Contest::loadFromFile(PageFile file)
{
    held(file).lines = readFile(file);
    emit changed(file);
}

void Contest::setLine(PageFile file, int line, const QString &text)
{
    QStringList current = lines(file);
    if (line < 0 || line >= current.size() || current.at(line) == text)
        return;
    current[line] = text;
    held(file).lines = current;
    emit changed(file);
}

SaveResult Contest::save(PageFile file)
{
    return writeTextSettings(m_paths, shapeOf(file).name, lines(file));
}

void Contest::release(PageFile file)
{
    held(file).lines.reset();
    emit changed(file);
}

void Contest::setPageLoader(PageFile file, std::function<void()> load)
{
    held(file).loadPage = std::move(load);
}

ScoreTotals Contest::scores() const
{
    const QStringList totals = readTextSettings(m_paths, SettingsFiles::Score, SettingsFiles::ScoreLines);
    return {totals.at(0), totals.at(1)};
}

SaveResult Contest::saveScores(const ScoreTotals &totals)
{
    return writeTextSettings(m_paths, SettingsFiles::Score, {totals.affirmative, totals.negative});
}

HandedOverStage Contest::handedOver() const
{
    return m_handedOver;
}

void Contest::handOverLimit(const QString &limit)
{
    m_handedOver.limit = limit;
    emit handedOverChanged();
}

void Contest::handOverName(const QString &name)
{
    m_handedOver.name = name;
    emit handedOverChanged();
}

Contest::Held &Contest::held(PageFile file)
{
    return m_held[std::size_t(file)];
}

QStringList Contest::readFile(PageFile file) const
{
    const FileShape shape = shapeOf(file);
    QStringList values = readTextSettings(m_paths, shape.name, shape.lines);
    // Stages three and seven have names the page cannot enter; without one from the file they would stay unnamed
    // for good, so they take their design names, which the next save writes.
    if (file == PageFile::Stages) {
        if (values[int(StageBox::StageThreeName)].isEmpty())
            values[int(StageBox::StageThreeName)] = stageThreeDesignName();
        if (values[int(StageBox::StageSevenName)].isEmpty())
            values[int(StageBox::StageSevenName)] = stageSevenDesignName();
    }
    return values;
}

} // namespace Dovrel
