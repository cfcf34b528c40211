#pragma once

#include <QString>

class QTime;

namespace Dovrel {

// A time of day in the system's long time format, without the time zone it carries.
QString systemTimeText(const QTime &time);

} // namespace Dovrel
