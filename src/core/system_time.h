#pragma once

#include <QLocale>
#include <QString>

class QTime;

namespace Dovrel {

// The locale the program writes dates and times in: the system's own where it is Chinese, so its regional
// settings hold; Chinese (China) elsewhere, so a Chinese screen or report never shows "8 Dec 2026".
QLocale programLocale(const QLocale &system = QLocale::system());

// A time of day in the long time format of programLocale(), without the time zone it carries.
QString systemTimeText(const QTime &time);

} // namespace Dovrel
