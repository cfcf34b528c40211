#include "displays/teams_screen.h"

#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>

namespace Dovrel {

TeamsScreen::TeamsScreen(Application &app) : InfoScreen(app, teamsCopies())
{
    const QString kai = QStringLiteral("楷体_GB2312");
    const QString song = QStringLiteral("宋体");

    Label1 = makeSizedLabel(QStringLiteral("Label1"), 3120, 720, 5880, 720, QStringLiteral("代表队及所持立场"),
                            designFont(QStringLiteral("隶书"), 36, true), Colours::Blue, Qt::AlignHCenter);
    Label2 = makeSizedLabel(QStringLiteral("Label2"), 720, 2280, 2475, 495, QStringLiteral("正方代表队"),
                            designFont(kai, 24, true), Colours::Blue);
    Label4 = makeBoxLabel(QStringLiteral("Label4"), 3240, 2160, 7815, 2295, designFont(song, 36, true));
    Label3 = makeSizedLabel(QStringLiteral("Label3"), 720, 5520, 2475, 495, QStringLiteral("反方代表队"),
                            designFont(kai, 24, true), Colours::Blue);
    Label5 = makeBoxLabel(QStringLiteral("Label5"), 3240, 5400, 7815, 2295, designFont(song, 36, true));
}

} // namespace Dovrel
