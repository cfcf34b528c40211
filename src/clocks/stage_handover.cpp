#include "clocks/stage_handover.h"

#include "shell/controls.h"

#include <QLabel>
#include <QLineEdit>

namespace Dovrel {

StageHandover::StageHandover(Application &app) : Screen(app)
{
    setDesignClientSize(4680, 3195);
    Label1 = makeLabel(this, QStringLiteral("Label1"), 360, 240, 1215, 255, QStringLiteral("数据传递"));
    Text1 = makeControl<QLineEdit>(this, QStringLiteral("Text1"), 360, 720, 3855, 375);
    Text2 = makeControl<QLineEdit>(this, QStringLiteral("Text2"), 360, 1320, 3855, 375);
}

StageHandover::Stage StageHandover::stage() const
{
    return {Text1->text(), Text2->text()};
}

void StageHandover::handOverLimit(const QString &limit)
{
    Text1->setText(limit);
}

void StageHandover::handOverName(const QString &name)
{
    Text2->setText(name);
}

} // namespace Dovrel
