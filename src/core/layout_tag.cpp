#include "core/layout_tag.h"

#include <cmath>

namespace Dovrel {

namespace {
const QString Separator = QStringLiteral("   ");

double toNumber(const QString &field)
{
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}
} // namespace

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

double pixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * TwipsPerPixel;
}

QString formatLayoutTag(int left, int top, int width, int height)
{
    return QString::number(left) + Separator + QString::number(top) + Separator + QString::number(width) + Separator +
           QString::number(height) + Separator;
}

TagGeometry parseLayoutTag(const QString &tag)
{
    double fields[4] = {0, 0, 0, 0};
    qsizetype start = 0;
    for (double &field : fields) {
        const qsizetype end = tag.indexOf(Separator, start);
        if (end < 0)
            break;
        field = toNumber(tag.mid(start, end - start));
        start = end + Separator.size();
    }
    return {fields[0], fields[1], fields[2], fields[3]};
}

QRect scaledGeometry(const TagGeometry &design, double rx, double ry)
{
    return QRect(twipsToPixels(rx * design.left), twipsToPixels(ry * design.top), twipsToPixels(rx * design.width),
                 twipsToPixels(ry * design.height));
}

} // namespace Dovrel
