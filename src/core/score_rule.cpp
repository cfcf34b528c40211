#include "core/score_rule.h"

#include <charconv>
#include <cmath>
#include <string>

namespace Dovrel {

namespace {

constexpr int SignificantDigits = 7;

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The leading decimal number of `text` with the skipped characters gone, in the form std::from_chars reads
// ("-" kept, "+" dropped, the exponent only when it has digits); empty when the text has no digit before it.
std::string leadingNumber(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (!isSkipped(c))
            s.append(c);
    }
    const auto at = [&s](qsizetype i) { return i < s.size() ? s.at(i) : QChar(); };
    const auto takeSign = [&](qsizetype &i, std::string &out) {
        if (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-')) {
            if (at(i) == QLatin1Char('-'))
                out += '-';
            ++i;
        }
    };
    const auto takeDigits = [&](qsizetype &i, std::string &out) {
        const qsizetype start = i;
        while (isDigit(at(i))) {
            out += char(at(i).unicode());
            ++i;
        }
        return i > start;
    };

    std::string number;
    qsizetype i = 0;
    takeSign(i, number);
    bool mantissa = takeDigits(i, number);
    if (at(i) == QLatin1Char('.')) {
        ++i;
        number += '.';
        mantissa = takeDigits(i, number) || mantissa;
    }
    if (!mantissa)
        return {};
    // The letter is taken in either case: "1e2" is as plainly a hundred as "1E2".
    if (at(i) == QLatin1Char('E') || at(i) == QLatin1Char('e')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        takeSign(j, exponent);
        if (takeDigits(j, exponent))
            number += exponent;
    }
    return number;
}

// The first seven significant digits of |value|, rounded half away from zero, trailing zeros dropped, and the
// decimal exponent of the first of them. |value| must be finite and non-zero.
std::string roundedDigits(float value, int &exponent)
{
    // 160 digits hold every single-precision value exactly, so the rounding below sees the true remainder.
    char buffer[200];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(double(value)), std::chars_format::scientific, 160);
    const std::string text(buffer, written.ptr);
    const std::size_t e = text.find('e');
    exponent = std::stoi(text.substr(e + 1));
    const std::string all = text.substr(0, 1) + text.substr(2, e - 2);

    std::string digits = all.substr(0, SignificantDigits);
    if (all.at(SignificantDigits) >= '5') {
        int k = SignificantDigits - 1;
        for (; k >= 0 && digits[k] == '9'; --k)
            digits[k] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

} // namespace

float readScore(const QString &text)
{
    const std::string number = leadingNumber(text);
    if (number.empty())
        return 0.0f;
    float value = 0.0f;
    const std::from_chars_result read =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    // A value beyond single precision cannot be held: it counts as 0, as an unreadable score does, which the
    // timekeeper sees at once on the result screen. A value too small to hold is 0 as its nearest value anyway.
    if (read.ec != std::errc())
        return 0.0f;
    return value;
}

QString formatScore(float value)
{
    const QString points = QStringLiteral("分");
    // Zero shows unsigned, "-0" included. A value that is not finite never comes from readScore; should one come,
    // it is shown as the 0 it counts as rather than as "inf".
    if (value == 0.0f || !std::isfinite(value))
        return QStringLiteral(" 0") + points;

    int exponent = 0;
    const QString digits = QString::fromLatin1(roundedDigits(value, exponent));
    // Plain notation always, however large: a total needing more than seven digits is written in full, its
    // digits past the seventh as zeros (123456789 → 123456800).
    QString plain;
    if (exponent >= 0) {
        const qsizetype whole = exponent + 1;
        if (digits.size() <= whole)
            plain = digits + QString(whole - digits.size(), QLatin1Char('0'));
        else
            plain = digits.left(whole) + QLatin1Char('.') + digits.mid(whole);
    } else {
        plain = QLatin1Char('.') + QString(-exponent - 1, QLatin1Char('0')) + digits;
    }
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + plain + points;
}

Winner decideWinner(float affirmative, float negative)
{
    if (affirmative > negative)
        return Winner::Affirmative;
    if (affirmative < negative)
        return Winner::Negative;
    return Winner::Draw;
}

QString winnerText(Winner winner, const QString &affirmativeTeam, const QString &negativeTeam)
{
    switch (winner) {
    case Winner::Affirmative:
        return affirmativeTeam;
    case Winner::Negative:
        return negativeTeam;
    case Winner::Draw:
        break;
    }
    return QStringLiteral("互为平手！");
}

ContestResult contestResult(const QString &affirmativeLine, const QString &negativeLine)
{
    const float affirmative = readScore(affirmativeLine);
    const float negative = readScore(negativeLine);
    return {formatScore(affirmative), formatScore(negative), decideWinner(affirmative, negative)};
}

} // namespace Dovrel
