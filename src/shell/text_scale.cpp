#include "shell/text_scale.h"

#include <QVariant>
#include <QWidget>

namespace Dovrel {

namespace {
constexpr char DesignFontProperty[] = "dovrelDesignFont";
constexpr char TextScaleProperty[] = "dovrelTextScale";

double textScaleOf(const QWidget *control)
{
    const QVariant scale = control->property(TextScaleProperty);
    return scale.isValid() ? scale.toDouble() : 1.0;
}

void drawAtScale(QWidget *control, const QFont &design, double scale)
{
    QFont drawn = design;
    if (scale != 1.0 && design.pointSizeF() > 0)
        drawn.setPointSizeF(design.pointSizeF() * scale);
    control->setFont(drawn);
}
} // namespace

void setDesignFont(QWidget *control, const QFont &font)
{
    control->setProperty(DesignFontProperty, font);
    drawAtScale(control, font, textScaleOf(control));
}

QFont designFontOf(const QWidget *control)
{
    const QVariant design = control->property(DesignFontProperty);
    return design.isValid() ? design.value<QFont>() : control->font();
}

void setTextScale(QWidget *control, double scale)
{
    if (scale == textScaleOf(control))
        return;
    const QFont design = designFontOf(control);
    control->setProperty(DesignFontProperty, design);
    control->setProperty(TextScaleProperty, scale);
    drawAtScale(control, design, scale);
}

} // namespace Dovrel
