#include "core/stage_buttons.h"

namespace Dovrel {

const QList<StageButton> &stageButtons()
{
    static const QList<StageButton> buttons = {
        {QStringLiteral("Command37"), StageBox::OpeningLimit, QStringLiteral("开篇陈词"), std::nullopt,
         QStringLiteral("开篇陈词"), StageClock::SingleSide},
        {QStringLiteral("Command38"), StageBox::CrossExaminationLimit, QString(), std::nullopt, QString(),
         StageClock::CrossExamination},
        {QStringLiteral("Command39"), StageBox::SummaryLimit, QStringLiteral("攻辩小结"), std::nullopt,
         QStringLiteral("攻辩小结"), StageClock::SingleSide},
        {QStringLiteral("Command40"), StageBox::FreeDebateLimit, QString(), std::nullopt, QStringLiteral("自由辩论"),
         StageClock::Dual},
        {QStringLiteral("Command41"), StageBox::ClosingLimit, QStringLiteral("总结陈词"), std::nullopt,
         QStringLiteral("总结陈词"), StageClock::SingleSide},
        {QStringLiteral("Command10"), StageBox::StageOneLimit, QString(), StageBox::StageOneName, QString(),
         StageClock::SingleSide},
        {QStringLiteral("Command11"), StageBox::StageTwoLimit, QString(), StageBox::StageTwoName, QString(),
         StageClock::SingleSide},
        {QStringLiteral("Command12"), StageBox::StageThreeLimit, QString(), std::nullopt, QString(),
         StageClock::CrossExamination},
        {QStringLiteral("Command13"), StageBox::StageFourLimit, QString(), StageBox::StageFourName, QString(),
         StageClock::SingleSide},
        {QStringLiteral("Command14"), StageBox::StageFiveLimit, QString(), StageBox::StageFiveName, QString(),
         StageClock::SingleSide},
        {QStringLiteral("Command15"), StageBox::StageSixLimit, QString(), StageBox::StageSixName, QString(),
         StageClock::SingleSide},
        {QStringLiteral("Command42"), StageBox::StageSevenLimit, QString(), std::nullopt, QStringLiteral("自由辩论"),
         StageClock::Dual},
        {QStringLiteral("Command43"), StageBox::StageEightLimit, QString(), StageBox::StageEightName, QString(),
         StageClock::Dual},
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
        {QStringLiteral("Command10"), StageBox::StageOneName},
        {QStringLiteral("Command11"), StageBox::StageTwoName},
        {QStringLiteral("Command12"), StageBox::StageThreeName},
        {QStringLiteral("Command13"), StageBox::StageFourName},
        {QStringLiteral("Command14"), StageBox::StageFiveName},
        {QStringLiteral("Command15"), StageBox::StageSixName},
        {QStringLiteral("Command42"), StageBox::StageSevenName},
        {QStringLiteral("Command43"), StageBox::StageEightName},
    };
    return captions;
}

} // namespace Dovrel
