#pragma once

#include <QList>
#include <QString>

namespace Dovrel {

enum class StageClock { SingleSide, Dual, CrossExamination };

// What one stage button of the main menu hands over and which clock it opens. Box numbers are the stages page's
// text boxes (`Text17` is 17); 0 means none.
struct StageButton
{
    QString button;
    int limitBox = 0;
    QString fixedName; // written to the hand-over's stage name before the limit
    int nameBox = 0;   // stage name box copied to the hand-over after the limit
    QString title;     // written into the clock's title label
    StageClock clock = StageClock::SingleSide;
};

const QList<StageButton> &stageButtons();
const StageButton *findStageButton(const QString &button);

// Custom stage buttons and the stages page's name box whose text is their caption.
struct StageCaption
{
    QString button;
    int nameBox = 0;
};
const QList<StageCaption> &stageCaptions();

} // namespace Dovrel
