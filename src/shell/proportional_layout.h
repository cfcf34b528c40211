#pragma once

#include <QList>

class QWidget;

namespace Dovrel {

class Screen;

// The controls of a screen in their creation order, control arrays and controls inside frames included.
QList<QWidget *> screenControls(const QWidget *screen);

// Keeps every control's design geometry in its "Tag" property and the screen's size as the shared base size.
void recordLayout(Screen *screen);

// Re-lays every control from its Tag in proportion to the screen's current size against the base size.
void applyLayout(Screen *screen);

} // namespace Dovrel
