#include "about/about_author.h"

#include "core/program_identity.h"
#include "core/web_addresses.h"
#include "platform/platform.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/small_window.h"

#include <QLabel>
#include <QMouseEvent>

namespace Dovrel {

namespace {

constexpr int LineLeft = 600;
constexpr int FirstLineTop = 960;
constexpr int LineStep = 360;

} // namespace

AboutAuthor::AboutAuthor(Application &app) : Screen(app)
{
    setDesignClientSize(5880, 3510);
    setFont(designFont(QStringLiteral("宋体"), 10.5));
    fixSmallWindow(this);
    setShown(Shown::Centred);
    setMouseTracking(true);

    makeSmallWindowHeading(this, QStringLiteral("作者信息"), 5880);

    // The program is made by its project, not by one person: the lines name the project and its page.
    const QString lines[] = {
        QStringLiteral("姓    名：Dovrel 开发组"),        QStringLiteral("单    位：Dovrel 开源项目"),
        QStringLiteral("主修专业：辩论赛计时与演示软件"), QStringLiteral("QQ：无"),
        QStringLiteral("电子邮箱：请见项目主页"),         QStringLiteral("个人博客：") + homeAddress(),
    };
    for (int i = 0; i < 6; ++i) {
        QLabel *line = makeLabel(this, QStringLiteral("Label%1").arg(i + 2), LineLeft, FirstLineTop + i * LineStep,
                                 4800, 300, lines[i]);
        setSizedToText(line);
        setTextColour(line, Colours::Black);
        line->setMouseTracking(true);
        line->installEventFilter(this);
        m_lines.append(line);
    }
    m_blog = m_lines.constLast();
    m_blog->setToolTip(QStringLiteral("单击访问作者博客"));
    m_blog->setCursor(Qt::PointingHandCursor);

    makeCaptionTimer(QStringLiteral("Timer1"));
}

void AboutAuthor::load()
{
    setWindowTitle(applicationTitle());
}

bool AboutAuthor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (const QLabel *line = qobject_cast<QLabel *>(watched); line && m_lines.contains(line)) {
            highlightLine(line);
            return true;
        }
    }
    if (watched == m_blog && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_blog->rect().contains(mouse->position().toPoint()))
            openBlog();
        return true;
    }
    return Screen::eventFilter(watched, event);
}

void AboutAuthor::mouseMoveEvent(QMouseEvent *event)
{
    // Only the bare background clears the lines; the heading is neither a line nor background.
    if (!childAt(event->position().toPoint()))
        highlightLine(nullptr);
    Screen::mouseMoveEvent(event);
}

void AboutAuthor::highlightLine(const QLabel *line)
{
    for (QLabel *each : std::as_const(m_lines)) {
        const QColor colour = each == line ? Colours::Red : Colours::Black;
        if (textColour(each) != colour)
            setTextColour(each, colour);
    }
}

void AboutAuthor::openBlog()
{
    // A browser that cannot be started is no concern of the contest: nothing is said.
    app().platform().openUrl(homeAddress());
}

} // namespace Dovrel
