#include "displays/teams_screen.h"

#include "shell/colours.h"
#include "shell/controls.h"

namespace Dovrel {

TeamsScreen::TeamsScreen(Application &app) : InfoScreen(app)
{
    const QString kai = QStringLiteral("楷体_GB2312");
    const QFont teamFont = designFont(QStringLiteral("宋体"), 36, true);

    makeSizedLabel(QStringLiteral("Label1"), 3120, 720, 5880, 720, QStringLiteral("代表队及所持立场"),
                   designFont(QStringLiteral("隶书"), 36, true), Colours::Blue, Qt::AlignHCenter);
    makeSizedLabel(QStringLiteral("Label2"), 720, 2280, 2475, 495, QStringLiteral("正方代表队"),
                   designFont(kai, 24, true), Colours::Blue);
    makeBoxCopy({.name = "Label4",
                 .left = 3240,
                 .top = 2160,
                 .width = 7815,
                 .height = 2295,
                 .detail = ContestDetail::AffirmativeTeam},
                teamFont);
    makeSizedLabel(QStringLiteral("Label3"), 720, 5520, 2475, 495, QStringLiteral("反方代表队"),
                   designFont(kai, 24, true), Colours::Blue);
    makeBoxCopy({.name = "Label5",
                 .left = 3240,
                 .top = 5400,
                 .width = 7815,
                 .height = 2295,
                 .detail = ContestDetail::NegativeTeam},
                teamFont);
}

} // namespace Dovrel
