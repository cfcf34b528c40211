#include "core/splash_fade.h"

namespace Dovrel {

int SplashFade::alpha() const
{
    return m_alpha;
}

bool SplashFade::finished() const
{
    return m_finished;
}

SplashFade::Step SplashFade::tick()
{
    if (m_fadingIn) {
        m_alpha += 2;
        if (m_alpha >= 255) {
            m_alpha = 255;
            return Step::SetOpacityAndStop;
        }
        return Step::SetOpacity;
    }
    m_alpha -= 2;
    if (m_alpha > 0)
        return Step::SetOpacity;
    m_alpha = 0;
    m_finished = true;
    return Step::Finish;
}

bool SplashFade::requestClose()
{
    if (m_finished)
        return true;
    m_fadingIn = false;
    return false;
}

} // namespace Dovrel
