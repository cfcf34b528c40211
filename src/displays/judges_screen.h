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

private:
    QLabel *Label10 = nullptr;
    QLabel *Label1 = nullptr; // judges one to nine
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
};

} // namespace Dovrel
