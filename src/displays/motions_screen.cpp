#include "displays/motions_screen.h"

#include "displays/styling.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/menus.h"

#include <QMenu>
#include <QMouseEvent>

namespace Dovrel {

MotionsScreen::MotionsScreen(Application &app)
    : InfoScreen(app), m_styling(std::make_unique<StylingCommands>(*this, jpegPictureFilter()))
{
    const QString kai = QStringLiteral("楷体_GB2312");
    const QFont motionFont = designFont(QStringLiteral("宋体"), 26.25, true);

    makeSizedLabel(QStringLiteral("Label1"), 4560, 600, 2955, 720, QStringLiteral("双方辩题"),
                   designFont(kai, 36, true), Colours::DeepBlue, Qt::AlignHCenter);
    makeSizedLabel(QStringLiteral("Label2"), 840, 2160, 2220, 525, QStringLiteral("正方辩题"),
                   designFont(kai, 26.25, true), Colours::Blue);
    makeBoxCopy({.name = "Label3",
                 .left = 3120,
                 .top = 2160,
                 .width = 8535,
                 .height = 2175,
                 .detail = ContestDetail::AffirmativeMotion},
                motionFont);
    makeSizedLabel(QStringLiteral("Label4"), 840, 4920, 2220, 525, QStringLiteral("反方辩题"),
                   designFont(kai, 26.25, true), Colours::Blue);
    makeBoxCopy({.name = "Label5",
                 .left = 3120,
                 .top = 4920,
                 .width = 8535,
                 .height = 2175,
                 .detail = ContestDetail::NegativeMotion},
                motionFont);

    // The background entries work here as on the other display screens, so a motion can be put over the
    // contest's own artwork; the picture lasts while the screen is open.
    menu = new QMenu(QStringLiteral("菜单"), this);
    menu->setObjectName(QStringLiteral("menu"));
    addPictureMenu(menu, *m_styling, this, QStringLiteral("s"));
}

MotionsScreen::~MotionsScreen() = default;

void MotionsScreen::mousePressEvent(QMouseEvent *event)
{
    if (!popUpOnSurface(this, menu, event))
        InfoScreen::mousePressEvent(event);
}

} // namespace Dovrel
