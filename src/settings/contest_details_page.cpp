#include "settings/contest_details_page.h"

#include "settings/stages_page.h"
#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    : SettingsPage(app, PageFile::Details, designFont(QStringLiteral("宋体"), 9))
{
    makeSidePicture(QStringLiteral("Picture1"));

    const auto box = [this](ContestDetail detail, int left, int top, int width) {
        const int number = int(detail) + 1;
        m_boxes[std::size_t(detail)] = makeBox(this, number, left, top, width);
    };
    // The rows of one wide box each: contest name, organiser, motions, teams.
    const struct
    {
        const char *label;
        const char16_t *caption;
        int top;
        ContestDetail detail;
    } wideRows[] = {
        {"Label27", u"辩论赛名称", 600, ContestDetail::ContestName},
        {"Label1", u"组织单位", 1080, ContestDetail::Organiser},
        {"Label3", u"正方辩题", 1920, ContestDetail::AffirmativeMotion},
        {"Label4", u"反方辩题", 2400, ContestDetail::NegativeMotion},
        {"Label6", u"正方代表队", 3240, ContestDetail::AffirmativeTeam},
        {"Label7", u"反方代表队", 3720, ContestDetail::NegativeTeam},
    };
    for (const auto &row : wideRows) {
        makeRowLabel(this, QLatin1String(row.label), 2160, row.top, QString::fromUtf16(row.caption));
        box(row.detail, 4080, row.top, 7335);
    }

    // The speakers, a row a side: the position's label, then its box.
    const QString positions[] = {QStringLiteral("一辩"), QStringLiteral("二辩"), QStringLiteral("三辩"),
                                 QStringLiteral("四辩")};
    const int positionLefts[] = {3720, 5880, 7800, 9720};
    const int speakerLefts[] = {4440, 6480, 8400, 10320};
    const struct
    {
        const char *label;
        const char16_t *caption;
        int labelTop;
        int boxTop;
        int positionLabels[4];
        ContestDetail first;
    } speakerRows[] = {
        {"Label9", u"正方队员", 4680, 4560, {14, 10, 11, 12}, ContestDetail::AffirmativeFirstSpeaker},
        {"Label13", u"反方队员", 5040, 5040, {15, 16, 18, 19}, ContestDetail::NegativeFirstSpeaker},
    };
    for (const auto &row : speakerRows) {
        makeRowLabel(this, QLatin1String(row.label), 2160, row.labelTop, QString::fromUtf16(row.caption));
        for (int i = 0; i < 4; ++i) {
            // The position labels stand 120 twips below their boxes' top.
            makePositionLabel(this, QStringLiteral("Label%1").arg(row.positionLabels[i]), positionLefts[i],
                              row.boxTop + 120, positions[i]);
            box(ContestDetail(int(row.first) + i), speakerLefts[i], row.boxTop, 1095);
        }
    }

    // Nine judges, three a row.
    makePageLabel(this, QStringLiteral("Label17"), 2160, 5880, 1200, BoxHeight, QStringLiteral("评委"),
                  designFont(QStringLiteral("宋体"), 15, true));
    const QString judges = QStringLiteral("一二三四五六七八九");
    const int judgeLabelNumbers[] = {20, 21, 22, 23, 24, 25, 26, 2, 5};
    const int labelLefts[] = {3720, 6480, 9240};
    const int boxLefts[] = {4560, 7440, 10080};
    for (int i = 0; i < 9; ++i) {
        const int row = i / 3;
        const int column = i % 3;
        makePositionLabel(this, QStringLiteral("Label%1").arg(judgeLabelNumbers[i]), labelLefts[column],
                          6000 + 480 * row, QStringLiteral("评委") + judges.at(i));
        box(ContestDetail(int(ContestDetail::JudgeOne) + i), boxLefts[column], 5880 + 480 * row, 1335);
    }

    makeBackButton(QStringLiteral("Command4"), 3960, 1455);
    makeClearButton(QStringLiteral("Command3"), 6000, 1455);
    makeSaveButton(QStringLiteral("Command1"), 8040, 1215);
    makeNextButton<StagesPage>(QStringLiteral("Command2"), 9840, 1215);

    makeCaptionTimer(QStringLiteral("Timer1"));
}

QList<QLineEdit *> ContestDetailsPage::fileBoxes() const
{
    return QList<QLineEdit *>(m_boxes.begin(), m_boxes.end());
}

} // namespace Dovrel
