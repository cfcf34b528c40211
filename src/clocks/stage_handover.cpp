#include "clocks/stage_handover.h"

#include "shell/application.h"
#include "shell/controls.h"

#include <QLineEdit>

namespace Dovrel {

StageHandover::StageHandover(Application &app) : Screen(app)
{
    setDesignClientSize(4680, 3195);
    makeLabel(this, QStringLiteral("Label1"), 360, 240, 1215, 255, QStringLiteral("数据传递"));
    Text1 = makeControl<QLineEdit>(this, QStringLiteral("Text1"), 360, 720, 3855, 375);
    Text2 = makeControl<QLineEdit>(this, QStringLiteral("Text2"), 360, 1320, 3855, 375);
    for (QLineEdit *box : {Text1, Text2})
        box->setReadOnly(true);
    connect(&app.contest(), &Contest::handedOverChanged, this, &StageHandover::showHandedOver);
}

void StageHandover::load()
{
    showHandedOver();
}

void StageHandover::showHandedOver()
{
    const HandedOverStage stage = app().contest().handedOver();
    Text1->setText(stage.limit);
    Text2->setText(stage.name);
}

} // namespace Dovrel
