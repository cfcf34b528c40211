#include "displays/speakers_screen.h"

#include "shell/colours.h"
#include "shell/controls.h"

#include <array>

namespace Dovrel {

namespace {

constexpr std::array<int, 4> RowTops = {2880, 4080, 5280, 6405};

// Affirmative first to fourth speaker, then negative first to fourth.
constexpr DetailLabel Speakers[] = {
    {.name = "Label5",
     .left = 3000,
     .top = 2715,
     .width = 2250,
     .height = 720,
     .detail = ContestDetail::AffirmativeFirstSpeaker},
    {.name = "Label6",
     .left = 3000,
     .top = 3915,
     .width = 2250,
     .height = 720,
     .detail = ContestDetail::AffirmativeSecondSpeaker},
    {.name = "Label7",
     .left = 3000,
     .top = 5115,
     .width = 2250,
     .height = 720,
     .detail = ContestDetail::AffirmativeThirdSpeaker},
    {.name = "Label8",
     .left = 3000,
     .top = 6240,
     .width = 2250,
     .height = 720,
     .detail = ContestDetail::AffirmativeFourthSpeaker},
    {.name = "Label9",
     .left = 7680,
     .top = 2715,
     .width = 2250,
     .height = 720,
     .detail = ContestDetail::NegativeFirstSpeaker},
    {.name = "Label10",
     .left = 7680,
     .top = 3915,
     .width = 2625,
     .height = 720,
     .detail = ContestDetail::NegativeSecondSpeaker},
    {.name = "Label11",
     .left = 7680,
     .top = 5115,
     .width = 2625,
     .height = 720,
     .detail = ContestDetail::NegativeThirdSpeaker},
    {.name = "Label12",
     .left = 7680,
     .top = 6240,
     .width = 2625,
     .height = 720,
     .detail = ContestDetail::NegativeFourthSpeaker},
};

} // namespace

SpeakersScreen::SpeakersScreen(Application &app) : InfoScreen(app)
{
    const QString song = QStringLiteral("宋体");

    makeSizedLabel(QStringLiteral("Label1"), 4320, 480, 4500, 1095, QStringLiteral("双方队员"),
                   designFont(QStringLiteral("隶书"), 54.75, true), Colours::DarkTeal);
    makeSizedLabel(QStringLiteral("Label2"), 3120, 1920, 960, 360, QStringLiteral("正 方"), designFont(song, 18, true),
                   Colours::Blue, Qt::AlignHCenter);
    makeSizedLabel(QStringLiteral("Label3"), 7575, 1920, 960, 360, QStringLiteral("反 方"), designFont(song, 18, true),
                   Colours::Blue, Qt::AlignHCenter);

    // The position headings Label4_1 … Label4_8; the array has no element 0.
    const std::array<QString, 4> positions = {QStringLiteral("一辩"), QStringLiteral("二辩"), QStringLiteral("三辩"),
                                              QStringLiteral("四辩")};
    for (int index = 1; index <= 8; ++index) {
        const std::size_t row = std::size_t(index - 1) % 4;
        makeSizedLabel(arrayName(QStringLiteral("Label4"), index), index <= 4 ? 1800 : 6480, RowTops[row], 915, 435,
                       positions[row], designFont(song, 21.75, true), Colours::Blue, Qt::AlignHCenter);
    }

    for (const DetailLabel &speaker : Speakers)
        makeSizedCopy(speaker, designFont(song, 36, true));
}

} // namespace Dovrel
