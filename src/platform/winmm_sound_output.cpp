#include "platform/winmm_sound_output.h"

#include <QFile>

#include <utility>

#include <windows.h>

// After windows.h, whose types it uses.
#include <mmsystem.h>

namespace Dovrel {

WinmmCalls systemWinmmCalls()
{
    WinmmCalls calls;
    calls.waveOutGetNumDevs = [] { return unsigned(::waveOutGetNumDevs()); };
    calls.waveOutOpens = [] {
        WAVEFORMATEX format = {};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 1;
        format.nSamplesPerSec = 22050;
        format.wBitsPerSample = 16;
        format.nBlockAlign = 2;
        format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
        HWAVEOUT output = nullptr;
        if (::waveOutOpen(&output, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
            return false;
        ::waveOutClose(output);
        return true;
    };
    calls.sndPlaySoundW = [](const wchar_t *sound, unsigned flags) { return int(::sndPlaySoundW(sound, flags)); };
    return calls;
}

WinmmSoundOutput::WinmmSoundOutput(WinmmCalls calls) : m_calls(calls) {}

WinmmSoundOutput::~WinmmSoundOutput()
{
    stop();
}

int WinmmSoundOutput::deviceCount()
{
    return int(m_calls.waveOutGetNumDevs());
}

bool WinmmSoundOutput::outputOpens()
{
    return m_calls.waveOutOpens();
}

SoundStart WinmmSoundOutput::play(const QString &path)
{
    QFile file(path);
    QByteArray wave;
    if (file.open(QIODevice::ReadOnly))
        wave = file.readAll();
    if (wave.isEmpty()) {
        stop();
        return SoundStart::FileMissing;
    }
    // The new sound replaces the one playing before its buffer goes.
    const bool started = m_calls.sndPlaySoundW(reinterpret_cast<const wchar_t *>(wave.constData()), PlayFromMemory);
    if (!started) {
        stop();
        return SoundStart::Failed;
    }
    m_playing = std::move(wave);
    return SoundStart::Playing;
}

void WinmmSoundOutput::stop()
{
    m_calls.sndPlaySoundW(nullptr, 0);
    m_playing.clear();
}

std::unique_ptr<SoundOutput> systemSoundOutput()
{
    return std::make_unique<WinmmSoundOutput>();
}

} // namespace Dovrel
