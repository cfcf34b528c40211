#include "core/alert_sounds.h"

namespace Dovrel {

QString alertFileName(int index)
{
    static const QString names[AlertChoices] = {QStringLiteral("默认声音.wav"), QStringLiteral("声音一.wav"),
                                                QStringLiteral("声音二.wav"), QStringLiteral("声音三.wav")};
    return index >= 0 && index < AlertChoices ? names[index] : QString();
}

QString alertFolder(Alert alert)
{
    return alert == Alert::Warning ? QStringLiteral("sound\\30Warn\\") : QStringLiteral("sound\\TimeOut\\");
}

QString alertSoundPath(Alert alert, int index)
{
    const QString file = alertFileName(index);
    return file.isEmpty() ? QString() : alertFolder(alert) + file;
}

} // namespace Dovrel
