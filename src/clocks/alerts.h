#pragma once

#include <QString>

namespace Dovrel {

class Screen;

// The sound files of the four alert choices, by option index, in both alert folders.
QString alertFileName(int index);
inline constexpr int AlertChoices = 4;
QString warningFolder();  // played 30 seconds before the end
QString timeUpFolder();   // played at time-up

// Plays a wave file under the application directory, given with backslashes ("sound\\30Warn\\声音一.wav"), and
// returns at once. Without a sound device the timekeeper is told so instead; a missing file plays nothing.
void playAlertFile(Screen *from, const QString &relativePath);

} // namespace Dovrel
