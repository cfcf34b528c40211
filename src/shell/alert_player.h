#pragma once

#include <QString>

namespace Dovrel {

class Screen;

// Plays a wave file under the application directory, given with backslashes ("sound\\30Warn\\声音一.wav"), and
// returns at once. Without a sound device the timekeeper is told so instead; a missing file plays nothing.
void playAlertFile(Screen *from, const QString &relativePath);

} // namespace Dovrel
