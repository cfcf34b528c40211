#include "displays/speakers_screen.h"

#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>

namespace Dovrel {

namespace {
constexpr std::array<int, 4> RowTops = {2880, 4080, 5280, 6405};
constexpr std::array<int, 4> NameTops = {2715, 3915, 5115, 6240};
} // namespace

SpeakersScreen::SpeakersScreen(Application &app) : InfoScreen(app, speakersCopies())
{
    const QString song = QStringLiteral("宋体");

    Label1 = makeSizedLabel(QStringLiteral("Label1"), 4320, 480, 4500, 1095, QStringLiteral("双方队员"),
                            designFont(QStringLiteral("隶书"), 54.75, true), Colours::DarkTeal);
    Label2 = makeSizedLabel(QStringLiteral("Label2"), 3120, 1920, 960, 360, QStringLiteral("正 方"),
                            designFont(song, 18, true), Colours::Blue, Qt::AlignHCenter);
    Label3 = makeSizedLabel(QStringLiteral("Label3"), 7575, 1920, 960, 360, QStringLiteral("反 方"),
                            designFont(song, 18, true), Colours::Blue, Qt::AlignHCenter);

    const std::array<QString, 4> positions = {QStringLiteral("一辩"), QStringLiteral("二辩"), QStringLiteral("三辩"),
                                              QStringLiteral("四辩")};
    for (int index = 1; index <= 8; ++index) {
        const std::size_t row = std::size_t(index - 1) % 4;
        Label4[std::size_t(index)] =
            makeSizedLabel(arrayName(QStringLiteral("Label4"), index), index <= 4 ? 1800 : 6480, RowTops[row], 915, 435,
                           positions[row], designFont(song, 21.75, true), Colours::Blue, Qt::AlignHCenter);
    }

    const QFont nameFont = designFont(song, 36, true);
    std::array<QLabel **, 8> names = {&Label5, &Label6, &Label7, &Label8, &Label9, &Label10, &Label11, &Label12};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool negative = i >= 4;
        const int number = int(i) + 5;
        const int width = negative && number != 9 ? 2625 : 2250;
        *names[i] = makeSizedLabel(QStringLiteral("Label%1").arg(number), negative ? 7680 : 3000, NameTops[i % 4],
                                   width, 720, QStringLiteral("Label%1").arg(number), nameFont);
    }
}

} // namespace Dovrel
