#pragma once

#include <memory>

namespace Dovrel {

// Holds off the screensaver and display power saving. Each state is asked for only when it changes; a system
// without such a service is left alone without a word.
class DisplayHold
{
public:
    virtual ~DisplayHold() = default;

    virtual void hold(bool on) = 0;
};

// Windows: the thread's execution state. Linux: org.freedesktop.ScreenSaver on the session bus.
std::unique_ptr<DisplayHold> systemDisplayHold();

} // namespace Dovrel
