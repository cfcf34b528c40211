#pragma once

#include <QFont>

class QWidget;

namespace Dovrel {

// A control's font as its screen gives it, and the font it is drawn with: the same but for the point size, which
// follows the screen's text scale (1 unless the hall screens' text grows with their layout).
void setDesignFont(QWidget *control, const QFont &font);
QFont designFontOf(const QWidget *control);
// Draws the control's design font at `scale` times its point size.
void setTextScale(QWidget *control, double scale);

} // namespace Dovrel
