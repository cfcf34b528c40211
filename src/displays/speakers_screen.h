#pragma once

#include "displays/info_screen.h"

namespace Dovrel {

// Both sides' speakers: the affirmative column on the left, the negative on the right.
class SpeakersScreen final : public InfoScreen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form14";

    explicit SpeakersScreen(Application &app);
};

} // namespace Dovrel
