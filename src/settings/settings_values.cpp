#include "settings/settings_values.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace Dovrel {

std::optional<double> parseSettingsNumber(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^[ \t]*([+-]?[ \t]*(\d+\.?\d*|\.\d+))[ \t]*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString number = match.captured(1);
    number.remove(QLatin1Char(' '));
    number.remove(QLatin1Char('\t'));
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
    return QString::number(points, 'g', 12);
}

QString formatColourValue(qint32 value)
{
    return QString::number(value);
}

} // namespace Dovrel
