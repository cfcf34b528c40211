#include "core/settings_values.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace Dovrel {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

// One pass over the text, so a line of any length is judged in linear time: blanks, an optional sign, blanks, digits
// with an optional fraction or a fraction alone, blanks.
std::optional<double> parseSettingsNumber(const QString &text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    QString number;
    while (i < size && isBlank(text.at(i)))
        ++i;
    if (i < size && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        number += text.at(i++);
        while (i < size && isBlank(text.at(i)))
            ++i;
    }
    const qsizetype wholeStart = i;
    while (i < size && isDigit(text.at(i)))
        ++i;
    bool digits = i > wholeStart;
    number += QStringView(text).sliced(wholeStart, i - wholeStart);
    if (i < size && text.at(i) == QLatin1Char('.')) {
        const qsizetype fractionStart = ++i;
        while (i < size && isDigit(text.at(i)))
            ++i;
        digits = digits || i > fractionStart;
        number += QStringView(text).sliced(fractionStart - 1, i - fractionStart + 1);
    }
    if (!digits)
        return std::nullopt;
    while (i < size && isBlank(text.at(i)))
        ++i;
    if (i != size)
        return std::nullopt;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint32> parseColourValue(const QString &text)
{
    const std::optional<double> number = parseSettingsNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(rounded);
}

QString formatFontSize(double points)
{
    // No number to write: the line stays empty, which reads back as unset.
    if (!std::isfinite(points))
        return QString();
    // The longest fixed form of a double: the sign, 309 whole digits or "0." and 324 fraction digits.
    char buffer[400];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, points, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QString();
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString formatColourValue(qint32 value)
{
    return QString::number(value);
}

} // namespace Dovrel
