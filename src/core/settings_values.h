#pragma once

#include <QString>

#include <optional>

namespace Dovrel {

// A number as the settings files hold it: decimal, possibly with a fraction, with blanks around it.
std::optional<double> parseSettingsNumber(const QString &text);

// A colour value: a signed 32-bit whole number, 0x00BBGGRR, or a system colour with the top bit set.
std::optional<qint32> parseColourValue(const QString &text);

// A font size in points as the shortest plain decimal that reads back as the same number ("10.5", "12",
// "0.00001", "1000000000000"): the reader takes no exponent. Not a finite number: empty text.
QString formatFontSize(double points);

QString formatColourValue(qint32 value);

} // namespace Dovrel
