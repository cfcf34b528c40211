#pragma once

#include "platform/display_hold.h"

namespace Dovrel {

// SetThreadExecutionState, replaceable so that a test can see the flags that reach the system.
using ExecutionStateCall = unsigned long (*)(unsigned long flags);
ExecutionStateCall systemExecutionStateCall();

// ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED while held; ES_CONTINUOUS alone clears it again.
inline constexpr unsigned long ExecutionStateContinuous = 0x80000000UL;
inline constexpr unsigned long ExecutionStateHeld = ExecutionStateContinuous | 0x00000002UL | 0x00000001UL;

// Windows keeps the display on while the program's thread says it is required.
class ExecutionStateHold final : public DisplayHold
{
public:
    explicit ExecutionStateHold(ExecutionStateCall call = systemExecutionStateCall());
    ~ExecutionStateHold() override;

    void hold(bool on) override;

private:
    ExecutionStateCall m_call;
    bool m_held = false;
};

} // namespace Dovrel
