#include "settings/overtime_page.h"

#include "core/program_identity.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/small_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

namespace Dovrel {

namespace {
constexpr int Width = 5400;
} // namespace

OvertimePage::OvertimePage(Application &app) : Screen(app)
{
    setDesignClientSize(Width, 3120);
    setFont(designFont(QStringLiteral("宋体"), 10.5));
    fixSmallWindow(this);
    setShown(Shown::Centred);

    makeSmallWindowHeading(this, QStringLiteral("超时设置"), Width);
    Check1 = makeControl<QCheckBox>(this, QStringLiteral("Check1"), 600, 960, 4440, 375);
    Check1->setText(QStringLiteral("超时继续计时（时间到后显示超出的时间）"));
    makeLabel(this, QStringLiteral("Label2"), 600, 1560, 1800, 375, QStringLiteral("超时提示音间隔"));
    Text1 = makeControl<QSpinBox>(this, QStringLiteral("Text1"), 2400, 1500, 975, 375);
    Text1->setRange(0, LongestBellSeconds);
    makeLabel(this, QStringLiteral("Label3"), 3480, 1560, 1800, 375, QStringLiteral("秒（0 为不响）"));

    connect(makeButton(this, QStringLiteral("Command1"), 1320, 2400, 1215, QStringLiteral("确定")),
            &QPushButton::clicked, this, &OvertimePage::saveChoice);
    connect(makeButton(this, QStringLiteral("Command2"), 2880, 2400, 1215, QStringLiteral("取消")),
            &QPushButton::clicked, this, &QWidget::close);
    makeCaptionTimer(QStringLiteral("Timer1"));
}

void OvertimePage::load()
{
    setWindowTitle(applicationTitle());
    const OvertimeRule rule = app().overtimeRule();
    Check1->setChecked(rule.countUp);
    Text1->setValue(rule.bellSeconds);
}

void OvertimePage::saveChoice()
{
    app().setOvertimeRule({.countUp = Check1->isChecked(), .bellSeconds = Text1->value()});
    close();
}

void OvertimePage::closing()
{
    app().screens().unload(this);
}

} // namespace Dovrel
