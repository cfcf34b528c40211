#include "shell/settings_save.h"

#include "core/app_paths.h"
#include "core/line_file.h"
#include "shell/application.h"
#include "shell/life_cycle.h"
#include "shell/messages.h"

namespace Dovrel {

bool reportSettingsSave(Screen *page, const QString &fileName, const SaveResult &result)
{
    if (result.ok)
        return true;
    warn(page, QStringLiteral("无法保存设置文件 ") + systemSeparators(QStringLiteral("config\\") + fileName) +
                   QStringLiteral("，设置未保存。\n请检查程序目录下的 config 文件夹是否存在、文件是否只读。"));
    return false;
}

void returnToMenuAfterSave(Screen *screen, const QString &fileName, const SaveResult &saved)
{
    Application &program = screen->app();
    returnToMenu(screen);
    if (!saved.ok && !program.exiting()) {
        Screen *menu = program.mainMenu();
        reportSettingsSave(menu ? menu : screen, fileName, saved);
    }
}

void repaintMenu(Screen *page)
{
    if (Screen *menu = page->app().loadedMainMenu())
        menu->update();
}

} // namespace Dovrel
