#include "shell/proportional_layout.h"

#include "core/layout_tag.h"
#include "shell/application.h"
#include "shell/controls.h"

#include <QLabel>
#include <QVariant>

#include <cmath>

namespace Dovrel {

QList<QWidget *> screenControls(const QWidget *screen)
{
    QList<QWidget *> controls;
    const QList<QWidget *> widgets = screen->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (isControl(widget))
            controls.append(widget);
    }
    return controls;
}

void recordLayout(Screen *screen)
{
    LayoutBase &base = screen->app().layoutBase();
    base.scaleWidth = static_cast<int>(std::lround(pixelsToTwips(screen->width())));
    base.scaleHeight = static_cast<int>(std::lround(pixelsToTwips(screen->height())));
    for (QWidget *control : screenControls(screen)) {
        const QRect g = control->geometry();
        const QString tag = formatLayoutTag(static_cast<int>(pixelsToTwips(g.x())), static_cast<int>(pixelsToTwips(g.y())),
                                            static_cast<int>(pixelsToTwips(g.width())),
                                            static_cast<int>(pixelsToTwips(g.height())));
        control->setProperty(LayoutTagProperty, tag);
    }
}

void applyLayout(Screen *screen)
{
    const LayoutBase &base = screen->app().layoutBase();
    // Before any screen has recorded there is nothing to scale against.
    if (base.scaleWidth == 0 || base.scaleHeight == 0)
        return;
    const double rx = pixelsToTwips(screen->width()) / base.scaleWidth;
    const double ry = pixelsToTwips(screen->height()) / base.scaleHeight;
    for (QWidget *control : screenControls(screen)) {
        const TagGeometry design = parseLayoutTag(control->property(LayoutTagProperty).toString());
        control->setGeometry(scaledGeometry(design, rx, ry));
        // A label sized to its text keeps the size of its text wherever the layout puts it.
        if (auto *label = qobject_cast<QLabel *>(control); label && isSizedToText(label))
            fitToText(label);
    }
}

} // namespace Dovrel
