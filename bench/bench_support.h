#pragma once

#include <QString>

#include <vector>

namespace Dovrel::Bench {

// Copies the default data folders (config, sound, background) into `directory`, so a program run there really
// reads its settings files.
void layOutApplicationDirectory(const QString &directory);

// Screens need a display; without one the runs go to Qt's offscreen platform. A platform chosen by the caller wins.
void useOffscreenWithoutDisplay();

double median(std::vector<double> values);
double minimum(const std::vector<double> &values);
double maximum(const std::vector<double> &values);
double mean(const std::vector<double> &values);

} // namespace Dovrel::Bench
