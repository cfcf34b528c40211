#include "shell/shared_palette_style.h"

#include <QList>
#include <QStyleOption>

#include <algorithm>

namespace Dovrel {

namespace {

// The system's colours and the screens' and designs' own make a handful; the limit only bounds a run that keeps
// choosing new colours.
constexpr qsizetype KnownPalettesLimit = 64;

// Calls `draw` with a copy of the option holding `palette`, when the option is exactly an `Option`.
template <class Option, class Draw> bool drawnAs(const QStyleOption *option, const QPalette &palette, const Draw &draw)
{
    if (option->type != Option::Type || option->version != Option::Version)
        return false;
    Option copy(*static_cast<const Option *>(option));
    copy.palette = palette;
    draw(&copy);
    return true;
}

// The options of the pieces the style caches get the shared palette; any other option is drawn as it comes.
template <class Draw> void drawWithSharedPalette(const QStyleOption *option, const Draw &draw)
{
    if (option) {
        const QPalette shared = sharedPalette(option->palette);
        if (shared.cacheKey() != option->palette.cacheKey() &&
            (drawnAs<QStyleOptionButton>(option, shared, draw) || drawnAs<QStyleOptionSlider>(option, shared, draw) ||
             drawnAs<QStyleOptionComboBox>(option, shared, draw) ||
             drawnAs<QStyleOptionSpinBox>(option, shared, draw) || drawnAs<QStyleOption>(option, shared, draw)))
            return;
    }
    draw(option);
}

} // namespace

SharedPaletteStyle::SharedPaletteStyle(QStyle *base) : QProxyStyle(base) {}

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                       const QWidget *widget) const
{
    drawWithSharedPalette(
        option, [&](const QStyleOption *shared) { QProxyStyle::drawPrimitive(element, shared, painter, widget); });
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    drawWithSharedPalette(
        option, [&](const QStyleOption *shared) { QProxyStyle::drawControl(element, shared, painter, widget); });
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                            QPainter *painter, const QWidget *widget) const
{
    // The copy is of the option's own type, a complex one.
    drawWithSharedPalette(option, [&](const QStyleOption *shared) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex *>(shared), painter, widget);
    });
}

QPalette sharedPalette(const QPalette &palette)
{
    static QList<QPalette> known;
    // QPalette's == compares the colours alone.
    auto found = std::find(known.cbegin(), known.cend(), palette);
    if (found == known.cend()) {
        if (known.size() == KnownPalettesLimit)
            known.removeFirst();
        known.append(palette);
        found = known.cend() - 1;
    }
    QPalette shared = *found;
    shared.setCurrentColorGroup(palette.currentColorGroup());
    return shared;
}

} // namespace Dovrel
