#include "core/single_line.h"

#include <algorithm>

namespace Dovrel {

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

QString oneLine(const QString &value)
{
    if (std::none_of(value.begin(), value.end(), isLineBreak))
        return value;
    QString line;
    line.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (!isLineBreak(c)) {
            line.append(c);
            continue;
        }
        line.append(QLatin1Char(' '));
        if (c == QLatin1Char('\r') && i + 1 < value.size() && value.at(i + 1) == QLatin1Char('\n'))
            ++i;
    }
    return line;
}

SingleLineEdit keepFirstLineOfInsert(const QString &text, int cursor)
{
    const auto firstBreak = std::find_if(text.begin(), text.end(), isLineBreak);
    if (firstBreak == text.end())
        return {text, cursor};
    const int cut = int(firstBreak - text.begin());
    // Whatever the box held after the cursor was there before the edit, so it stays; a cursor before the break
    // (an edit that did not end at the cursor) keeps the rest of the text whole, up to its first break.
    const int rest = std::max(cursor, cut);
    QString kept = text.left(cut) + text.mid(rest);
    // The part after the cursor never held a break; should it, it is cut there too.
    const auto later = std::find_if(kept.begin() + cut, kept.end(), isLineBreak);
    kept.truncate(int(later - kept.begin()));
    return {kept, cut};
}

} // namespace Dovrel
