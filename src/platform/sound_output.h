#pragma once

#include "platform/platform.h"

#include <QString>

#include <memory>

namespace Dovrel {

// The system's sound service: how many output devices there are, and a wave file played without waiting.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    virtual int deviceCount() = 0;
    // Opens the default output and closes it again.
    virtual bool outputOpens() = 0;
    // Starts the wave file and returns at once; a sound still playing is replaced; a missing file plays nothing.
    virtual SoundStart play(const QString &path) = 0;
};

// The sound service of the system the program was built for: winmm on Windows, Qt Multimedia elsewhere.
std::unique_ptr<SoundOutput> systemSoundOutput();

} // namespace Dovrel
