// A stored total read as a number and shown, as the result screen and the report do.
#include "core/score_rule.h"
#include "core/text_encoding.h"
#include "support.h"

#include <cmath>
#include <limits>

using namespace Dovrel;

namespace {

// A sign character, digits with at most one point, "分": plain notation, never an exponent, "inf" or "nan".
bool isShownTotal(const QString &shown)
{
    if (shown.size() < 3 || !shown.endsWith(QStringLiteral("分")))
        return false;
    if (shown.at(0) != QLatin1Char(' ') && shown.at(0) != QLatin1Char('-'))
        return false;
    int points = 0;
    int digits = 0;
    for (qsizetype i = 1; i < shown.size() - 1; ++i) {
        const QChar c = shown.at(i);
        if (c == QLatin1Char('.'))
            ++points;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else
            return false;
    }
    return points <= 1 && digits >= 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = decodeAnsi(Fuzz::bytesOf(data, size));
    const float value = readScore(text);
    if (!std::isfinite(value))
        Fuzz::fail("a total that is not a finite number");
    const QString shown = formatScore(value);
    if (!isShownTotal(shown))
        Fuzz::fail("a total shown in another form");
    // A shown total read back is the same number to its seven significant digits.
    QString digits = shown;
    digits.chop(1);
    const float again = readScore(digits);
    const float tolerance = std::fabs(value) >= std::numeric_limits<float>::min() ? std::fabs(value) * 1e-6f
                                                                                  : std::numeric_limits<float>::min();
    if (!(std::fabs(again - value) <= tolerance))
        Fuzz::fail("a shown total reads back as another number");
    return 0;
}
