#include "displays/title_screen.h"

#include "core/layout_tag.h"
#include "core/scrolling_note.h"
#include "settings/contest_details_page.h"
#include "settings/settings_save.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/menus.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace Dovrel {

namespace {
constexpr int NoteLeft = 5280;
}

TitleScreen::TitleScreen(Application &app) : Screen(app), m_styling(*this), m_noteLeft(NoteLeft)
{
    setUpFullSize(Colours::Menu, designFont(QStringLiteral("宋体"), 9), Shown::Maximised);

    // The zones' font until NameSet.ini gives one: a plain 宋体, large enough to be read from the back of a hall.
    Label1 = makeLabel(this, QStringLiteral("Label1"), 120, 1440, 11625, 4620);
    Label1->setFont(designFont(QStringLiteral("宋体"), 36));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label1, Colours::Black);

    Label2 = makeLabel(this, QStringLiteral("Label2"), 960, 6960, 10455, 975);
    Label2->setFont(designFont(QStringLiteral("宋体"), 24));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setTextColour(Label2, Colours::Black);

    Label3 = makeLabel(this, QStringLiteral("Label3"), NoteLeft, 360, 5100, 285,
                       QStringLiteral("设计阶段，请确保前期设置已经无误！"));
    Label3->setFont(designFont(QStringLiteral("楷体_GB2312"), 14.25));
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label3, Colours::Black);
    setSizedToText(Label3);

    const auto stylingButton = [this](const QString &name, int left, int width, const QString &caption) {
        return makeButton(this, name, left, 7920, width, caption, ButtonFace::Screen);
    };
    Command1 = stylingButton(QStringLiteral("Command1"), 1200, 1335, QStringLiteral("一区文字字体"));
    Command2 = stylingButton(QStringLiteral("Command2"), 2640, 1335, QStringLiteral("一区文字颜色"));
    Command3 = stylingButton(QStringLiteral("Command3"), 4680, 1215, QStringLiteral("二区文字字体"));
    Command4 = stylingButton(QStringLiteral("Command4"), 6000, 1215, QStringLiteral("二区文字颜色"));
    Command5 = stylingButton(QStringLiteral("Command5"), 8880, 1335, QStringLiteral("背景颜色"));

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 20, true);
    Timer2 = makeCaptionTimer(QStringLiteral("Timer2"));

    createMenu();

    connect(Timer1, &QTimer::timeout, this, &TitleScreen::scrollNote);
    connect(Command1, &QPushButton::clicked, this, &TitleScreen::chooseZoneOneFont);
    connect(Command2, &QPushButton::clicked, this, &TitleScreen::chooseZoneOneColour);
    connect(Command3, &QPushButton::clicked, this, &TitleScreen::chooseZoneTwoFont);
    connect(Command4, &QPushButton::clicked, this, &TitleScreen::chooseZoneTwoColour);
    connect(Command5, &QPushButton::clicked, this, &TitleScreen::chooseBackgroundColour);
}

void TitleScreen::createMenu()
{
    menu = new QMenu(QStringLiteral("菜单"), this);
    menu->setObjectName(QStringLiteral("menu"));
    const PictureMenu pictures = addPictureMenu(menu, m_styling, this, QStringLiteral("s"));
    bj = pictures.menu;
    bj1 = pictures.stock[0];
    bj2 = pictures.stock[1];
    bj3 = pictures.stock[2];
    bj4 = pictures.stock[3];
    bj5 = pictures.stock[4];
    s = pictures.separator;
    zdy = pictures.custom;
    w = addEntry(menu, QStringLiteral("w"), QStringLiteral("无背景桌面"));

    connect(w, &QAction::triggered, this, [this] { m_styling.noBackground(this); });
}

void TitleScreen::load()
{
    recordDesign();
    ContestDetailsPage *details = app().screens().screen<ContestDetailsPage>();
    Label1->setText(details->detail(ContestDetail::ContestName));
    Label2->setText(details->detail(ContestDetail::Organiser));
    m_style = readTitleStyle(app().paths());
    applyStoredStyle(Label1, m_style.zoneOne);
    applyStoredStyle(Label2, m_style.zoneTwo);
    applyStoredBackground(this, m_style.background);
}

void TitleScreen::presentForHall()
{
    for (QWidget *designOnly : designControls())
        designOnly->hide();
}

void TitleScreen::presentForDesign()
{
    for (QWidget *designOnly : designControls())
        designOnly->show();
}

QList<QWidget *> TitleScreen::designControls() const
{
    return {Label3, Command1, Command2, Command3, Command4, Command5};
}

const TitleStyle &TitleScreen::titleStyle() const
{
    return m_style;
}

void TitleScreen::closing()
{
    returnToMenuAfterSave(this, SettingsFiles::nameSet(), writeTitleStyle(app().paths(), m_style));
}

void TitleScreen::resized()
{
    // The layout has just put the reminder back at its scaled design place; it scrolls on from there.
    m_noteLeft = static_cast<int>(std::lround(pixelsToTwips(Label3->x())));
}

void TitleScreen::mousePressEvent(QMouseEvent *event)
{
    popUpOnSurface(this, menu, event);
}

void TitleScreen::scrollNote()
{
    m_noteLeft = nextNoteLeft(m_noteLeft, static_cast<int>(pixelsToTwips(Label3->width())),
                              static_cast<int>(pixelsToTwips(frameGeometry().width())));
    Label3->move(twipsToPixels(m_noteLeft), Label3->y());
}

void TitleScreen::chooseZoneOneFont()
{
    if (m_styling.chooseFont(Label1))
        storeFont(m_style.zoneOne, Label1);
}

void TitleScreen::chooseZoneOneColour()
{
    if (m_styling.chooseTextColour(Label1))
        storeTextColour(m_style.zoneOne, Label1);
}

void TitleScreen::chooseZoneTwoFont()
{
    if (m_styling.chooseFont(Label2))
        storeFont(m_style.zoneTwo, Label2);
}

void TitleScreen::chooseZoneTwoColour()
{
    if (m_styling.chooseTextColour(Label2))
        storeTextColour(m_style.zoneTwo, Label2);
}

void TitleScreen::chooseBackgroundColour()
{
    if (m_styling.chooseBackColour(this))
        m_style.background = static_cast<qint32>(colourValue(backColour(this)));
}

} // namespace Dovrel
