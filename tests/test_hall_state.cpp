#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "core/hall_state.h"
#include "shell/application.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

// A countdown in a few words: "33", "29 runs warned", "0 up warned"; "-" for a side the clock does not have.
QString brief(const SideClock &side)
{
    QString text = QString::number(side.remaining);
    if (side.running)
        text += QStringLiteral(" runs");
    if (side.warned)
        text += QStringLiteral(" warned");
    if (side.timeUp)
        text += QStringLiteral(" up");
    return text;
}

// Every view the hall's state takes while it lives.
class Views : public QObject
{
public:
    explicit Views(HallState &state)
    {
        connect(&state, &HallState::changed, this, [this](const HallView &view) { seen.append(view); });
    }
    QStringList sides(int side) const
    {
        QStringList briefs;
        for (const HallView &view : seen)
            briefs.append(brief(view.sides[std::size_t(side)]));
        return briefs;
    }
    QList<HallView> seen;
};

} // namespace

class TestHallState : public QObject
{
    Q_OBJECT

private slots:
    void aStageRunToTimeUp()
    {
        TestApp t;
        t.writeSoundSet();
        Views views(t.app().hallState());
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("33"));
        clock->setTitle(QStringLiteral("开篇陈词"));
        t.platform().nowMs = 5'000;
        click(clock, QStringLiteral("Command3"));
        QCOMPARE(t.app().hallState().view().sides[0].nextStepMs, 6'000);
        for (int second = 1; second <= 33; ++second) {
            t.platform().nowMs = 5'000 + 1'000 * second;
            tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        }
        const HallView &last = views.seen.constLast();
        QCOMPARE(last.screen, QStringLiteral("Form17"));
        QCOMPARE(last.kind, ClockKind::SingleSide);
        QCOMPARE(last.stageName, QStringLiteral("开篇陈词"));
        QCOMPARE(last.title, QStringLiteral("开篇陈词"));
        // Ready, titled, started, then a view a second: the warning from 30 on, time-up at 0.
        QStringList expected = {QStringLiteral("33"), QStringLiteral("33"), QStringLiteral("33 runs")};
        for (int remaining = 32; remaining >= 1; --remaining)
            expected.append(QString::number(remaining) +
                            (remaining > 30 ? QStringLiteral(" runs") : QStringLiteral(" runs warned")));
        expected.append(QStringLiteral("0 warned up"));
        QCOMPARE(views.sides(0), expected);
        QCOMPARE(last.sides[0].nextStepMs, 0);

        closeToMenu(t, clock);
        QCOMPARE(t.app().hallState().view(), HallView());
    }

    void theDualClocksTurnPausesOneSideAndResumesTheOther()
    {
        TestApp t;
        t.writeSoundSet();
        DualClock *clock = openDualClock(t, QStringLiteral("90"));
        Views views(t.app().hallState());
        QTest::keyClick(clock, Qt::Key_Left);
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 2);
        QTest::keyClick(clock, Qt::Key_Right);
        tick(child<QTimer>(clock, QStringLiteral("Timer2")));
        QTest::keyClick(clock, Qt::Key_Left);
        QCOMPARE(views.sides(0).join(QLatin1Char('|')), QStringLiteral("90 runs|89 runs|88 runs|88|88|88 runs"));
        QCOMPARE(views.sides(1).join(QLatin1Char('|')), QStringLiteral("90|90|90|90 runs|89 runs|89"));
        QList<std::optional<Side>> speaking;
        for (const HallView &view : std::as_const(views.seen))
            speaking.append(view.speaking);
        // The turn passes in one change: never a moment when neither side runs.
        QCOMPARE(speaking, (QList<std::optional<Side>>{Side::Affirmative, Side::Affirmative, Side::Affirmative,
                                                       Side::Negative, Side::Negative, Side::Affirmative}));
        QCOMPARE(views.seen.constLast().kind, ClockKind::Dual);
        QCOMPARE(views.seen.constLast().title, QStringLiteral("自由辩论"));
    }
};

QTEST_MAIN(TestHallState)
#include "test_hall_state.moc"
