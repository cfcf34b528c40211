#include "settings/stages_page.h"

#include "core/contest.h"
#include "core/limit_verdict.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

void makeUnitLabel(QWidget *parent, int index, int left, int top)
{
    QLabel *label =
        makeLabel(parent, arrayName(QStringLiteral("Label1"), index), left, top, 375, 375, QStringLiteral("S"));
    label->setFont(designFont(QStringLiteral("宋体"), 14.25, true));
    setTextColour(label, Colours::DeepBlue);
}

} // namespace

StagesPage::StagesPage(Application &app) : SettingsPage(app, PageFile::Stages, std::nullopt)
{
    makeSidePicture(QStringLiteral("Picture1"));
    const auto makeStageBox = [this](StageBox which, int left, int top, int width, const QColor &background) {
        m_boxes[std::size_t(which)] =
            makeBox(this, QStringLiteral("Text%1").arg(int(which) + 1), left, top, width, background);
    };

    // The five preset stages, two columns: label, limit box, unit.
    const struct
    {
        int label;
        const char16_t *caption;
        int left;
        int top;
        StageBox limit;
        int unit;
    } presets[] = {
        {1, u"开篇陈词（预设）限时", 2520, 720, StageBox::OpeningLimit, 8},
        {2, u"攻辩（预设）限时", 7080, 720, StageBox::CrossExaminationLimit, 11},
        {3, u"攻辩小结（预设）限时", 2520, 1200, StageBox::SummaryLimit, 9},
        {4, u"自由辩论（预设）限时", 7080, 1200, StageBox::FreeDebateLimit, 12},
        {5, u"总结陈词（预设）限时", 2520, 1680, StageBox::ClosingLimit, 10},
    };
    for (const auto &p : presets) {
        makeFieldLabel(this, arrayName(QStringLiteral("Label2"), p.label), p.left, p.top, 2400,
                       QString::fromUtf16(p.caption), Blue);
        makeStageBox(p.limit, p.left + 2400, p.top - 120, 1215, PresetBoxColour);
        makeUnitLabel(this, p.unit, p.left + 3720, p.top - 120);
    }

    // The eight configurable stages, one row each: name label and box, limit label and box, unit.
    const struct
    {
        int top;
        const char16_t *caption;
        QString nameLabel;
        StageBox name;
        QString limitLabel;
        StageBox limit;
        int unit;
        QColor colour;
    } rows[] = {
        {2400, u"环节一", arrayName(QStringLiteral("Label2"), 0), StageBox::StageOneName, QStringLiteral("Label8"),
         StageBox::StageOneLimit, 0, QColor()},
        {2880, u"环节二", QStringLiteral("Label3"), StageBox::StageTwoName, QStringLiteral("Label9"),
         StageBox::StageTwoLimit, 5, QColor()},
        {3360, u"环节三", QStringLiteral("Label4"), StageBox::StageThreeName, QStringLiteral("Label10"),
         StageBox::StageThreeLimit, 4, QColor()},
        {3840, u"环节四", arrayName(QStringLiteral("Label5"), 0), StageBox::StageFourName,
         arrayName(QStringLiteral("Label11"), 0), StageBox::StageFourLimit, 3, QColor()},
        {4320, u"环节五", arrayName(QStringLiteral("Label5"), 1), StageBox::StageFiveName,
         arrayName(QStringLiteral("Label11"), 1), StageBox::StageFiveLimit, 6, QColor()},
        {4800, u"环节六", arrayName(QStringLiteral("Label5"), 2), StageBox::StageSixName,
         arrayName(QStringLiteral("Label11"), 2), StageBox::StageSixLimit, 7, QColor()},
        {6240, u"环节七", QStringLiteral("Label6"), StageBox::StageSevenName, QStringLiteral("Label12"),
         StageBox::StageSevenLimit, 2, Magenta},
        {6720, u"环节八", QStringLiteral("Label7"), StageBox::StageEightName, QStringLiteral("Label13"),
         StageBox::StageEightLimit, 1, Magenta},
    };
    for (const auto &row : rows) {
        const QString caption = QString::fromUtf16(row.caption);
        if (row.name == StageBox::StageSevenName) {
            makeFieldLabel(this, QStringLiteral("Label14"), 3600, 5640, 7200,
                           QStringLiteral("以下设置用于辩论双方同时计时的环节，如“自由辩论环节”"), Red);
        }
        QLabel *nameLabel =
            makeFieldLabel(this, row.nameLabel, 3120, row.top + 60, 1320, caption + QStringLiteral("名称"), row.colour);
        // Stage three's name is not the timekeeper's to type, and says so in red.
        if (row.name == StageBox::StageThreeName)
            setTextColour(nameLabel, Red);
        makeStageBox(row.name, 4440, row.top, 2055, StageBoxColour);
        makeFieldLabel(this, row.limitLabel, 7200, row.top + 60, 1440, caption + QStringLiteral("限时"), row.colour);
        makeStageBox(row.limit, 8640, row.top, 1215, StageBoxColour);
        makeUnitLabel(this, row.unit, 9960, row.top);
    }

    // Stages three and seven run on clocks of their own kind; their names are not the timekeeper's to type.
    for (StageBox fixed : {StageBox::StageThreeName, StageBox::StageSevenName}) {
        box(fixed)->setReadOnly(true);
        setTextColour(box(fixed), Red);
    }
    box(StageBox::StageThreeName)->setText(stageThreeDesignName());
    box(StageBox::StageSevenName)->setText(stageSevenDesignName());

    constexpr int ButtonWidth = 1455;
    makePreviousButton<ContestDetailsPage>(QStringLiteral("Command2"), 3000, ButtonWidth);
    makeBackButton(QStringLiteral("Command5"), 4680, ButtonWidth);
    makeClearButton(QStringLiteral("Command4"), 6360, ButtonWidth);
    makeSaveButton(QStringLiteral("Command1"), 8040, ButtonWidth);
    makeNextButton<SoundPage>(QStringLiteral("Command3"), 9720, ButtonWidth);

    makeCaptionTimer(QStringLiteral("Timer1"));

    // A limit the clock will read otherwise than typed shows in red, and says how it will be read; it is kept and
    // saved exactly as typed all the same.
    for (int i = 0; i < StageBoxCount; ++i) {
        if (isStageNameBox(StageBox(i)))
            continue;
        QLineEdit *limit = m_boxes[std::size_t(i)];
        connect(limit, &QLineEdit::textChanged, this, [limit] { markUnreadableLimit(limit); });
    }
}

void StagesPage::markUnreadableLimit(QLineEdit *box)
{
    const LimitVerdict verdict = limitVerdict(box->text());
    setTextColour(box, verdict.fine ? Colours::Black : Red);
    box->setToolTip(verdict.fine ? QString()
                                 : verdict.sentence + QStringLiteral("。\n限时请填写 1 至 32767 的整数秒数。"));
}

QLineEdit *StagesPage::box(StageBox which) const
{
    return m_boxes[std::size_t(which)];
}

QList<QLineEdit *> StagesPage::fileBoxes() const
{
    return QList<QLineEdit *>(m_boxes.begin(), m_boxes.end());
}

QList<QLineEdit *> StagesPage::clearedBoxes() const
{
    QList<QLineEdit *> boxes = fileBoxes();
    boxes.removeOne(box(StageBox::StageThreeName));
    boxes.removeOne(box(StageBox::StageSevenName));
    return boxes;
}

} // namespace Dovrel
