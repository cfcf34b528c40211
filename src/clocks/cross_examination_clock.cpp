#include "clocks/cross_examination_clock.h"

#include "core/countdown.h"
#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace Dovrel {

namespace {

struct Pairing
{
    const char16_t *text;
    int left;
    int top;
};

// The affirmative side questions in the left column, the negative side in the right one.
constexpr Pairing Pairings[] = {
    {u"正方二辩选择反方二辩", 1560, 2280}, {u"正方二辩选择反方三辩", 1560, 3360}, {u"正方三辩选择反方二辩", 1560, 4440},
    {u"正方三辩选择反方三辩", 1560, 5520}, {u"反方二辩选择正方二辩", 6120, 2280}, {u"反方二辩选择正方三辩", 6120, 3360},
    {u"反方三辩选择正方二辩", 6120, 4440}, {u"反方三辩选择正方三辩", 6120, 5520},
};

// The stage this clock times, by the name the record and the hall give it.
const QString StageName = QStringLiteral("攻辩");

} // namespace

CrossExaminationClock::CrossExaminationClock(Application &app) : ClockScreen(app)
{
    // Hovering over the pairings must be seen without a button held down.
    setMouseTracking(true);

    Label9 = makeLabel(this, QStringLiteral("Label9"), 2580, 600, 6735, 885, QStringLiteral("攻辩双方选择菜单"));
    Label9->setFont(designFont(QStringLiteral("华文行楷"), 42));
    Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label9->setWordWrap(false);

    for (std::size_t i = 0; i < m_pairings.size(); ++i) {
        const Pairing &pairing = Pairings[i];
        QLabel *label = makeLabel(this, QStringLiteral("Label%1").arg(i + 1), pairing.left, pairing.top, 4350, 450,
                                  QString::fromUtf16(pairing.text));
        label->setFont(designFont(QStringLiteral("华文新魏"), 21.75));
        // Ten characters fill the box exactly; a wrap would push the last one out of sight.
        label->setWordWrap(false);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        m_pairings[i] = label;
    }

    Label10 = makeLabel(this, QStringLiteral("Label10"), 120, 2760, 11655, 2895, QStringLiteral("Label10"));
    Label10->setFont(designFont(QStringLiteral("宋体"), 42));
    Label10->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label10->setWordWrap(false);

    Command3 =
        makeButton(this, QStringLiteral("Command3"), 6720, 7680, 1575, QStringLiteral("开始计时"), ButtonFace::Screen);
    Command1 = makeButton(this, QStringLiteral("Command1"), 3720, 7680, 1815, QStringLiteral("回前一级菜单"),
                          ButtonFace::Screen);
    setTabOrder(Command3, Command1);

    QTimer *countdown = makeTimer(this, QStringLiteral("Timer1"), 1000, false);
    makeCaptionTimer(QStringLiteral("Timer2"));
    // With no format chosen on the sound page the clock shows plain seconds rather than a stale text.
    m_clock = makeCountdown(countdown, Label10, UnsetFormat::ShowSeconds);
    Command4 = makePauseButton(QStringLiteral("Command4"), 8520, 7680, m_clock);
    setTabOrder(Command1, Command4);
    connect(m_clock, &CountdownClock::stoppedAtTimeUp, this, &CrossExaminationClock::recordRuns);

    connect(Command3, &QPushButton::clicked, this, &CrossExaminationClock::startCountdown);
    connect(Command1, &QPushButton::clicked, this, &CrossExaminationClock::backToPairings);
}

void CrossExaminationClock::load()
{
    recordDesign();
    readHandedOverLimit();
    Label10->setText(formatRemaining(m_clock->remaining(), CountdownFormat::Seconds));
    Command3->hide();
    Command1->hide();
    Command4->hide();
    m_clock->stop();
    Label10->hide();
    readyForHall();
}

void CrossExaminationClock::spaceBar()
{
    // Only while a pairing's clock is up.
    if (!Label10->isHidden())
        m_clock->togglePause();
}

void CrossExaminationClock::recordRuns()
{
    recordRun(m_clock, StageName, Label9->text());
}

HallView CrossExaminationClock::hallView() const
{
    return {.screen = objectName(),
            .kind = ClockKind::CrossExamination,
            .stageName = StageName,
            .title = Label9->text(),
            .sides = {m_clock->state(), SideClock()},
            .speaking = std::nullopt,
            .timeShown = !Label10->isHidden()};
}

int CrossExaminationClock::remainingSeconds() const
{
    return m_clock->remaining();
}

bool CrossExaminationClock::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label || std::find(m_pairings.begin(), m_pairings.end(), label) == m_pairings.end())
        return ClockScreen::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        highlightPairing(label);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        // A click is a left-button release over the label it was pressed on.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            choosePairing(label);
            return true;
        }
    }
    return ClockScreen::eventFilter(watched, event);
}

void CrossExaminationClock::mouseMoveEvent(QMouseEvent *event)
{
    // Only the bare background clears the highlight; the heading and the clock are left alone.
    if (!childAt(event->position().toPoint()))
        highlightPairing(nullptr);
    ClockScreen::mouseMoveEvent(event);
}

void CrossExaminationClock::resized()
{
    fitHeading();
}

void CrossExaminationClock::highlightPairing(const QLabel *hovered)
{
    for (QLabel *label : m_pairings)
        setTextColour(label, label == hovered ? Colours::Red : Colours::Black);
}

void CrossExaminationClock::choosePairing(QLabel *pairing)
{
    Command1->show();
    Label9->setText(pairing->text());
    fitHeading();
    Label10->show();
    publishHallView();
    Command3->show();
    Command4->show();
    for (QLabel *label : m_pairings)
        label->hide();
    m_clock->showRemaining();
}

// A pairing is wider than the heading's design box at its large type; the box grows about its centre so the whole
// pairing stays readable.
void CrossExaminationClock::fitHeading()
{
    const QRect box = Label9->geometry();
    const int needed = Label9->sizeHint().width();
    if (needed <= box.width())
        return;
    const int widthFitted = std::min(needed, width());
    const int left = std::clamp(box.center().x() - widthFitted / 2, 0, width() - widthFitted);
    Label9->setGeometry(left, box.top(), widthFitted, box.height());
}

void CrossExaminationClock::readHandedOverLimit()
{
    m_clock->setRemaining(handedOverLimit());
}

void CrossExaminationClock::startCountdown()
{
    m_clock->start();
}

void CrossExaminationClock::backToPairings()
{
    recordRuns();
    // The hall sees the pairings come back in one change, not a reset clock on its way.
    changeTogether([this] {
        readHandedOverLimit();
        m_clock->stop();
        for (QLabel *label : m_pairings)
            label->show();
        Label10->hide();
        Command3->hide();
        Command1->hide();
        Command4->hide();
        setTextColour(Label10, Colours::Black);
    });
}

} // namespace Dovrel
