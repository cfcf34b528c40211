#include "settings/stages_page.h"

#include "core/limit_verdict.h"
#include "core/settings_files.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace Dovrel {

namespace {

using Colours::Blue;
using Colours::Magenta;
using Colours::Red;
const QColor PresetBoxColour = Colours::SettingsBox;
const QColor StageBoxColour = Colours::Display;

QLabel *makeFieldLabel(QWidget *parent, const QString &name, int left, int top, int width, const QString &text,
                       const QColor &colour = QColor())
{
    QLabel *label = makeLabel(parent, name, left, top, width, 285, text);
    label->setFont(designFont(QStringLiteral("宋体"), 10.5, true));
    if (colour.isValid())
        setTextColour(label, colour);
    return label;
}

QLineEdit *makeBox(QWidget *parent, const QString &name, int left, int top, int width, const QColor &background)
{
    QLineEdit *box = makeControl<QLineEdit>(parent, name, left, top, width, 375);
    box->setFont(designFont(QStringLiteral("宋体"), 12));
    setBackColour(box, background);
    return box;
}

QLabel *makeUnitLabel(QWidget *parent, int index, int left, int top)
{
    QLabel *label =
        makeLabel(parent, arrayName(QStringLiteral("Label1"), index), left, top, 375, 375, QStringLiteral("S"));
    label->setFont(designFont(QStringLiteral("宋体"), 14.25, true));
    setTextColour(label, Colours::DeepBlue);
    return label;
}

} // namespace

QString StagesPage::stageThreeDesignName()
{
    return QStringLiteral("攻辩 ");
}

QString StagesPage::stageSevenDesignName()
{
    return QStringLiteral("自由辩论");
}

StagesPage::StagesPage(Application &app) : SettingsPage(app, SettingsFiles::timeSet(), std::nullopt)
{
    Picture1 = makeSidePicture(QStringLiteral("Picture1"));

    // The five preset stages, two columns: label, limit box, unit.
    struct Preset
    {
        int label;
        const char16_t *caption;
        int left;
        int top;
        QLineEdit **box;
        int boxNumber;
        int unit;
    };
    const Preset presets[] = {
        {1, u"开篇陈词（预设）限时", 2520, 720, &Text17, 17, 8},
        {2, u"攻辩（预设）限时", 7080, 720, &Text18, 18, 11},
        {3, u"攻辩小结（预设）限时", 2520, 1200, &Text19, 19, 9},
        {4, u"自由辩论（预设）限时", 7080, 1200, &Text20, 20, 12},
        {5, u"总结陈词（预设）限时", 2520, 1680, &Text21, 21, 10},
    };
    for (const Preset &p : presets) {
        Label2[p.label] = makeFieldLabel(this, arrayName(QStringLiteral("Label2"), p.label), p.left, p.top, 2400,
                                         QString::fromUtf16(p.caption), Blue);
        *p.box =
            makeBox(this, QStringLiteral("Text%1").arg(p.boxNumber), p.left + 2400, p.top - 120, 1215, PresetBoxColour);
        Label1[p.unit] = makeUnitLabel(this, p.unit, p.left + 3720, p.top - 120);
    }

    // The eight configurable stages, one row each: name label and box, limit label and box, unit.
    const auto stageRow = [this](int top, QLabel *&nameLabel, const QString &nameLabelName, const QString &caption,
                                 QLineEdit *&nameBox, int nameBoxNumber, QLabel *&limitLabel,
                                 const QString &limitLabelName, QLineEdit *&limitBox, int limitBoxNumber, int unit,
                                 const QColor &colour) {
        nameLabel = makeFieldLabel(this, nameLabelName, 3120, top + 60, 1320, caption + QStringLiteral("名称"), colour);
        nameBox = makeBox(this, QStringLiteral("Text%1").arg(nameBoxNumber), 4440, top, 2055, StageBoxColour);
        limitLabel =
            makeFieldLabel(this, limitLabelName, 7200, top + 60, 1440, caption + QStringLiteral("限时"), colour);
        limitBox = makeBox(this, QStringLiteral("Text%1").arg(limitBoxNumber), 8640, top, 1215, StageBoxColour);
        Label1[unit] = makeUnitLabel(this, unit, 9960, top);
    };
    stageRow(2400, Label2[0], arrayName(QStringLiteral("Label2"), 0), QStringLiteral("环节一"), Text1, 1, Label8,
             QStringLiteral("Label8"), Text7, 7, 0, QColor());
    stageRow(2880, Label3, QStringLiteral("Label3"), QStringLiteral("环节二"), Text2, 2, Label9,
             QStringLiteral("Label9"), Text8, 8, 5, QColor());
    stageRow(3360, Label4, QStringLiteral("Label4"), QStringLiteral("环节三"), Text3, 3, Label10,
             QStringLiteral("Label10"), Text9, 9, 4, QColor());
    setTextColour(Label4, Red);
    stageRow(3840, Label5[0], arrayName(QStringLiteral("Label5"), 0), QStringLiteral("环节四"), Text4, 4, Label11[0],
             arrayName(QStringLiteral("Label11"), 0), Text10, 10, 3, QColor());
    stageRow(4320, Label5[1], arrayName(QStringLiteral("Label5"), 1), QStringLiteral("环节五"), Text13, 13, Label11[1],
             arrayName(QStringLiteral("Label11"), 1), Text15, 15, 6, QColor());
    stageRow(4800, Label5[2], arrayName(QStringLiteral("Label5"), 2), QStringLiteral("环节六"), Text14, 14, Label11[2],
             arrayName(QStringLiteral("Label11"), 2), Text16, 16, 7, QColor());

    Label14 = makeFieldLabel(this, QStringLiteral("Label14"), 3600, 5640, 7200,
                             QStringLiteral("以下设置用于辩论双方同时计时的环节，如“自由辩论环节”"), Red);

    stageRow(6240, Label6, QStringLiteral("Label6"), QStringLiteral("环节七"), Text5, 5, Label12,
             QStringLiteral("Label12"), Text11, 11, 2, Magenta);
    stageRow(6720, Label7, QStringLiteral("Label7"), QStringLiteral("环节八"), Text6, 6, Label13,
             QStringLiteral("Label13"), Text12, 12, 1, Magenta);

    // Stages three and seven run on clocks of their own kind; their names are not the timekeeper's to type.
    for (QLineEdit *fixedName : {Text3, Text5}) {
        fixedName->setReadOnly(true);
        setTextColour(fixedName, Red);
    }
    Text3->setText(stageThreeDesignName());
    Text5->setText(stageSevenDesignName());

    constexpr int ButtonWidth = 1455;
    Command2 = makePreviousButton<ContestDetailsPage>(QStringLiteral("Command2"), 3000, ButtonWidth);
    Command5 = makeBackButton(QStringLiteral("Command5"), 4680, ButtonWidth);
    Command4 = makeClearButton(QStringLiteral("Command4"), 6360, ButtonWidth);
    Command1 = makeSaveButton(QStringLiteral("Command1"), 8040, ButtonWidth);
    Command3 = makeNextButton<SoundPage>(QStringLiteral("Command3"), 9720, ButtonWidth);

    Timer1 = makeCaptionTimer(QStringLiteral("Timer1"));

    // A limit the clock will read otherwise than typed shows in red, and says how it will be read; it is kept and
    // saved exactly as typed all the same.
    const QList<QLineEdit *> boxes = fileBoxes();
    for (int i = 0; i < StageBoxCount; ++i) {
        if (isStageNameBox(StageBox(i)))
            continue;
        QLineEdit *box = boxes.at(i);
        connect(box, &QLineEdit::textChanged, this, [box] { markUnreadableLimit(box); });
    }
}

void StagesPage::markUnreadableLimit(QLineEdit *box)
{
    const LimitVerdict verdict = limitVerdict(box->text());
    setTextColour(box, verdict.fine ? Colours::Black : Red);
    box->setToolTip(verdict.fine ? QString()
                                 : verdict.sentence + QStringLiteral("。\n限时请填写 1 至 32767 的整数秒数。"));
}

void StagesPage::load()
{
    SettingsPage::load();

    // Without a name from the file, stages three and seven would stay unnamed for good, since the page cannot
    // enter them; they get their design names back instead, and the next save writes those.
    if (Text3->text().isEmpty())
        Text3->setText(stageThreeDesignName());
    if (Text5->text().isEmpty())
        Text5->setText(stageSevenDesignName());
}

QString StagesPage::stageName(StageBox box) const
{
    Q_ASSERT(isStageNameBox(box));
    return fileBoxes().at(int(box))->text();
}

QString StagesPage::stageLimit(StageBox box) const
{
    Q_ASSERT(!isStageNameBox(box));
    return fileBoxes().at(int(box))->text();
}

QList<QLineEdit *> StagesPage::fileBoxes() const
{
    return {Text1,  Text2,  Text3,  Text4,  Text5,  Text6,  Text7,  Text8,  Text9,  Text10, Text11,
            Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20, Text21};
}

QList<QLineEdit *> StagesPage::clearedBoxes() const
{
    QList<QLineEdit *> boxes = fileBoxes();
    boxes.removeOne(Text3);
    boxes.removeOne(Text5);
    return boxes;
}

} // namespace Dovrel
