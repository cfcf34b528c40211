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

private:
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr; // affirmative team
    QLabel *Label3 = nullptr;
    QLabel *Label5 = nullptr; // negative team
};

} // namespace Dovrel
