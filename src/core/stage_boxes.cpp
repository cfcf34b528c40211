#include "core/stage_boxes.h"

namespace Dovrel {

bool isStageNameBox(StageBox box)
{
    switch (box) {
    case StageBox::StageOneName:
    case StageBox::StageTwoName:
    case StageBox::StageThreeName:
    case StageBox::StageFourName:
    case StageBox::StageFiveName:
    case StageBox::StageSixName:
    case StageBox::StageSevenName:
    case StageBox::StageEightName:
        return true;
    default:
        return false;
    }
}

} // namespace Dovrel
