#pragma once

#include <QRect>
#include <QString>

namespace Dovrel {

// Twips, the unit of every design geometry; 15 twips make one logical pixel at the 96-dpi reference.
inline constexpr int TwipsPerPixel = 15;
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// Design geometry as kept in a control's Tag: four numbers, each followed by three blanks.
QString formatLayoutTag(int left, int top, int width, int height);

struct TagGeometry
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Each field runs up to the next three-blank separator; a field with no separator after it counts as 0.
TagGeometry parseLayoutTag(const QString &tag);

// The design geometry (twips) scaled by rx and ry, in pixels.
QRect scaledGeometry(const TagGeometry &design, double rx, double ry);

} // namespace Dovrel
