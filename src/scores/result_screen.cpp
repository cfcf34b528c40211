#include "scores/result_screen.h"

#include "core/score_rule.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>
#include <QPushButton>

namespace Dovrel {

namespace {

QLabel *makeHeading(QWidget *parent, const QString &name, int left, int top, int width, int height, const QString &text,
                    const QFont &font, const QColor &colour)
{
    QLabel *label = makeLabel(parent, name, left, top, width, height, text);
    label->setFont(font);
    setTextColour(label, colour);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setSizedToText(label);
    return label;
}

QLabel *makeValue(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    QLabel *label = makeLabel(parent, name, left, top, width, height);
    label->setFont(designFont(QStringLiteral("宋体"), 51.75));
    // A total is one line; a long one runs past its box rather than breaking.
    label->setWordWrap(false);
    return label;
}

} // namespace

ShownResult storedResult(Application &app)
{
    const ScoreTotals totals = app.contest().scores();
    const ContestResult result = contestResult(totals.affirmative, totals.negative);
    const ContestDetails details = app.contest().details();
    return {result.affirmativeTotal, result.negativeTotal,
            winnerText(result.winner, details[ContestDetail::AffirmativeTeam], details[ContestDetail::NegativeTeam])};
}

ResultScreen::ResultScreen(Application &app) : Screen(app)
{
    setUpFullSize(Colours::Result, designFont(QStringLiteral("宋体"), 9), Shown::HallScreen);

    const QFont headingFont = designFont(QStringLiteral("宋体"), 27.75, true);
    const QColor headingColour = Colours::Blue;
    makeHeading(this, QStringLiteral("Label1"), 4470, 240, 2895, 720, QStringLiteral("比赛结果"),
                designFont(QStringLiteral("隶书"), 36), Colours::Black);
    makeHeading(this, QStringLiteral("Label2"), 1125, 1560, 2850, 555, QStringLiteral("正方总成绩"), headingFont,
                headingColour);
    Label6 = makeValue(this, QStringLiteral("Label6"), 4680, 1320, 5295, 975);
    makeHeading(this, QStringLiteral("Label3"), 1125, 3120, 2850, 555, QStringLiteral("反方总成绩"), headingFont,
                headingColour);
    Label7 = makeValue(this, QStringLiteral("Label7"), 4680, 2880, 5415, 1215);
    makeHeading(this, QStringLiteral("Label4"), 5295, 4440, 1710, 555, QStringLiteral("获胜方"), headingFont,
                headingColour);
    Label5 = makeLabel(this, QStringLiteral("Label5"), 120, 5520, 11640, 2205);
    Label5->setFont(designFont(QStringLiteral("华文行楷"), 42));
    setTextColour(Label5, Colours::Red);
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Each value is revealed by its own button, in any order, and stays shown until the screen closes.
    connect(makeButton(this, QStringLiteral("Command1"), 4680, 7920, 1575, QStringLiteral("正方总成绩")),
            &QPushButton::clicked, Label6, &QWidget::show);
    connect(makeButton(this, QStringLiteral("Command2"), 6480, 7920, 1575, QStringLiteral("反方总成绩")),
            &QPushButton::clicked, Label7, &QWidget::show);
    connect(makeButton(this, QStringLiteral("Command3"), 8400, 7920, 1455, QStringLiteral("获胜方")),
            &QPushButton::clicked, Label5, &QWidget::show);

    makeCaptionTimer(QStringLiteral("Timer1"));
}

void ResultScreen::load()
{
    Label5->hide();
    Label6->hide();
    Label7->hide();
    recordDesign();
    const ShownResult result = storedResult(app());
    Label6->setText(result.affirmativeTotal);
    Label7->setText(result.negativeTotal);
    Label5->setText(result.winner);
}

void ResultScreen::resized()
{
    // At the design size the affirmative total's box is shorter than its 51.75-point line; it grows downwards to
    // the line's height so that the digits are never cut.
    for (QLabel *value : {Label6, Label7}) {
        const int lineHeight = value->sizeHint().height();
        if (value->height() < lineHeight)
            value->resize(value->width(), lineHeight);
    }
}

} // namespace Dovrel
