#include "core/stage_buttons.h"

namespace Dovrel {

const QList<StageButton> &stageButtons()
{
    static const QList<StageButton> buttons = {
        {QStringLiteral("Command37"), 17, QStringLiteral("开篇陈词"), 0, QStringLiteral("开篇陈词"),
         StageClock::SingleSide},
        {QStringLiteral("Command38"), 18, QString(), 0, QString(), StageClock::CrossExamination},
        {QStringLiteral("Command39"), 19, QStringLiteral("攻辩小结"), 0, QStringLiteral("攻辩小结"),
         StageClock::SingleSide},
        {QStringLiteral("Command40"), 20, QString(), 0, QStringLiteral("自由辩论"), StageClock::Dual},
        {QStringLiteral("Command41"), 21, QStringLiteral("总结陈词"), 0, QStringLiteral("总结陈词"),
         StageClock::SingleSide},
        {QStringLiteral("Command10"), 7, QString(), 1, QString(), StageClock::SingleSide},
        {QStringLiteral("Command11"), 8, QString(), 2, QString(), StageClock::SingleSide},
        {QStringLiteral("Command12"), 9, QString(), 0, QString(), StageClock::CrossExamination},
        {QStringLiteral("Command13"), 10, QString(), 4, QString(), StageClock::SingleSide},
        {QStringLiteral("Command14"), 15, QString(), 13, QString(), StageClock::SingleSide},
        {QStringLiteral("Command15"), 16, QString(), 14, QString(), StageClock::SingleSide},
        {QStringLiteral("Command42"), 11, QString(), 0, QStringLiteral("自由辩论"), StageClock::Dual},
        {QStringLiteral("Command43"), 12, QString(), 6, QString(), StageClock::Dual},
    };
    return buttons;
}

const StageButton *findStageButton(const QString &button)
{
    for (const StageButton &stage : stageButtons()) {
        if (stage.button == button)
            return &stage;
    }
    return nullptr;
}

const QList<StageCaption> &stageCaptions()
{
    static const QList<StageCaption> captions = {
        {QStringLiteral("Command10"), 1},  {QStringLiteral("Command11"), 2}, {QStringLiteral("Command12"), 3},
        {QStringLiteral("Command13"), 4},  {QStringLiteral("Command14"), 13}, {QStringLiteral("Command15"), 14},
        {QStringLiteral("Command42"), 5},  {QStringLiteral("Command43"), 6},
    };
    return captions;
}

} // namespace Dovrel
