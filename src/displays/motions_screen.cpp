#include "displays/motions_screen.h"

#include "displays/styling.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/menus.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

namespace Dovrel {

MotionsScreen::MotionsScreen(Application &app)
    : InfoScreen(app, motionsCopies()), m_styling(std::make_unique<StylingCommands>(*this, jpegPictureFilter()))
{
    const QString kai = QStringLiteral("楷体_GB2312");
    const QString song = QStringLiteral("宋体");

    Label1 = makeSizedLabel(QStringLiteral("Label1"), 4560, 600, 2955, 720, QStringLiteral("双方辩题"),
                            designFont(kai, 36, true), Colours::DeepBlue, Qt::AlignHCenter);
    Label2 = makeSizedLabel(QStringLiteral("Label2"), 840, 2160, 2220, 525, QStringLiteral("正方辩题"),
                            designFont(kai, 26.25, true), Colours::Blue);
    Label3 = makeBoxLabel(QStringLiteral("Label3"), 3120, 2160, 8535, 2175, designFont(song, 26.25, true));
    Label4 = makeSizedLabel(QStringLiteral("Label4"), 840, 4920, 2220, 525, QStringLiteral("反方辩题"),
                            designFont(kai, 26.25, true), Colours::Blue);
    Label5 = makeBoxLabel(QStringLiteral("Label5"), 3120, 4920, 8535, 2175, designFont(song, 26.25, true));

    createMenu();
}

MotionsScreen::~MotionsScreen() = default;

void MotionsScreen::createMenu()
{
    // The background entries work here as on the other display screens, so a motion can be put over the
    // contest's own artwork; the picture lasts while the screen is open.
    menu = new QMenu(QStringLiteral("菜单"), this);
    menu->setObjectName(QStringLiteral("menu"));
    const PictureMenu pictures = addPictureMenu(menu, *m_styling, this, QStringLiteral("s"));
    bj = pictures.menu;
    bj1 = pictures.stock[0];
    bj2 = pictures.stock[1];
    bj3 = pictures.stock[2];
    bj4 = pictures.stock[3];
    bj5 = pictures.stock[4];
    s = pictures.separator;
    zdy = pictures.custom;
}

void MotionsScreen::mousePressEvent(QMouseEvent *event)
{
    if (!popUpOnSurface(this, menu, event))
        InfoScreen::mousePressEvent(event);
}

} // namespace Dovrel
