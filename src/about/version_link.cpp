#include "about/version_link.h"

#include "core/web_addresses.h"
#include "platform/platform.h"
#include "shell/application.h"
#include "shell/messages.h"
#include "shell/screen.h"

namespace Dovrel {

void openNewVersionPage(Screen *from)
{
    const QString address = newVersionAddress();
    // Without a browser the timekeeper gets the address, to type it in on another machine.
    if (!from->app().platform().openUrl(address))
        inform(from, QStringLiteral("无法打开浏览器。请在其他电脑上访问以下网址查看新版本：\n") + address);
}

} // namespace Dovrel
