#include "core/hall_state.h"

namespace Dovrel {

QString sideName(Side side)
{
    return side == Side::Affirmative ? QStringLiteral("正方") : QStringLiteral("反方");
}

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
