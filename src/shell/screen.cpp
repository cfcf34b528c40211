#include "shell/screen.h"

#include "core/layout_tag.h"
#include "shell/application.h"
#include "shell/life_cycle.h"
#include "shell/proportional_layout.h"

#include <QCloseEvent>

namespace Dovrel {

Screen::Screen(Application &app, const QString &name) : m_app(app)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Application &Screen::app() const
{
    return m_app;
}

void Screen::load() {}

bool Screen::usesProportionalLayout() const
{
    return m_proportionalLayout;
}

void Screen::setDesignClientSize(int widthTwips, int heightTwips)
{
    resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void Screen::setProportionalLayout(bool on)
{
    m_proportionalLayout = on;
}

void Screen::closing()
{
    ReturnToMenu(this);
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
        ApplyLayout(this);
    resized();
}

} // namespace Dovrel
