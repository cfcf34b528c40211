#include "displays/rules_screen.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/menus.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>

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

    Timer1 = makeCaptionTimer(QStringLiteral("Timer1"));

    createMenu();
}

void RulesScreen::createMenu()
{
    menu = new QMenu(QStringLiteral("菜单(&M)"), this);
    menu->setObjectName(QStringLiteral("menu"));
    font = addEntry(menu, QStringLiteral("font"), QStringLiteral("文字字体"));
    font->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    color = addEntry(menu, QStringLiteral("color"), QStringLiteral("文字颜色"));
    color->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    bc = addEntry(menu, QStringLiteral("bc"), QStringLiteral("文字底色"));
    bc->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    // No menu bar takes room from the hall's view: the entries are the window's shortcuts, and the same menu is
    // the text box's context menu in place of the standard edit menu, so a newcomer still finds them.
    addActions(menu->actions());
    Text1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { menu->popup(Text1->viewport()->mapToGlobal(pos)); });

    connect(font, &QAction::triggered, this, &RulesScreen::chooseTextFont);
    connect(color, &QAction::triggered, this, &RulesScreen::chooseTextColour);
    connect(bc, &QAction::triggered, this, &RulesScreen::chooseTextBackColour);
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

void RulesScreen::chooseTextFont()
{
    m_styling.chooseFont(Text1);
}

void RulesScreen::chooseTextColour()
{
    m_styling.chooseTextColour(Text1);
}

void RulesScreen::chooseTextBackColour()
{
    m_styling.chooseBackColour(Text1);
}

} // namespace Dovrel
