#include "displays/title_screen.h"

#include "core/layout_tag.h"
#include "core/scrolling_note.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/menus.h"
#include "shell/settings_save.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <functional>

namespace Dovrel {

namespace {
constexpr int NoteLeft = 5280;
}

TitleScreen::TitleScreen(Application &app) : Screen(app), m_styling(*this), m_noteLeft(NoteLeft)
{
    setUpFullSize(Colours::Menu, designFont(QStringLiteral("宋体"), 9), Shown::HallScreen);

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

    m_designControls.append(Label3);
    // The styling buttons: each styles a zone or the background and keeps it for NameSet.ini.
    const struct
    {
        const char *name;
        int left;
        int width;
        const char16_t *caption;
        std::function<void()> style;
    } stylingButtons[] = {
        {"Command1", 1200, 1335, u"一区文字字体", [this] { m_styling.styleFont(Label1, m_style.zoneOne); }},
        {"Command2", 2640, 1335, u"一区文字颜色", [this] { m_styling.styleTextColour(Label1, m_style.zoneOne); }},
        {"Command3", 4680, 1215, u"二区文字字体", [this] { m_styling.styleFont(Label2, m_style.zoneTwo); }},
        {"Command4", 6000, 1215, u"二区文字颜色", [this] { m_styling.styleTextColour(Label2, m_style.zoneTwo); }},
        {"Command5", 8880, 1335, u"背景颜色", [this] { m_styling.styleBackColour(this, m_style.background); }},
    };
    for (const auto &button : stylingButtons) {
        QPushButton *styling = makeButton(this, QLatin1String(button.name), button.left, 7920, button.width,
                                          QString::fromUtf16(button.caption), ButtonFace::Screen);
        connect(styling, &QPushButton::clicked, this, button.style);
        m_designControls.append(styling);
    }

    connect(makeTimer(this, QStringLiteral("Timer1"), 20, true), &QTimer::timeout, this, &TitleScreen::scrollNote);
    makeCaptionTimer(QStringLiteral("Timer2"));

    menu = new QMenu(QStringLiteral("菜单"), this);
    menu->setObjectName(QStringLiteral("menu"));
    addPictureMenu(menu, m_styling, this, QStringLiteral("s"));
    connect(addEntry(menu, QStringLiteral("w"), QStringLiteral("无背景桌面")), &QAction::triggered, this,
            [this] { m_styling.noBackground(this); });
}

void TitleScreen::load()
{
    recordDesign();
    const ContestDetails details = app().contest().details();
    Label1->setText(details[ContestDetail::ContestName]);
    Label2->setText(details[ContestDetail::Organiser]);
    m_style = readTitleStyle(app().paths());
    applyStoredStyle(Label1, m_style.zoneOne);
    applyStoredStyle(Label2, m_style.zoneTwo);
    applyStoredBackground(this, m_style.background);
}

void TitleScreen::presentForHall()
{
    for (QWidget *designOnly : std::as_const(m_designControls))
        designOnly->hide();
}

void TitleScreen::presentForDesign()
{
    for (QWidget *designOnly : std::as_const(m_designControls))
        designOnly->show();
}

const TitleStyle &TitleScreen::titleStyle() const
{
    return m_style;
}

void TitleScreen::closing()
{
    returnToMenuAfterSave(this, SettingsFiles::NameSet, writeTitleStyle(app().paths(), m_style));
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

} // namespace Dovrel
