#include "core/hall_state.h"

namespace Dovrel {

const HallView &HallState::view() const
{
    return m_view;
}

void HallState::publish(const HallView &view)
{
    if (view == m_view)
        return;
    m_view = view;
    emit changed(m_view);
}

void HallState::closed(const QString &screen)
{
    if (m_view.screen == screen)
        publish(HallView());
}

} // namespace Dovrel
