#include "platform/winmm_sound_output.h"

#include <QDir>

#include <string>

#include <windows.h>
#include <mmsystem.h>

namespace Dovrel {

WinmmCalls systemWinmmCalls()
{
    WinmmCalls calls;
    calls.waveOutGetNumDevs = [] { return unsigned(::waveOutGetNumDevs()); };
    calls.sndPlaySoundW = [](const wchar_t *fileName, unsigned flags) {
        return int(::sndPlaySoundW(fileName, flags));
    };
    return calls;
}

WinmmSoundOutput::WinmmSoundOutput(WinmmCalls calls)
    : m_calls(calls)
{
}

int WinmmSoundOutput::deviceCount()
{
    return int(m_calls.waveOutGetNumDevs());
}

void WinmmSoundOutput::play(const QString &path)
{
    // The system copies the name before it returns, so the string may go at once.
    const std::wstring fileName = QDir::toNativeSeparators(path).toStdWString();
    m_calls.sndPlaySoundW(fileName.c_str(), PlayAsyncNoDefault);
}

std::unique_ptr<SoundOutput> systemSoundOutput()
{
    return std::make_unique<WinmmSoundOutput>();
}

} // namespace Dovrel
