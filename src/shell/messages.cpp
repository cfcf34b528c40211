#include "shell/messages.h"

#include "core/program_identity.h"
#include "platform/platform.h"
#include "shell/application.h"

namespace Dovrel {

void inform(Screen *from, const QString &text)
{
    MessageRequest request;
    request.text = text;
    request.title = applicationTitle();
    from->app().platform().showMessage(from, request);
}

void notify(Screen *from, const QString &text)
{
    MessageRequest request;
    request.text = text;
    request.title = applicationTitle();
    request.display = from->app().timekeeperDisplay();
    from->app().platform().showNotice(from, request);
}

void warn(Screen *from, const QString &text)
{
    MessageRequest request;
    request.text = text;
    request.title = applicationTitle();
    request.icon = MessageIcon::Warning;
    from->app().platform().showMessage(from, request);
}

bool confirm(Screen *from, const QString &text)
{
    MessageRequest request;
    request.text = text;
    request.title = QStringLiteral("提示");
    request.buttons = MessageButtons::OkCancel;
    request.icon = MessageIcon::Question;
    return from->app().platform().showMessage(from, request) == MessageAnswer::Ok;
}

} // namespace Dovrel
