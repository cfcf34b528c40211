#pragma once

#include <vector>

namespace Dovrel {
class Application;
}

namespace Dovrel::Bench {

// The real single-side clock screen counting down `seconds` from the handed-over limit, started by its button as the
// timekeeper starts it: the moment of each step 1 … N, in ms after the start.
std::vector<double> runStageClock(Application &app, int seconds);

// How late each of those moments is against the ideal schedule start + n × 1000 ms.
std::vector<double> latenessOf(const std::vector<double> &steps);

} // namespace Dovrel::Bench
