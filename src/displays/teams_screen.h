#pragma once

#include "displays/info_screen.h"

namespace Dovrel {

// The two teams and the side each holds.
class Form8 final : public InfoScreen
{
    Q_OBJECT

public:
    explicit Form8(Application &app);

private:
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr; // affirmative team
    QLabel *Label3 = nullptr;
    QLabel *Label5 = nullptr; // negative team
};

} // namespace Dovrel
