#include "core/program_settings.h"

#include <QSettings>

#include <utility>

namespace Dovrel {

namespace {
const QString HallTextScaled = QStringLiteral("hall/scaleText");
const QString ReportFolder = QStringLiteral("report/folder");
const QString ViewersEnabled = QStringLiteral("viewers/enabled");
const QString ViewerPort = QStringLiteral("viewers/port");
const QString ViewerAddress = QStringLiteral("viewers/address");
const QString OvertimeCountUp = QStringLiteral("overtime/countUp");
const QString OvertimeBellSeconds = QStringLiteral("overtime/bellSeconds");
constexpr quint16 DefaultViewerPort = 8787;
} // namespace

ProgramSettings::ProgramSettings(QString filePath) : m_path(std::move(filePath)) {}

bool ProgramSettings::hallTextScaled() const
{
    return value(HallTextScaled, false).toBool();
}

void ProgramSettings::setHallTextScaled(bool on)
{
    setValue(HallTextScaled, on);
}

OvertimeRule ProgramSettings::overtimeRule() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    OvertimeRule rule;
    rule.countUp = settings.value(OvertimeCountUp, false).toBool();
    bool number = false;
    const int bell = settings.value(OvertimeBellSeconds, rule.bellSeconds).toInt(&number);
    // A bell interval beyond the longest, or not a number, is the default.
    if (number && bell >= 0 && bell <= LongestBellSeconds)
        rule.bellSeconds = bell;
    return rule;
}

void ProgramSettings::setOvertimeRule(const OvertimeRule &rule)
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(OvertimeCountUp, rule.countUp);
    settings.setValue(OvertimeBellSeconds, rule.bellSeconds);
}

bool ProgramSettings::viewersEnabled() const
{
    return value(ViewersEnabled, false).toBool();
}

void ProgramSettings::setViewersEnabled(bool on)
{
    setValue(ViewersEnabled, on);
}

quint16 ProgramSettings::viewerPort() const
{
    QSettings settings(m_path, QSettings::IniFormat);
    bool number = false;
    const uint port = settings.value(ViewerPort, DefaultViewerPort).toUInt(&number);
    // A port that cannot be listened on without rights, or none at all, is the default one; it is written down, so
    // the file says which port the phones use.
    if (!number || port < 1024 || port > 65535) {
        settings.setValue(ViewerPort, DefaultViewerPort);
        return DefaultViewerPort;
    }
    if (!settings.contains(ViewerPort))
        settings.setValue(ViewerPort, port);
    return quint16(port);
}

QString ProgramSettings::viewerAddress() const
{
    return value(ViewerAddress).toString();
}

void ProgramSettings::setViewerAddress(const QString &address)
{
    setValue(ViewerAddress, address);
}

QString ProgramSettings::reportFolder() const
{
    return value(ReportFolder).toString();
}

void ProgramSettings::setReportFolder(const QString &folder)
{
    setValue(ReportFolder, folder);
}

QVariant ProgramSettings::value(const QString &key, const QVariant &fallback) const
{
    return QSettings(m_path, QSettings::IniFormat).value(key, fallback);
}

void ProgramSettings::setValue(const QString &key, const QVariant &value)
{
    QSettings(m_path, QSettings::IniFormat).setValue(key, value);
}

} // namespace Dovrel
