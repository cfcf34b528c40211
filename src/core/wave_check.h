#pragma once

#include <QString>

class QIODevice;

namespace Dovrel {

// Whether an alert sound will sound: the system plays a RIFF/WAVE file of 8- or 16-bit PCM, mono or stereo.
enum class WaveStatus {
    Playable,
    Missing,
    Unreadable,
    NotWave,          // no RIFF/WAVE header, or no format chunk before the sound
    UnplayableFormat, // compressed, float, 24-bit, more than two channels or an inconsistent format
    NoSound,          // no sound data, or none at all
};

// Reads the header and walks the chunks up to the sound data; the sound itself is not read.
WaveStatus checkWave(QIODevice &device);
WaveStatus checkWaveFile(const QString &path);

} // namespace Dovrel
