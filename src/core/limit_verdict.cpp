#include "core/limit_verdict.h"

#include "core/countdown.h"

namespace Dovrel {

namespace {

// Blanks, tabs and line feeds are what readLimit passes over; at the ends of a text they change nothing.
QString withoutOuterBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    const auto blank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
    };
    while (first < last && blank(text.at(first)))
        ++first;
    while (last > first && blank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

bool onlyDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

LimitVerdict limitVerdict(const QString &text)
{
    LimitVerdict verdict;
    verdict.seconds = readLimit(text);
    const QString shown = withoutOuterBlanks(text);
    verdict.fine = onlyDigits(shown) && verdict.seconds >= 1 && verdict.seconds <= LargestLimit;

    const QString count = QStringLiteral("将按 ") + QString::number(verdict.seconds) + QStringLiteral(" 秒计时");
    if (shown.isEmpty())
        verdict.sentence = QStringLiteral("限时为空，") + count;
    else if (verdict.seconds > LargestLimit)
        verdict.sentence = QStringLiteral("限时“") + shown + QStringLiteral("”超过 ") + QString::number(LargestLimit) +
                           QStringLiteral(" 秒，") + count;
    else
        verdict.sentence = QStringLiteral("限时“") + shown + QStringLiteral("”") + count;
    if (verdict.seconds < 1)
        verdict.sentence += QStringLiteral("，一开始就时间到");
    return verdict;
}

} // namespace Dovrel
