#include "shell/proportional_layout.h"

#include "core/layout_tag.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/text_scale.h"

#include <QLabel>
#include <QVariant>

#include <algorithm>
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
        const QString tag =
            formatLayoutTag(static_cast<int>(pixelsToTwips(g.x())), static_cast<int>(pixelsToTwips(g.y())),
                            static_cast<int>(pixelsToTwips(g.width())), static_cast<int>(pixelsToTwips(g.height())));
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
    // Text that grows as far as the layout grows in its narrower direction still fits every box it had at the
    // design size.
    const bool scaleText = screen->scalesText();
    const double textScale = scaleText ? std::min(rx, ry) : 1.0;
    for (QWidget *control : screenControls(screen)) {
        const TagGeometry design = parseLayoutTag(control->property(LayoutTagProperty).toString());
        const QRect box = scaledGeometry(design, rx, ry);
        control->setGeometry(box);
        if (scaleText)
            setTextScale(control, textScale);
        // A label sized to its text keeps the size of its text wherever the layout puts it; with its text scaled it
        // keeps its design centre, so a centred heading stays centred.
        if (auto *label = qobject_cast<QLabel *>(control); label && isSizedToText(label)) {
            fitToText(label);
            if (scaleText)
                label->move(box.center().x() - label->width() / 2, box.y());
        }
    }
}

} // namespace Dovrel
