#pragma once

#include <QString>

namespace Dovrel {

class Screen;

// A message with an OK button under the application title.
void inform(Screen *from, const QString &text);

// A warning with an OK button under the application title: something the timekeeper asked for did not happen.
void warn(Screen *from, const QString &text);

// A question titled "提示" with OK and Cancel; true for OK.
bool confirm(Screen *from, const QString &text);

} // namespace Dovrel
