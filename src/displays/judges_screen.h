#pragma once

#include "displays/info_screen.h"

namespace Dovrel {

// The judges: up to nine names in three rows of three, filled row by row from the top left.
class JudgesScreen final : public InfoScreen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form15";

    explicit JudgesScreen(Application &app);
};

} // namespace Dovrel
