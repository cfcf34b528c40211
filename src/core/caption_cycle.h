#pragma once

#include <QString>

namespace Dovrel {

// The caption that follows `current` in the typing animation: "" → "D" → … → "Dovrel" → "". A caption outside
// the cycle stays as it is.
QString nextCaption(const QString &current);
// The same typing of another title: "" → "赛" → … → "赛前检查" → "".
QString nextCaption(const QString &current, const QString &title);

} // namespace Dovrel
