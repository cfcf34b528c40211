#include "displays/audience_screen.h"

#include "core/elapsed_time.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/menus.h"
#include "shell/settings_save.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace Dovrel {

AudienceScreen::AudienceScreen(Application &app) : Screen(app), m_styling(*this)
{
    // Shown to the whole hall like the other display screens, so it fills the screen.
    setUpFullSize(Colours::Display, designFont(QStringLiteral("宋体"), 9), Shown::HallScreen);
    setTextColour(this, Colours::Purple);

    Label1 = makeLabel(this, QStringLiteral("Label1"), 2640, 1320, 6615, 1695, QStringLiteral("观众提问"));
    Label1->setFont(designFont(QStringLiteral("华文行楷"), 72, true));
    // The box is centred on the screen; centring the text in it keeps the heading in the middle whatever font
    // the timekeeper chooses.
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label1, Colours::Red);

    Label2 = makeLabel(this, QStringLiteral("Label2"), 9600, 120, 2175, 375);
    Label2->setFont(designFont(QStringLiteral("宋体"), 21.75, true));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(false);
    // Black reads best on the orange box; the screen's purple is for nothing but the heading's design.
    setTextColour(Label2, Colours::Black);
    setBackColour(Label2, Colours::TimeBox);

    makeCaptionTimer(QStringLiteral("Timer1"));
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 1000, false);

    createMenu();

    connect(Timer2, &QTimer::timeout, this, &AudienceScreen::countSecond);
}

void AudienceScreen::createMenu()
{
    menu = new QMenu(QStringLiteral("菜单"), this);
    menu->setObjectName(QStringLiteral("menu"));
    QMenu *font = addSubmenu(menu, QStringLiteral("s"), QStringLiteral("字体设置"));
    connect(addEntry(font, QStringLiteral("zt"), QStringLiteral("字体")), &QAction::triggered, this,
            [this] { m_styling.styleFont(Label1, m_style.text); });
    connect(addEntry(font, QStringLiteral("ztys"), QStringLiteral("字体颜色")), &QAction::triggered, this,
            [this] { m_styling.styleTextColour(Label1, m_style.text); });
    addPictureMenu(menu, m_styling, this, QStringLiteral("j"));
    addSeparator(menu, QStringLiteral("a"));
    connect(addEntry(menu, QStringLiteral("bjys"), QStringLiteral("背景颜色")), &QAction::triggered, this,
            [this] { m_styling.styleBackColour(this, m_style.background); });
    connect(addEntry(menu, QStringLiteral("wbj"), QStringLiteral("无背景桌面")), &QAction::triggered, this,
            [this] { m_styling.noBackground(this); });
}

AudienceScreen::Variables &AudienceScreen::variables() const
{
    return app().screens().variables<AudienceScreen>();
}

void AudienceScreen::load()
{
    // The elapsed time runs from the very start of the load.
    Timer2->start();
    recordDesign();
    m_style = readAudienceStyle(app().paths());
    applyStoredStyle(Label1, m_style.text);
    applyStoredBackground(this, m_style.background);
}

const AudienceStyle &AudienceScreen::audienceStyle() const
{
    return m_style;
}

void AudienceScreen::setHeading(const QString &heading)
{
    Label1->setText(heading);
}

int AudienceScreen::elapsedSeconds() const
{
    return variables().elapsedSeconds;
}

void AudienceScreen::countSecond()
{
    Variables &counted = variables();
    counted.elapsedSeconds = nextElapsedSeconds(counted.elapsedSeconds);
    Label2->setText(formatElapsed(counted.elapsedSeconds));
}

void AudienceScreen::closing()
{
    returnToMenuAfterSave(this, SettingsFiles::ViwerSet, writeAudienceStyle(app().paths(), m_style));
}

void AudienceScreen::mousePressEvent(QMouseEvent *event)
{
    popUpOnSurface(this, menu, event);
}

} // namespace Dovrel
