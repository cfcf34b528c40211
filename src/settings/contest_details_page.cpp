#include "settings/contest_details_page.h"

#include "core/settings_files.h"
#include "settings/stages_page.h"
#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace Dovrel {

namespace {

constexpr int BoxHeight = 405;

QLabel *makePageLabel(QWidget *parent, const QString &name, int left, int top, int width, int height,
                      const QString &text, const QFont &font)
{
    QLabel *label = makeLabel(parent, name, left, top, width, height, text);
    label->setFont(font);
    label->setWordWrap(false);
    setTextColour(label, Colours::DeepBlue);
    return label;
}

// The heading of a row: contest name, organiser, motions, teams, speakers.
QLabel *makeRowLabel(QWidget *parent, const QString &name, int left, int top, const QString &text)
{
    return makePageLabel(parent, name, left, top, 1860, BoxHeight, text,
                         designFont(QStringLiteral("楷体_GB2312"), 15.75, true));
}

// The small label before a speaker's or a judge's box.
QLabel *makePositionLabel(QWidget *parent, const QString &name, int left, int top, const QString &text)
{
    return makePageLabel(parent, name, left, top, 840, 285, text, designFont(QStringLiteral("宋体"), 10.5, true));
}

QLineEdit *makeBox(QWidget *parent, int number, int left, int top, int width)
{
    QLineEdit *box = makeControl<QLineEdit>(parent, QStringLiteral("Text%1").arg(number), left, top, width, BoxHeight);
    box->setFont(designFont(QStringLiteral("宋体"), 12));
    setBackColour(box, Colours::SettingsBox);
    // No length limit: a long motion is kept whole.
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

} // namespace

ContestDetailsPage::ContestDetailsPage(Application &app)
    : SettingsPage(app, SettingsFiles::numSet(), designFont(QStringLiteral("宋体"), 9))
{
    Picture1 = makeSidePicture(QStringLiteral("Picture1"));

    Label27 = makeRowLabel(this, QStringLiteral("Label27"), 2160, 600, QStringLiteral("辩论赛名称"));
    Text1 = makeBox(this, 1, 4080, 600, 7335);
    Label1 = makeRowLabel(this, QStringLiteral("Label1"), 2160, 1080, QStringLiteral("组织单位"));
    Text2 = makeBox(this, 2, 4080, 1080, 7335);
    Label3 = makeRowLabel(this, QStringLiteral("Label3"), 2160, 1920, QStringLiteral("正方辩题"));
    Text3 = makeBox(this, 3, 4080, 1920, 7335);
    Label4 = makeRowLabel(this, QStringLiteral("Label4"), 2160, 2400, QStringLiteral("反方辩题"));
    Text4 = makeBox(this, 4, 4080, 2400, 7335);
    Label6 = makeRowLabel(this, QStringLiteral("Label6"), 2160, 3240, QStringLiteral("正方代表队"));
    Text5 = makeBox(this, 5, 4080, 3240, 7335);
    Label7 = makeRowLabel(this, QStringLiteral("Label7"), 2160, 3720, QStringLiteral("反方代表队"));
    Text6 = makeBox(this, 6, 4080, 3720, 7335);

    const QString positions[] = {QStringLiteral("一辩"), QStringLiteral("二辩"), QStringLiteral("三辩"),
                                 QStringLiteral("四辩")};
    const int positionLefts[] = {3720, 5880, 7800, 9720};
    const int speakerLefts[] = {4440, 6480, 8400, 10320};

    Label9 = makeRowLabel(this, QStringLiteral("Label9"), 2160, 4680, QStringLiteral("正方队员"));
    QLabel **affirmativePositions[] = {&Label14, &Label10, &Label11, &Label12};
    const int affirmativeNumbers[] = {14, 10, 11, 12};
    QLineEdit **affirmative[] = {&Text7, &Text8, &Text9, &Text10};
    for (int i = 0; i < 4; ++i) {
        *affirmativePositions[i] = makePositionLabel(this, QStringLiteral("Label%1").arg(affirmativeNumbers[i]),
                                                     positionLefts[i], 4680, positions[i]);
        *affirmative[i] = makeBox(this, 7 + i, speakerLefts[i], 4560, 1095);
    }
    Label13 = makeRowLabel(this, QStringLiteral("Label13"), 2160, 5040, QStringLiteral("反方队员"));
    QLabel **negativePositions[] = {&Label15, &Label16, &Label18, &Label19};
    const int negativeNumbers[] = {15, 16, 18, 19};
    QLineEdit **negative[] = {&Text11, &Text12, &Text13, &Text14};
    for (int i = 0; i < 4; ++i) {
        *negativePositions[i] = makePositionLabel(this, QStringLiteral("Label%1").arg(negativeNumbers[i]),
                                                  positionLefts[i], 5160, positions[i]);
        *negative[i] = makeBox(this, 11 + i, speakerLefts[i], 5040, 1095);
    }

    Label17 = makePageLabel(this, QStringLiteral("Label17"), 2160, 5880, 1200, BoxHeight, QStringLiteral("评委"),
                            designFont(QStringLiteral("宋体"), 15, true));
    const QString judges[] = {QStringLiteral("评委一"), QStringLiteral("评委二"), QStringLiteral("评委三"),
                              QStringLiteral("评委四"), QStringLiteral("评委五"), QStringLiteral("评委六"),
                              QStringLiteral("评委七"), QStringLiteral("评委八"), QStringLiteral("评委九")};
    QLabel **judgeLabels[] = {&Label20, &Label21, &Label22, &Label23, &Label24, &Label25, &Label26, &Label2, &Label5};
    const int judgeLabelNumbers[] = {20, 21, 22, 23, 24, 25, 26, 2, 5};
    QLineEdit **judgeBoxes[] = {&Text15, &Text16, &Text17, &Text18, &Text19, &Text20, &Text21, &Text22, &Text23};
    const int labelLefts[] = {3720, 6480, 9240};
    const int boxLefts[] = {4560, 7440, 10080};
    for (int i = 0; i < 9; ++i) {
        const int row = i / 3;
        const int column = i % 3;
        *judgeLabels[i] = makePositionLabel(this, QStringLiteral("Label%1").arg(judgeLabelNumbers[i]),
                                            labelLefts[column], 6000 + 480 * row, judges[i]);
        *judgeBoxes[i] = makeBox(this, 15 + i, boxLefts[column], 5880 + 480 * row, 1335);
    }

    Command4 = makeBackButton(QStringLiteral("Command4"), 3960, 1455);
    Command3 = makeClearButton(QStringLiteral("Command3"), 6000, 1455);
    Command1 = makeSaveButton(QStringLiteral("Command1"), 8040, 1215);
    Command2 = makeNextButton<StagesPage>(QStringLiteral("Command2"), 9840, 1215);

    Timer1 = makeCaptionTimer(QStringLiteral("Timer1"));
}

QString ContestDetailsPage::detail(ContestDetail which) const
{
    return fileBoxes().at(int(which))->text();
}

QList<QLineEdit *> ContestDetailsPage::fileBoxes() const
{
    return {Text1,  Text2,  Text3,  Text4,  Text5,  Text6,  Text7,  Text8,  Text9,  Text10, Text11, Text12,
            Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20, Text21, Text22, Text23};
}

} // namespace Dovrel
