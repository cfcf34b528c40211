#pragma once

#include <QPalette>
#include <QProxyStyle>

namespace Dovrel {

// The program's style: the base style, drawing with one palette object for each set of colours.
//
// Fusion keeps the pieces it draws (button faces, arrows) in Qt's pixmap cache under names made from the palette's
// cacheKey(), and every widget holds a palette object of its own, so a screen opened again draws under new names.
// Qt 6.4 keeps a name for good once its piece has left the cache, so every screen opened and closed would leave some
// hundred bytes behind; with shared palettes the names repeat, and the pieces are found again.
class SharedPaletteStyle final : public QProxyStyle
{
public:
    // Takes ownership of `base`.
    explicit SharedPaletteStyle(QStyle *base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};

// The first palette seen with the same colours (this one if none was), in this palette's current colour group.
QPalette sharedPalette(const QPalette &palette);

} // namespace Dovrel
