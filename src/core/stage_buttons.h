#pragma once

#include "core/stage_boxes.h"

#include <QList>
#include <QString>

#include <optional>

namespace Dovrel {

enum class StageClock { SingleSide, Dual, CrossExamination };

// What one stage button of the main menu hands over from the stages page and which clock it opens.
struct StageButton
{
    QString button;
    StageBox limitBox = StageBox::OpeningLimit;
    QString fixedName;               // written to the hand-over's stage name before the limit
    std::optional<StageBox> nameBox; // stage name copied to the hand-over after the limit
    QString title;     // written into the clock's title label
    StageClock clock = StageClock::SingleSide;
};

const QList<StageButton> &stageButtons();
const StageButton *findStageButton(const QString &button);

// Custom stage buttons and the stages page's name box whose text is their caption.
struct StageCaption
{
    QString button;
    StageBox nameBox = StageBox::StageOneName;
};
const QList<StageCaption> &stageCaptions();

} // namespace Dovrel
