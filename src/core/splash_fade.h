#pragma once

namespace Dovrel {

// The start-up screen's fade: in by 2 per tick up to opaque, out by 2 per tick once a close was asked for.
class SplashFade final
{
public:
    enum class Step {
        SetOpacity,        // show `alpha()`; the timer goes on
        SetOpacityAndStop, // show `alpha()`; the fade-in is complete and the timer stops
        Finish             // the fade-out is complete: show the main menu and close
    };

    int alpha() const;
    bool finished() const;

    Step tick();

    // A close request before the fade-out has finished: returns true when the close may proceed; otherwise turns
    // the request into the fade-out (the caller starts the timer) and returns false.
    bool requestClose();

private:
    int m_alpha = 0;
    bool m_fadingIn = true;
    bool m_finished = false;
};

} // namespace Dovrel
