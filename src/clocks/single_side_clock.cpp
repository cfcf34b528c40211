#include "clocks/single_side_clock.h"

#include "clocks/countdown_clock.h"
#include "clocks/stage_handover.h"
#include "core/caption_cycle.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"
#include "shell/proportional_layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace Dovrel {

Form17::Form17(Application &app)
    : Screen(app, QStringLiteral("Form17"))
{
    setDesignClientSize(DesignWidth, DesignHeight);
    setProportionalLayout(true);
    setWindowState(Qt::WindowMaximized);
    setBackColour(this, QColor(24, 148, 222));
    setFont(designFont(QStringLiteral("宋体"), 9));

    Label1 = makeLabel(this, QStringLiteral("Label1"), 3240, 360, 5775, 1095);
    Label1->setFont(designFont(QStringLiteral("华文行楷"), 36));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label2 = makeLabel(this, QStringLiteral("Label2"), 120, 2400, 11655, 3375);
    // The face of the time is ours to choose: bold reads best from the back of a hall.
    Label2->setFont(designFont(QStringLiteral("宋体"), 120, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(false);

    Command1 = makeControl<QPushButton>(this, QStringLiteral("Command1"), 3120, 7920, 1095, 375);
    Command1->setText(QStringLiteral("正方"));
    Command2 = makeControl<QPushButton>(this, QStringLiteral("Command2"), 4920, 7920, 1215, 375);
    Command2->setText(QStringLiteral("反方"));
    Command4 = makeControl<QPushButton>(this, QStringLiteral("Command4"), 6720, 7920, 975, 375);
    Command4->setText(QStringLiteral("清零"));
    Command3 = makeControl<QPushButton>(this, QStringLiteral("Command3"), 8160, 7920, 1455, 375);
    Command3->setText(QStringLiteral("开始计时"));
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    Command1->setFocus();

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1000, true);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 500, true);
    m_clock = new CountdownClock(this, Timer1, Label2);

    connect(Timer2, &QTimer::timeout, this, [this] { AnimateCaption(this); });
    connect(Command1, &QPushButton::clicked, this, &Form17::affirmativeSpeaks);
    connect(Command2, &QPushButton::clicked, this, &Form17::negativeSpeaks);
    connect(Command3, &QPushButton::clicked, this, &Form17::startCountdown);
    connect(Command4, &QPushButton::clicked, this, &Form17::resetCountdown);
}

void Form17::load()
{
    RecordLayout(this);
    setWindowTitle(applicationTitle());
    m_clock->stop();
    readHandedOverLimit();
}

int Form17::remainingSeconds() const
{
    return m_clock->remaining();
}

void Form17::readHandedOverLimit()
{
    m_clock->setRemaining(handedOverLimit(this));
    m_clock->showRemaining();
}

void Form17::titleForSide(const QString &side)
{
    Label1->setText(side + app().screens().screen<Form5>()->Text2->text());
}

void Form17::affirmativeSpeaks()
{
    titleForSide(QStringLiteral("正方"));
}

void Form17::negativeSpeaks()
{
    titleForSide(QStringLiteral("反方"));
}

void Form17::startCountdown()
{
    m_clock->start();
}

void Form17::resetCountdown()
{
    m_clock->stop();
    setTextColour(Label2, QColor(0, 0, 0));
    readHandedOverLimit();
}

} // namespace Dovrel
