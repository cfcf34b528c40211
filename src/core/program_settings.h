#pragma once

#include "core/countdown.h"

#include <QString>
#include <QVariant>

namespace Dovrel {

// The program's own settings, config/Dovrel.ini in Qt's INI format (UTF-8): only what the six settings files have no
// place for, so those keep their bytes. Each value is read from the file when asked for and written at once.
class ProgramSettings final
{
public:
    explicit ProgramSettings(QString filePath);

    // [hall] scaleText: whether the hall screens' text grows with the display they fill; off, every font keeps its
    // design size.
    bool hallTextScaled() const;
    void setHallTextScaled(bool on);

    // [overtime] countUp and bellSeconds: what the clocks do past their end; off, they stop as they always have.
    OvertimeRule overtimeRule() const;
    void setOvertimeRule(const OvertimeRule &rule);

    // [viewers] enabled, port and address: whether the phones' viewer server runs, on which port (the same on
    // every run, so a QR code printed before stays good; 8787 by default) and the address the timekeeper chose for it.
    bool viewersEnabled() const;
    void setViewersEnabled(bool on);
    quint16 viewerPort() const;
    QString viewerAddress() const;
    void setViewerAddress(const QString &address);

    // [report] folder: where the last contest report was saved; empty before the first.
    QString reportFolder() const;
    void setReportFolder(const QString &folder);

private:
    QVariant value(const QString &key, const QVariant &fallback = {}) const;
    void setValue(const QString &key, const QVariant &value);

    QString m_path;
};

} // namespace Dovrel
