#include "platform/execution_state_hold.h"

#include <windows.h>

namespace Dovrel {

ExecutionStateCall systemExecutionStateCall()
{
    return [](unsigned long flags) { return static_cast<unsigned long>(::SetThreadExecutionState(flags)); };
}

ExecutionStateHold::ExecutionStateHold(ExecutionStateCall call) : m_call(call) {}

ExecutionStateHold::~ExecutionStateHold()
{
    hold(false);
}

void ExecutionStateHold::hold(bool on)
{
    if (on == m_held)
        return;
    m_held = on;
    m_call(on ? ExecutionStateHeld : ExecutionStateContinuous);
}

std::unique_ptr<DisplayHold> systemDisplayHold()
{
    return std::make_unique<ExecutionStateHold>();
}

} // namespace Dovrel
