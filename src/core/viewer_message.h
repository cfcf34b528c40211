#pragma once

#include "core/contest.h"
#include "core/countdown.h"
#include "core/hall_state.h"

#include <QByteArray>

namespace Dovrel {

// The messages the phones' viewer page receives, as JSON, whatever carries them. Times are the program's monotonic
// clock in milliseconds, "t" when the message was made; the page keeps its own offset to that clock.
//
// state: {"v":1, "t":…, "contest":{"title","organiser","motions":[aff,neg],"teams":[aff,neg]},
//         "clock": null while no clock shows a time, or
//                  {"screen","kind":"single"|"dual"|"cross","stage","title","format":"s"|"ms",
//                   "speaking":"affirmative"|"negative"|null,
//                   "sides":[{"remaining","running","paused","timeUp","warned","overtime","next"}, …]}}
// (one side for the single-side and cross-examination clocks, two for the dual clock; "next" is the next step's
// deadline, 0 while the side is stopped)
QByteArray viewerStateJson(const HallView &hall, const ContestDetails &details, CountdownFormat format, qint64 nowMs);
// beat, and the answer to a time request: {"t":…}
QByteArray viewerTimeJson(qint64 nowMs);

} // namespace Dovrel
