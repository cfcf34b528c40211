#pragma once

#include "platform/platform.h"

#include <QString>

namespace Dovrel {

class Screen;

// Plays a wave file under the application directory, given with backslashes ("sound\\30Warn\\声音一.wav"), and
// returns at once. Without a sound device, or when the system's sound output refuses the file, the timekeeper is
// told so in a message that does not wait; a missing file plays nothing and says nothing.
SoundStart playAlertFile(Screen *from, const QString &relativePath);

} // namespace Dovrel
