#pragma once

#include <vector>

namespace Dovrel::Bench {

// Screens need a display; without one the runs go to Qt's offscreen platform. A platform chosen by the caller wins.
void useOffscreenWithoutDisplay();

double median(std::vector<double> values);
double minimum(const std::vector<double> &values);
double maximum(const std::vector<double> &values);
double mean(const std::vector<double> &values);
// The value below which `share` (0 … 1) of the values lie.
double percentile(std::vector<double> values, double share);

} // namespace Dovrel::Bench
