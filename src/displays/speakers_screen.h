#pragma once

#include "displays/info_screen.h"

#include <array>

namespace Dovrel {

// Both sides' speakers: the affirmative column on the left, the negative on the right.
class SpeakersScreen final : public InfoScreen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form14";

    explicit SpeakersScreen(Application &app);

private:
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    // The position headings `Label4_1` … `Label4_8`, by their array index; there is no element 0.
    std::array<QLabel *, 9> Label4{};
    QLabel *Label5 = nullptr; // affirmative first to fourth speaker
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr; // negative first to fourth speaker
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
};

} // namespace Dovrel
