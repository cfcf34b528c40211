#pragma once

#include <QColor>

namespace Dovrel {

// The colour a stored colour value stands for: 0x00BBGGRR, or with the top bit set the system colour of that
// index (window text, button face, …) as the current palette gives it.
QColor storedColour(qint32 value);

} // namespace Dovrel
