#include "shell/alert_player.h"

#include "shell/application.h"
#include "shell/messages.h"

namespace Dovrel {

namespace {

// The message of a sound that cannot be played for want of a working device.
QString soundDeviceFaultText()
{
    return QStringLiteral("检测声音设备出错");
}

} // namespace

SoundStart playAlertFile(Screen *from, const QString &relativePath)
{
    Platform &platform = from->app().platform();
    if (platform.soundDeviceCount() < 1) {
        notify(from, soundDeviceFaultText());
        return SoundStart::Failed;
    }
    const SoundStart start = platform.playSound(from->app().paths().dataPath(relativePath));
    if (start == SoundStart::Failed)
        notify(from, soundDeviceFaultText());
    return start;
}

} // namespace Dovrel
