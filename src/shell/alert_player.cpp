#include "shell/alert_player.h"

#include "platform/platform.h"
#include "shell/application.h"
#include "shell/messages.h"

namespace Dovrel {

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
