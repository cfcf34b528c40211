#pragma once

#include <QString>

namespace Dovrel {

class Screen;

// A message with an OK button under the application title.
void inform(Screen *from, const QString &text);

// A message with an OK button under the application title that does not wait: the caller, a clock's step among
// them, goes on at once. It shows on the timekeeper's display, not over the hall's clock when there are two.
void notify(Screen *from, const QString &text);

// A warning with an OK button under the application title: something the timekeeper asked for did not happen.
void warn(Screen *from, const QString &text);

// A question titled "提示" with OK and Cancel; true for OK.
bool confirm(Screen *from, const QString &text);

} // namespace Dovrel
