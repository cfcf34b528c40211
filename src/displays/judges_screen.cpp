#include "displays/judges_screen.h"

#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>

#include <array>

namespace Dovrel {

JudgesScreen::JudgesScreen(Application &app) : InfoScreen(app)
{
    makeSizedLabel(QStringLiteral("Label10"), 5040, 720, 2820, 1095, QStringLiteral("评 委"),
                   designFont(QStringLiteral("隶书"), 54.75, true), Colours::DarkTeal);

    // Judges one to nine, the grid row by row from the top left.
    constexpr std::array<int, 3> lefts = {1440, 4740, 8040};
    constexpr std::array<int, 3> tops = {2760, 4260, 5760};
    const QFont font = designFont(QStringLiteral("楷体_GB2312"), 42, true);
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "Label" + QByteArray::number(i + 1);
        makeBoxCopy({.name = name.constData(),
                     .left = lefts[std::size_t(i % 3)],
                     .top = tops[std::size_t(i / 3)],
                     .width = 3135,
                     .height = 975,
                     .detail = ContestDetail(int(ContestDetail::JudgeOne) + i)},
                    font, Colours::DeepBlue);
    }
}

} // namespace Dovrel
