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

    Command1 =
        makeButton(this, QStringLiteral("Command1"), 3120, 7920, 1095, QStringLiteral("正方"), ButtonFace::Screen);
    Command2 =
        makeButton(this, QStringLiteral("Command2"), 4920, 7920, 1215, QStringLiteral("反方"), ButtonFace::Screen);
    Command4 =
        makeButton(this, QStringLiteral("Command4"), 6720, 7920, 975, QStringLiteral("清零"), ButtonFace::Screen);
    Command3 =
        makeButton(this, QStringLiteral("Command3"), 8160, 7920, 1455, QStringLiteral("开始计时"), ButtonFace::Screen);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    Command1->setFocus();

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1000, true);
    Timer2 = makeCaptionTimer(QStringLiteral("Timer2"));
    m_clock = makeCountdown(Timer1, Label2);

    connect(Command1, &QPushButton::clicked, this, &SingleSideClock::affirmativeSpeaks);
    connect(Command2, &QPushButton::clicked, this, &SingleSideClock::negativeSpeaks);
    connect(Command3, &QPushButton::clicked, this, &SingleSideClock::startCountdown);
    connect(Command4, &QPushButton::clicked, this, &SingleSideClock::resetCountdown);
}

void SingleSideClock::load()
{
    recordDesign();
    m_clock->stop();
    readHandedOverLimit();
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
}

void SingleSideClock::titleForSide(const QString &side)
{
    Label1->setText(side + handedOverName());
}

void SingleSideClock::affirmativeSpeaks()
{
    titleForSide(QStringLiteral("正方"));
}

void SingleSideClock::negativeSpeaks()
{
    titleForSide(QStringLiteral("反方"));
}

void SingleSideClock::startCountdown()
{
    m_clock->start();
}

void SingleSideClock::resetCountdown()
{
    m_clock->stop();
    setTextColour(Label2, Colours::Black);
    readHandedOverLimit();
}

} // namespace Dovrel
