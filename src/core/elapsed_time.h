#pragma once

#include <QString>
#include <QtGlobal>

namespace Dovrel {

// The audience screen counts elapsed seconds in 16 bits: 32767 s, 546分7秒, is as far as it goes.
inline constexpr qint16 ElapsedLimit = 32767;

// The count one second later; at the limit it stays there.
qint16 nextElapsedSeconds(qint16 seconds);

// "<minutes>分<seconds>秒", unpadded: 0分5秒, 1分0秒.
QString formatElapsed(int seconds);

} // namespace Dovrel
