#include "core/program_settings.h"

#include <QSettings>

#include <utility>

namespace Dovrel {

namespace {
const QString HallTextScaled = QStringLiteral("hall/scaleText");
const QString ReportFolder = QStringLiteral("report/folder");
} // namespace

ProgramSettings::ProgramSettings(QString filePath) : m_path(std::move(filePath)) {}

bool ProgramSettings::hallTextScaled() const
{
    return QSettings(m_path, QSettings::IniFormat).value(HallTextScaled, false).toBool();
}

void ProgramSettings::setHallTextScaled(bool on)
{
    QSettings(m_path, QSettings::IniFormat).setValue(HallTextScaled, on);
}

QString ProgramSettings::reportFolder() const
{
    return QSettings(m_path, QSettings::IniFormat).value(ReportFolder).toString();
}

void ProgramSettings::setReportFolder(const QString &folder)
{
    QSettings(m_path, QSettings::IniFormat).setValue(ReportFolder, folder);
}

QString ProgramSettings::filePath() const
{
    return m_path;
}

} // namespace Dovrel
