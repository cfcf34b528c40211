#include "core/elapsed_time.h"

namespace Dovrel {

qint16 nextElapsedSeconds(qint16 seconds)
{
    // More than nine hours of questions is not a real session; holding 546分7秒 on the screen is plainer than a
    // count that wraps to a negative time.
    if (seconds >= ElapsedLimit)
        return ElapsedLimit;
    return static_cast<qint16>(seconds + 1);
}

QString formatElapsed(int seconds)
{
    return QString::number(seconds / 60) + QStringLiteral("分") + QString::number(seconds % 60) + QStringLiteral("秒");
}

} // namespace Dovrel
