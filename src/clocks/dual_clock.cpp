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

    Label2 = makeLabel(this, QStringLiteral("Label2"), 1185, 1920, 1725, 840, QStringLiteral("正方"));
    Label2->setFont(designFont(QStringLiteral("楷体_GB2312"), 42, true));

    Label4 = makeLabel(this, QStringLiteral("Label4"), 360, 1920, 11175, 1815, QStringLiteral("Label4"));
    Label3 = makeLabel(this, QStringLiteral("Label3"), 1185, 4680, 1725, 840, QStringLiteral("反方"));
    Label3->setFont(designFont(QStringLiteral("楷体_GB2312"), 42, true));

    Label5 = makeLabel(this, QStringLiteral("Label5"), 360, 4800, 11175, 1815, QStringLiteral("Label5"));
    for (QLabel *clock : {Label4, Label5}) {
        // The face of the time is ours to choose: the same bold face as the single-side clock.
        clock->setFont(designFont(QStringLiteral("宋体"), 120, true));
        // Centred in its row: the 120-point time is taller than a row at design size, and is best cut evenly.
        clock->setAlignment(Qt::AlignCenter);
        clock->setWordWrap(false);
    }
    // The side names stand over the left end of their clock rows.
    Label2->raise();
    Label3->raise();

    Label6[0] = makeLabel(this, arrayName(QStringLiteral("Label6"), 0), 0, 7440, 5295, 30);
    Label6[1] = makeLabel(this, arrayName(QStringLiteral("Label6"), 1), 6960, 7440, 5175, 30);
    for (QLabel *bar : Label6)
        setBackColour(bar, Colours::Blue); // pure blue, darker than the screen's own blue

    Label7 = makeLabel(this, QStringLiteral("Label7"), 5400, 7320, 1440, 180, QStringLiteral("线下区域为感应区"));
    Label7->setWordWrap(false);

    // A press on any label belongs to that label: only the screen's own background passes the turn.
    for (QLabel *label : {Label1, Label2, Label4, Label3, Label5, Label6[0], Label6[1], Label7})
        label->setAttribute(Qt::WA_NoMousePropagation);

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1000, false);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 1000, false);
    Timer3 = makeCaptionTimer(QStringLiteral("Timer3"));
    // Seconds-only when the sound page has no format selected, rather than the design texts "Label4"/"Label5".
    m_affirmative = makeCountdown(Timer1, Label4, UnsetFormat::ShowSeconds);
    m_negative = makeCountdown(Timer2, Label5, UnsetFormat::ShowSeconds);
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
}

void DualClock::setTitle(const QString &title)
{
    Label1->setText(title);
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
    m_negative->stop();
    m_affirmative->start();
}

void DualClock::negativeSpeaks()
{
    m_affirmative->stop();
    m_negative->start();
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
