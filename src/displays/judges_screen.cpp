#include "displays/judges_screen.h"

#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>

#include <array>

namespace Dovrel {

JudgesScreen::JudgesScreen(Application &app) : InfoScreen(app, judgesCopies())
{
    Label10 = makeSizedLabel(QStringLiteral("Label10"), 5040, 720, 2820, 1095, QStringLiteral("评 委"),
                             designFont(QStringLiteral("隶书"), 54.75, true), Colours::DarkTeal);

    constexpr std::array<int, 3> lefts = {1440, 4740, 8040};
    constexpr std::array<int, 3> tops = {2760, 4260, 5760};
    const QFont font = designFont(QStringLiteral("楷体_GB2312"), 42, true);
    std::array<QLabel **, 9> cells = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9};
    for (std::size_t i = 0; i < cells.size(); ++i)
        *cells[i] = makeBoxLabel(QStringLiteral("Label%1").arg(i + 1), lefts[i % 3], tops[i / 3], 3135, 975, font,
                                 Colours::DeepBlue);
}

} // namespace Dovrel
