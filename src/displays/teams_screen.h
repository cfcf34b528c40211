#pragma once

#include "displays/info_screen.h"

namespace Dovrel {

// The two teams and the side each holds.
class TeamsScreen final : public InfoScreen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form8";

    explicit TeamsScreen(Application &app);
};

} // namespace Dovrel
