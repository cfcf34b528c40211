#include "displays/rules_screen.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/menus.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>

namespace Dovrel {

RulesScreen::RulesScreen(Application &app) : Screen(app), m_styling(*this)
{
    setUpFullSize(Colours::Clock, designFont(QStringLiteral("宋体"), 9), Shown::HallScreen);

    Text1 = makeControl<QPlainTextEdit>(this, QStringLiteral("Text1"), 120, 120, 11655, 8295);
    Text1->setFont(designFont(QStringLiteral("宋体"), 30));
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackColour(Text1, Colours::RulesText);
    setTextColour(Text1, Colours::Navy);
    Text1->installEventFilter(this);
    Text1->setFocus();

    makeCaptionTimer(QStringLiteral("Timer1"));

    createMenu();
}

void RulesScreen::createMenu()
{
    menu = new QMenu(QStringLiteral("菜单(&M)"), this);
    menu->setObjectName(QStringLiteral("menu"));
    const struct
    {
        const char *name;
        const char16_t *caption;
        Qt::Key key;
        bool (StylingCommands::*style)(QWidget *);
    } entries[] = {
        {"font", u"文字字体", Qt::Key_F, &StylingCommands::chooseFont},
        {"color", u"文字颜色", Qt::Key_C, &StylingCommands::chooseTextColour},
        {"bc", u"文字底色", Qt::Key_B, &StylingCommands::chooseBackColour},
    };
    for (const auto &entry : entries) {
        QAction *action = addEntry(menu, QLatin1String(entry.name), QString::fromUtf16(entry.caption));
        action->setShortcut(QKeySequence(Qt::CTRL | entry.key));
        connect(action, &QAction::triggered, this, [this, style = entry.style] { (m_styling.*style)(Text1); });
    }
    // No menu bar takes room from the hall's view: the entries are the window's shortcuts, and the same menu is
    // the text box's context menu in place of the standard edit menu, so a newcomer still finds them.
    addActions(menu->actions());
    Text1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { menu->popup(Text1->viewport()->mapToGlobal(pos)); });
}

void RulesScreen::load()
{
    recordDesign();
}

void RulesScreen::setRules(const QString &text)
{
    Text1->setPlainText(text);
}

bool RulesScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The text box claims Ctrl+C (copy) and its other editing keys before any shortcut sees them; leaving the
    // menu's keys unclaimed lets the menu take them first.
    if (watched == Text1 && event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *entry : menu->actions()) {
            if (entry->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return Screen::eventFilter(watched, event);
}

} // namespace Dovrel
