#pragma once

#include <QString>

namespace Dovrel {

// The largest limit the clocks were made to hold: a 16-bit count of seconds.
inline constexpr int LargestLimit = 32767;

// How a clock will read a stage's limit text.
struct LimitVerdict
{
    // The text is a whole number of seconds from 1 to LargestLimit, with nothing else in it.
    bool fine = false;
    // What the clock starts from (readLimit).
    int seconds = 0;
    // One sentence saying how the clock reads the text: "限时“1:30”将按 1 秒计时".
    QString sentence;
};

LimitVerdict limitVerdict(const QString &text);

} // namespace Dovrel
