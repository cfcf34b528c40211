#pragma once

#include <QString>

namespace Dovrel {

// The two alerts of a countdown.
enum class Alert { Warning, TimeUp };

// The sound files of the four alert choices, by option index, in both alert folders.
inline constexpr int AlertChoices = 4;
QString alertFileName(int index);
// The folder of an alert's sounds under the application directory, with backslashes: "sound\30Warn\" holds the
// sounds played 30 seconds before the end, "sound\TimeOut\" those played at time-up.
QString alertFolder(Alert alert);
// The chosen sound of an alert: alertFolder(alert) + alertFileName(index); empty for an index out of range.
QString alertSoundPath(Alert alert, int index);

} // namespace Dovrel
