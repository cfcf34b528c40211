#include "clocks/dual_clock.h"

#include "shell/colours.h"
#include "shell/controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace Dovrel {

DualClock::DualClock(Application &app) : ClockScreen(app)
{
    // The screen has nothing focusable of its own, yet the arrow keys must reach it.
    setFocusPolicy(Qt::StrongFocus);

    Label1 = makeLabel(this, QStringLiteral("Label1"), 3720, 360, 5145, 885);
    Label1->setFont(designFont(QStringLiteral("华文行楷"), 42));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QLabel *affirmativeName = makeLabel(this, QStringLiteral("Label2"), 1185, 1920, 1725, 840, QStringLiteral("正方"));
    affirmativeName->setFont(designFont(QStringLiteral("楷体_GB2312"), 42, true));
    QLabel *affirmativeClock =
        makeLabel(this, QStringLiteral("Label4"), 360, 1920, 11175, 1815, QStringLiteral("Label4"));
    QLabel *negativeName = makeLabel(this, QStringLiteral("Label3"), 1185, 4680, 1725, 840, QStringLiteral("反方"));
    negativeName->setFont(designFont(QStringLiteral("楷体_GB2312"), 42, true));
    QLabel *negativeClock = makeLabel(this, QStringLiteral("Label5"), 360, 4800, 11175, 1815, QStringLiteral("Label5"));
    for (QLabel *clock : {affirmativeClock, negativeClock}) {
        // The face of the time is ours to choose: the same bold face as the single-side clock.
        clock->setFont(designFont(QStringLiteral("宋体"), 120, true));
        // Centred in its row: the 120-point time is taller than a row at design size, and is best cut evenly.
        clock->setAlignment(Qt::AlignCenter);
        clock->setWordWrap(false);
    }
    // The side names stand over the left end of their clock rows.
    affirmativeName->raise();
    negativeName->raise();

    // The dividing line in two halves, pure blue, darker than the screen's own blue.
    QLabel *leftBar = makeLabel(this, arrayName(QStringLiteral("Label6"), 0), 0, 7440, 5295, 30);
    QLabel *rightBar = makeLabel(this, arrayName(QStringLiteral("Label6"), 1), 6960, 7440, 5175, 30);
    for (QLabel *bar : {leftBar, rightBar})
        setBackColour(bar, Colours::Blue);

    QLabel *note = makeLabel(this, QStringLiteral("Label7"), 5400, 7320, 1440, 180, QStringLiteral("线下区域为感应区"));
    note->setWordWrap(false);

    // A press on any label belongs to that label: only the screen's own background passes the turn.
    for (QLabel *label :
         {Label1, affirmativeName, affirmativeClock, negativeName, negativeClock, leftBar, rightBar, note})
        label->setAttribute(Qt::WA_NoMousePropagation);

    QTimer *affirmativeTimer = makeTimer(this, QStringLiteral("Timer1"), 1000, false);
    QTimer *negativeTimer = makeTimer(this, QStringLiteral("Timer2"), 1000, false);
    makeCaptionTimer(QStringLiteral("Timer3"));
    // Seconds-only when the sound page has no format selected, rather than the design texts "Label4"/"Label5".
    m_affirmative = makeCountdown(affirmativeTimer, affirmativeClock, UnsetFormat::ShowSeconds);
    m_negative = makeCountdown(negativeTimer, negativeClock, UnsetFormat::ShowSeconds);
}

void DualClock::load()
{
    m_affirmative->stop();
    m_negative->stop();
    recordDesign();
    const int limit = handedOverLimit();
    m_affirmative->setRemaining(limit);
    m_negative->setRemaining(limit);
    m_affirmative->showRemaining();
    m_negative->showRemaining();
    // A stage opened without a title (custom stage eight) shows the name it handed over; openers that give a
    // title write it right after this load and so replace it.
    Label1->setText(handedOverName());
    readyForHall();
}

void DualClock::setTitle(const QString &title)
{
    Label1->setText(title);
    publishHallView();
}

void DualClock::spaceBar()
{
    for (CountdownClock *side : {m_affirmative, m_negative}) {
        if (side->running() || side->paused()) {
            side->togglePause();
            return;
        }
    }
}

void DualClock::recordRuns()
{
    recordRun(m_affirmative, Label1->text(), sideName(Side::Affirmative));
    recordRun(m_negative, Label1->text(), sideName(Side::Negative));
}

HallView DualClock::hallView() const
{
    std::optional<Side> speaking;
    if (m_affirmative->running())
        speaking = Side::Affirmative;
    else if (m_negative->running())
        speaking = Side::Negative;
    return {.screen = objectName(),
            .kind = ClockKind::Dual,
            .stageName = Label1->text(),
            .title = Label1->text(),
            .sides = {m_affirmative->state(), m_negative->state()},
            .speaking = speaking};
}

int DualClock::affirmativeSeconds() const
{
    return m_affirmative->remaining();
}

int DualClock::negativeSeconds() const
{
    return m_negative->remaining();
}

// Re-selecting the running side (a held arrow key repeats) leaves its interval untouched; a side that was stopped
// starts a full second, so the part of a second it ran before losing the turn is not charged to it.
void DualClock::affirmativeSpeaks()
{
    changeTogether([this] {
        m_negative->stop();
        m_affirmative->start();
    });
}

void DualClock::negativeSpeaks()
{
    changeTogether([this] {
        m_affirmative->stop();
        m_negative->start();
    });
}

void DualClock::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        affirmativeSpeaks();
        break;
    case Qt::Key_Right:
        negativeSpeaks();
        break;
    default:
        ClockScreen::keyPressEvent(event);
    }
}

void DualClock::mousePressEvent(QMouseEvent *event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        affirmativeSpeaks();
        break;
    case Qt::RightButton:
        negativeSpeaks();
        break;
    default:
        break;
    }
}

} // namespace Dovrel
