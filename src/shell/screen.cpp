#include "shell/screen.h"

#include "core/layout_tag.h"
#include "core/program_identity.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"
#include "shell/proportional_layout.h"

#include <QCloseEvent>
#include <QTimer>

namespace Dovrel {

Screen::Screen(Application &app) : m_app(app)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Application &Screen::app() const
{
    return m_app;
}

void Screen::load() {}

void Screen::unloading() {}

bool Screen::takesSpaceBar() const
{
    return false;
}

void Screen::spaceBar() {}

bool Screen::usesProportionalLayout() const
{
    return m_proportionalLayout;
}

Screen::Shown Screen::shown() const
{
    return m_shown;
}

void Screen::setShown(Shown shown)
{
    m_shown = shown;
    if (shown == Shown::HallScreen)
        setWindowState(Qt::WindowMaximized);
}

bool Screen::scalesText() const
{
    return m_proportionalLayout && m_shown == Shown::HallScreen && m_app.hallTextScaled();
}

void Screen::setDesignClientSize(int widthTwips, int heightTwips)
{
    resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void Screen::setProportionalLayout(bool on)
{
    m_proportionalLayout = on;
}

void Screen::setUpFullSize(const QColor &colour, const QFont &font, Shown shown)
{
    setDesignClientSize(DesignWidth, DesignHeight);
    setProportionalLayout(true);
    setShown(shown);
    setBackColour(this, colour);
    setFont(font);
}

QTimer *Screen::makeCaptionTimer(const QString &name)
{
    return makeCaptionTimer(name, applicationTitle());
}

QTimer *Screen::makeCaptionTimer(const QString &name, const QString &title)
{
    QTimer *timer = makeTimer(this, name, 500, true);
    connect(timer, &QTimer::timeout, this, [this, title] { animateCaption(this, title); });
    return timer;
}

void Screen::recordDesign()
{
    recordLayout(this);
    setWindowTitle(applicationTitle());
}

void Screen::closing()
{
    returnToMenu(this);
}

bool Screen::closeRequested()
{
    return true;
}

void Screen::resized() {}

void Screen::closeEvent(QCloseEvent *event)
{
    if (!closeRequested()) {
        event->ignore();
        return;
    }
    event->accept();
    closing();
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_proportionalLayout)
        applyLayout(this);
    resized();
}

} // namespace Dovrel
