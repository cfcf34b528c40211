#include "core/countdown.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Dovrel {

namespace {

bool isIgnored(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

} // namespace

int readLimit(const QString &text)
{
    QString number;
    bool digits = false;
    bool point = false;
    for (const QChar c : text) {
        if (isIgnored(c))
            continue;
        if (number.isEmpty() && !digits && (c == QLatin1Char('-') || c == QLatin1Char('+'))) {
            number += c;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number += c;
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    const double value = std::nearbyint(number.toDouble());
    // Limits beyond the 16-bit count are held in full rather than refused or wrapped: a long stage is still timed
    // to the second. Only what no int can hold is clamped.
    constexpr double maxCount = std::numeric_limits<int>::max();
    if (value > maxCount)
        return std::numeric_limits<int>::max();
    if (value < -maxCount)
        return -std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

QString formatRemaining(int seconds, CountdownFormat format)
{
    switch (format) {
    case CountdownFormat::Seconds:
        return QString::number(seconds) + QLatin1Char('s');
    case CountdownFormat::MinutesSeconds: {
        const long long n = seconds;
        const long long minutes = n >= 0 ? n / 60 : -((-n + 59) / 60);
        const long long rest = n % 60;
        return QString::number(minutes) + QStringLiteral("分") + QString::number(rest) + QStringLiteral("秒");
    }
    case CountdownFormat::None:
        break;
    }
    return QString();
}

CountdownStep countdownStep(int remaining)
{
    CountdownStep step;
    step.remaining = remaining > std::numeric_limits<int>::min() ? remaining - 1 : remaining;
    step.warning = step.remaining == WarningSeconds;
    step.timeUp = step.remaining < 1;
    return step;
}

OvertimeStep overtimeStep(int overtime, const OvertimeRule &rule)
{
    OvertimeStep step;
    step.overtime = overtime < std::numeric_limits<int>::max() ? overtime + 1 : overtime;
    step.bell = rule.bellSeconds > 0 && step.overtime % rule.bellSeconds == 0;
    return step;
}

QString formatOvertime(int overtime, CountdownFormat format)
{
    return format == CountdownFormat::None ? QString() : QLatin1Char('+') + formatRemaining(overtime, format);
}

StepSchedule::StepSchedule(qint64 intervalMs, qint64 maxGapMs) : m_interval(intervalMs), m_maxGap(maxGapMs) {}

void StepSchedule::start(qint64 nowMs)
{
    resume(nowMs, m_interval);
}

void StepSchedule::resume(qint64 nowMs, qint64 msToNext)
{
    m_next = nowMs + std::clamp<qint64>(msToNext, 0, m_interval);
    m_last = nowMs;
}

int StepSchedule::stepsDue(qint64 nowMs)
{
    const qint64 gap = nowMs - m_last;
    m_last = nowMs;
    if (gap > m_maxGap) {
        m_next = nowMs + m_interval;
        return 1;
    }
    qint64 steps = 1;
    if (nowMs > m_next)
        steps += (nowMs - m_next) / m_interval;
    m_next += steps * m_interval;
    return static_cast<int>(std::min<qint64>(steps, std::numeric_limits<int>::max()));
}

qint64 StepSchedule::msUntilNext(qint64 nowMs) const
{
    return m_next > nowMs ? m_next - nowMs : 0;
}

qint64 StepSchedule::nextDeadline() const
{
    return m_next;
}

} // namespace Dovrel
