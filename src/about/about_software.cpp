#include "about/about_software.h"

#include "about/about_author.h"
#include "core/program_identity.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/small_window.h"

#include <QLabel>

namespace Dovrel {

namespace {

constexpr int Width = 7560;
constexpr int LineLeft = 240;
constexpr int LineWidth = Width - 2 * LineLeft;
constexpr int LineHeight = 285;

// One line of text that never wraps: each paragraph is set line by line.
QLabel *makeLine(QWidget *parent, int number, int top, const QString &text)
{
    QLabel *line = makeLabel(parent, QStringLiteral("Label%1").arg(number), LineLeft, top, LineWidth, LineHeight, text);
    line->setWordWrap(false);
    return line;
}

} // namespace

AboutSoftware::AboutSoftware(Application &app) : Screen(app)
{
    setDesignClientSize(Width, 3765);
    // The longest line of the text just fits at 10 points.
    setFont(designFont(QStringLiteral("宋体"), 10));
    fixSmallWindow(this);
    setShown(Shown::Centred);

    makeSmallWindowHeading(this, QStringLiteral("关于该软件"), Width);
    makeLine(this, 2, 840, QStringLiteral("软件版本：") + programVersion());
    makeLine(this, 3, 1140, QStringLiteral("运行时内存占用率非常低，兼容性好。"));
    makeLine(this, 4, 1500, QStringLiteral("该版本增添了如“比赛结果”、“比赛报表”等实用功能，自定义比赛环"));
    makeLine(this, 5, 1800, QStringLiteral("节、各环节限制时间，有四组提示音可供选择，自定义设置可以保存，以方便"));
    makeLine(this, 6, 2100, QStringLiteral("下次使用。"));
    makeLine(this, 7, 2460, QStringLiteral("由于本人水平有限，本软件中错误在所难免，还望指正。如果您有好的建"));
    makeLine(this, 8, 2760, QStringLiteral("议或者意见，还望与本人联系。本人将不胜感激！"));
    // Signed by the project, dated with this version's release.
    makeLine(this, 9, 3240, QStringLiteral("Dovrel 开发组　2026年12月"))->setAlignment(Qt::AlignRight | Qt::AlignTop);

    makeCaptionTimer(QStringLiteral("Timer1"));
}

void AboutSoftware::load()
{
    setWindowTitle(applicationTitle());
}

void AboutSoftware::closing()
{
    // The main menu stayed visible behind this window: closing only unloads it.
    app().screens().unload(this);
}

} // namespace Dovrel
