#pragma once

namespace Dovrel {

// The 21 boxes of the stages page in the order of the lines of TimeSet.ini, counted from 0: the box of line n + 1
// is named `Text<n + 1>`. Stages one to eight are the configurable ones; the last five limits are the preset
// stages'.
enum class StageBox {
    StageOneName,
    StageTwoName,
    StageThreeName,
    StageFourName,
    StageSevenName,
    StageEightName,
    StageOneLimit,
    StageTwoLimit,
    StageThreeLimit,
    StageFourLimit,
    StageSevenLimit,
    StageEightLimit,
    StageFiveName,
    StageSixName,
    StageFiveLimit,
    StageSixLimit,
    OpeningLimit,
    CrossExaminationLimit,
    SummaryLimit,
    FreeDebateLimit,
    ClosingLimit,
};

inline constexpr int StageBoxCount = 21;

// Whether the box holds a stage's name rather than its time limit.
bool isStageNameBox(StageBox box);

} // namespace Dovrel
