#pragma once

#include "platform/sound_output.h"

namespace Dovrel {

// The two winmm calls behind the program's sounds, replaceable so that a test can see what reaches the system.
struct WinmmCalls
{
    unsigned (*waveOutGetNumDevs)() = nullptr;
    int (*sndPlaySoundW)(const wchar_t *fileName, unsigned flags) = nullptr;
};
WinmmCalls systemWinmmCalls();

// SND_ASYNC | SND_NODEFAULT: return at once, and play nothing (not the system's default sound) for a missing file.
inline constexpr unsigned PlayAsyncNoDefault = 0x0001 | 0x0002;

// Windows multimedia: the device check and the asynchronous play of a wave file by its name, in wide characters so
// that any folder name (比赛 计时) reaches the system unchanged.
class WinmmSoundOutput final : public SoundOutput
{
public:
    explicit WinmmSoundOutput(WinmmCalls calls = systemWinmmCalls());

    int deviceCount() override;
    void play(const QString &path) override;

private:
    WinmmCalls m_calls;
};

} // namespace Dovrel
