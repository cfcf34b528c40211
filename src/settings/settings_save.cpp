#include "settings/settings_save.h"

#include "core/caption_cycle.h"
#include "core/line_file.h"
#include "platform/platform.h"
#include "shell/application.h"
#include "shell/life_cycle.h"
#include "shell/messages.h"

#include <QLineEdit>

namespace Dovrel {

void fillBoxes(std::span<QLineEdit *const> boxes, const QStringList &values)
{
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(values.value(qsizetype(i)));
}

QStringList boxTexts(std::span<QLineEdit *const> boxes)
{
    QStringList texts;
    for (const QLineEdit *box : boxes)
        texts.append(box->text());
    return texts;
}

bool saveSettingsFile(Screen *page, const QString &fileName, const QStringList &lines)
{
    return reportSettingsSave(page, fileName, writeLineFile(page->app().paths().configFile(fileName), lines));
}

bool reportSettingsSave(Screen *page, const QString &fileName, const SaveResult &result)
{
    if (result.ok)
        return true;
    MessageRequest request;
    request.text = QStringLiteral("无法保存设置文件 config\\") + fileName +
                   QStringLiteral("，设置未保存。\n请检查程序目录下的 config 文件夹是否存在、文件是否只读。");
    request.title = applicationTitle();
    request.icon = MessageIcon::Warning;
    page->app().platform().showMessage(page, request);
    return false;
}

void returnToMenuAfterSave(Screen *screen, const QString &fileName, const SaveResult &saved)
{
    Application &program = screen->app();
    ReturnToMenu(screen);
    if (!saved.ok && !program.exiting()) {
        Screen *menu = program.mainMenu();
        reportSettingsSave(menu ? menu : screen, fileName, saved);
    }
}

bool saveSettingsPage(Screen *page, const QString &fileName, const QStringList &lines)
{
    if (!saveSettingsFile(page, fileName, lines))
        return false;
    inform(page, QStringLiteral("数据保存成功！"));
    repaintMenu(page);
    return true;
}

void repaintMenu(Screen *page)
{
    if (Screen *menu = page->app().screens().loaded(QStringLiteral("Form4")))
        menu->update();
}

} // namespace Dovrel
