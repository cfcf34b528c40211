#include "scores/score_entry.h"

#include "core/layout_tag.h"
#include "core/program_identity.h"
#include "core/settings_files.h"
#include "scores/result_screen.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/messages.h"
#include "shell/settings_save.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Dovrel {

namespace {

constexpr int DialogWidth = 6180;
constexpr int DialogHeight = 3525;

QLabel *makePrompt(QWidget *parent, int index, int top, const QString &text)
{
    QLabel *label = makeLabel(parent, arrayName(QStringLiteral("Label1"), index), 600, top, 0, 0, text);
    label->setFont(designFont(QStringLiteral("宋体"), 10.5));
    setTextColour(label, Colours::Blue);
    setSizedToText(label);
    return label;
}

QLineEdit *makeScoreBox(QWidget *parent, const QString &name, int top)
{
    QLineEdit *box = makeControl<QLineEdit>(parent, name, 3960, top, 1575, 375);
    box->setEchoMode(QLineEdit::Password);
    // The style's own mask is a dot; every typed character shows as "*".
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    return box;
}

} // namespace

ScoreEntry::ScoreEntry(Application &app) : Screen(app)
{
    // Borderless, so there is no close button: the dialog is left through "确认".
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setShown(Shown::Centred);
    setFixedSize(twipsToPixels(DialogWidth), twipsToPixels(DialogHeight));
    setWindowTitle(applicationTitle());
    setFont(designFont(QStringLiteral("宋体"), 9));

    makePrompt(this, 0, 480, QStringLiteral("请键入正方代表队的最后得分"));
    Text1 = makeScoreBox(this, QStringLiteral("Text1"), 360);
    makePrompt(this, 1, 960, QStringLiteral("请再次键入正方代表队的最后得分"));
    Text2 = makeScoreBox(this, QStringLiteral("Text2"), 840);
    makePrompt(this, 2, 1920, QStringLiteral("请键入反方代表队的最后得分"));
    Text3 = makeScoreBox(this, QStringLiteral("Text3"), 1800);
    makePrompt(this, 3, 2400, QStringLiteral("请再次键入反方代表队的最后得分"));
    Text4 = makeScoreBox(this, QStringLiteral("Text4"), 2280);
    QPushButton *confirm =
        makeButton(this, QStringLiteral("Command1"), 4680, 3000, 1095, QStringLiteral("确认"), ButtonFace::Screen);

    // Focus starts on the button; Tab then runs through the four boxes in order.
    setTabOrder(confirm, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    confirm->setFocus();

    connect(confirm, &QPushButton::clicked, this, &ScoreEntry::confirmScores);
}

void ScoreEntry::confirmScores()
{
    // Texts are compared exactly as typed: "90" and "90.0" disagree although they are the same number.
    if (Text2->text() != Text1->text() || Text4->text() != Text3->text()) {
        inform(this, QStringLiteral("数据前后输入不一致，请重新输入！"));
        for (QLineEdit *box : {Text1, Text2, Text3, Text4})
            box->clear();
        return;
    }
    // A file that cannot be written has been told; the dialog stays with its entries so they can be tried again.
    if (!reportSettingsSave(this, SettingsFiles::Score, app().contest().saveScores({Text1->text(), Text3->text()})))
        return;
    app().screens().screen<ResultScreen>()->show();
    app().screens().unload(this);
}

} // namespace Dovrel
