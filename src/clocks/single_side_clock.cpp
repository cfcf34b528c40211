#include "clocks/single_side_clock.h"

#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace Dovrel {

SingleSideClock::SingleSideClock(Application &app) : ClockScreen(app)
{
    Label1 = makeLabel(this, QStringLiteral("Label1"), 3240, 360, 5775, 1095);
    Label1->setFont(designFont(QStringLiteral("华文行楷"), 36));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label2 = makeLabel(this, QStringLiteral("Label2"), 120, 2400, 11655, 3375);
    // The face of the time is ours to choose: bold reads best from the back of a hall.
    Label2->setFont(designFont(QStringLiteral("宋体"), 120, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(false);

    QPushButton *affirmative =
        makeButton(this, QStringLiteral("Command1"), 3120, 7920, 1095, QStringLiteral("正方"), ButtonFace::Screen);
    QPushButton *negative =
        makeButton(this, QStringLiteral("Command2"), 4920, 7920, 1215, QStringLiteral("反方"), ButtonFace::Screen);
    QPushButton *reset =
        makeButton(this, QStringLiteral("Command4"), 6720, 7920, 975, QStringLiteral("清零"), ButtonFace::Screen);
    QPushButton *start =
        makeButton(this, QStringLiteral("Command3"), 8160, 7920, 1455, QStringLiteral("开始计时"), ButtonFace::Screen);
    m_clock = makeCountdown(makeTimer(this, QStringLiteral("Timer1"), 1000, true), Label2);
    QPushButton *pause = makePauseButton(QStringLiteral("Command5"), 9840, 7920, m_clock);
    setTabOrder(affirmative, negative);
    setTabOrder(negative, start);
    setTabOrder(start, reset);
    setTabOrder(reset, pause);
    affirmative->setFocus();

    makeCaptionTimer(QStringLiteral("Timer2"));
    // A run stopped at its end is written down at once; with the overtime counted it runs on.
    connect(m_clock, &CountdownClock::stoppedAtTimeUp, this, &SingleSideClock::recordRuns);

    connect(affirmative, &QPushButton::clicked, this, &SingleSideClock::affirmativeSpeaks);
    connect(negative, &QPushButton::clicked, this, &SingleSideClock::negativeSpeaks);
    connect(start, &QPushButton::clicked, this, &SingleSideClock::startCountdown);
    connect(reset, &QPushButton::clicked, this, &SingleSideClock::resetCountdown);
}

void SingleSideClock::load()
{
    recordDesign();
    m_clock->stop();
    readHandedOverLimit();
    readyForHall();
}

int SingleSideClock::remainingSeconds() const
{
    return m_clock->remaining();
}

void SingleSideClock::readHandedOverLimit()
{
    m_clock->setRemaining(handedOverLimit());
    m_clock->showRemaining();
}

void SingleSideClock::setTitle(const QString &title)
{
    Label1->setText(title);
    publishHallView();
}

void SingleSideClock::titleForSide(Side side)
{
    m_side = side;
    Label1->setText(sideName(side) + handedOverName());
    publishHallView();
}

void SingleSideClock::affirmativeSpeaks()
{
    titleForSide(Side::Affirmative);
}

void SingleSideClock::negativeSpeaks()
{
    titleForSide(Side::Negative);
}

void SingleSideClock::spaceBar()
{
    m_clock->togglePause();
}

void SingleSideClock::recordRuns()
{
    recordRun(m_clock, handedOverName(), m_side ? sideName(*m_side) : QString());
}

HallView SingleSideClock::hallView() const
{
    return {.screen = objectName(),
            .kind = ClockKind::SingleSide,
            .stageName = handedOverName(),
            .title = Label1->text(),
            .sides = {m_clock->state(), SideClock()},
            .speaking = m_side};
}

void SingleSideClock::startCountdown()
{
    m_clock->start();
}

void SingleSideClock::resetCountdown()
{
    recordRuns();
    changeTogether([this] {
        m_clock->stop();
        setTextColour(Label2, Colours::Black);
        readHandedOverLimit();
    });
}

} // namespace Dovrel
