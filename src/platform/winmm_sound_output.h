#pragma once

#include "platform/sound_output.h"

#include <QByteArray>

namespace Dovrel {

// The winmm calls behind the program's sounds, replaceable so that a test can see what reaches the system.
struct WinmmCalls
{
    unsigned (*waveOutGetNumDevs)() = nullptr;
    // Opens the default wave output for 16-bit PCM and closes it again; whether it opened.
    bool (*waveOutOpens)() = nullptr;
    int (*sndPlaySoundW)(const wchar_t *sound, unsigned flags) = nullptr;
};
WinmmCalls systemWinmmCalls();

// SND_ASYNC | SND_NODEFAULT | SND_MEMORY: return at once, never the system's default sound, and the wave file's
// bytes rather than its name, so that no conversion of the path to the ANSI code page can lose a Chinese folder.
inline constexpr unsigned PlayFromMemory = 0x0001 | 0x0002 | 0x0004;

// Windows multimedia: the device check, and a wave file read by Qt and played asynchronously from memory.
class WinmmSoundOutput final : public SoundOutput
{
public:
    explicit WinmmSoundOutput(WinmmCalls calls = systemWinmmCalls());
    ~WinmmSoundOutput() override;

    int deviceCount() override;
    bool outputOpens() override;
    SoundStart play(const QString &path) override;

private:
    void stop();

    WinmmCalls m_calls;
    // The sound playing now: the system reads it from here until it ends or another sound replaces it.
    QByteArray m_playing;
};

} // namespace Dovrel
