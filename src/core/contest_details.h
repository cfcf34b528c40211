#pragma once

namespace Dovrel {

// The 23 contest details in the order of the details page's boxes and of the lines of NumSet.ini, counted from 0:
// the box of line n + 1 is named `Text<n + 1>`.
enum class ContestDetail {
    ContestName,
    Organiser,
    AffirmativeMotion,
    NegativeMotion,
    AffirmativeTeam,
    NegativeTeam,
    AffirmativeFirstSpeaker,
    AffirmativeSecondSpeaker,
    AffirmativeThirdSpeaker,
    AffirmativeFourthSpeaker,
    NegativeFirstSpeaker,
    NegativeSecondSpeaker,
    NegativeThirdSpeaker,
    NegativeFourthSpeaker,
    JudgeOne,
    JudgeTwo,
    JudgeThree,
    JudgeFour,
    JudgeFive,
    JudgeSix,
    JudgeSeven,
    JudgeEight,
    JudgeNine,
};

inline constexpr int ContestDetailCount = 23;

} // namespace Dovrel
