#include "clocks/alerts.h"

#include "platform/platform.h"
#include "shell/application.h"
#include "shell/messages.h"

namespace Dovrel {

QString alertFileName(int index)
{
    static const QString names[AlertChoices] = {QStringLiteral("默认声音.wav"), QStringLiteral("声音一.wav"),
                                                QStringLiteral("声音二.wav"), QStringLiteral("声音三.wav")};
    return index >= 0 && index < AlertChoices ? names[index] : QString();
}

QString warningFolder()
{
    return QStringLiteral("sound\\30Warn\\");
}

QString timeUpFolder()
{
    return QStringLiteral("sound\\TimeOut\\");
}

void playAlertFile(Screen *from, const QString &relativePath)
{
    Platform &platform = from->app().platform();
    if (platform.soundDeviceCount() < 1) {
        inform(from, QStringLiteral("检测声音设备出错"));
        return;
    }
    platform.playSound(from->app().paths().dataPath(relativePath));
}

} // namespace Dovrel
