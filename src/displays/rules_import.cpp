#include "displays/rules_import.h"

#include "core/rules_text.h"
#include "displays/rules_screen.h"
#include "platform/platform.h"
#include "shell/application.h"
#include "shell/life_cycle.h"
#include "shell/messages.h"

namespace Dovrel {

RulesImport::RulesImport(Screen &menu) : m_menu(menu) {}

QString RulesImport::lastFileName() const
{
    return m_lastFileName;
}

void RulesImport::run()
{
    Platform &platform = m_menu.app().platform();
    MessageRequest ask;
    ask.text = QStringLiteral("请导入TXT文件！");
    ask.title = QStringLiteral("提示");
    ask.buttons = MessageButtons::OkCancel;
    ask.icon = MessageIcon::Information;
    if (platform.showMessage(&m_menu, ask) != MessageAnswer::Ok)
        return;

    FileDialogRequest request;
    request.filter = QStringLiteral("全部文件(*.*)|*.*|文本文件(*.TXT)|*.TXT|");
    request.filterIndex = 2;
    request.initialFile = m_lastFileName;
    const std::optional<QString> chosen = platform.openFileName(&m_menu, request);
    // A cancelled dialog means the timekeeper changed their mind: the menu stays in front and nothing opens.
    if (!chosen || chosen->isEmpty())
        return;
    m_lastFileName = *chosen;

    // A file that cannot be read, or is no rules text, keeps the menu in front with a message naming it, rather
    // than showing the hall an empty screen.
    const RulesText rules = readRulesFile(*chosen);
    if (rules.refusal != RulesRefusal::None) {
        refuse(rulesRefusalMessage(*chosen, rules.refusal));
        return;
    }

    RulesScreen *screen = m_menu.app().screens().screen<RulesScreen>();
    screen->setRules(rules.text);
    showInFront(screen);
    m_menu.hide();
}

void RulesImport::refuse(const QString &message)
{
    warn(&m_menu, message);
}

} // namespace Dovrel
