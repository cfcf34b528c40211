#include "core/countdown.h"

#include <QTest>

#include <limits>

using namespace Dovrel;

namespace {

// A timeout of the schedule and what the schedule tells after it; steps 0 is a look at the schedule without a
// timeout, as a timeout always owes at least one step.
struct Timeout
{
    qint64 at;
    int steps;
    qint64 nextDeadline;
    qint64 msUntilNext;
};
using Timeouts = QList<Timeout>;

} // namespace

Q_DECLARE_METATYPE(Timeouts)

class TestCountdown : public QObject
{
    Q_OBJECT

private slots:
    void readLimit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::newRow("plain") << QStringLiteral("90") << 90;
        QTest::newRow("blank inside") << QStringLiteral("1 20") << 120;
        QTest::newRow("tabs and line feeds anywhere") << QStringLiteral(" \t1\n2\n0 ") << 120;
        QTest::newRow("a carriage return ends the number") << QStringLiteral("1\r20") << 1;
        QTest::newRow("stops at a colon") << QStringLiteral("1:30") << 1;
        QTest::newRow("trailing unit") << QStringLiteral("180秒") << 180;
        QTest::newRow("letters") << QStringLiteral("abc") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("blanks only") << QStringLiteral("  \t ") << 0;
        QTest::newRow("half to even down") << QStringLiteral("2.5") << 2;
        QTest::newRow("half to even up") << QStringLiteral("3.5") << 4;
        QTest::newRow("fraction") << QStringLiteral("59.7") << 60;
        QTest::newRow("point first") << QStringLiteral(".4") << 0;
        QTest::newRow("negative") << QStringLiteral("-5") << -5;
        QTest::newRow("sign then blank") << QStringLiteral("- 5") << -5;
        QTest::newRow("plus") << QStringLiteral("+7") << 7;
        QTest::newRow("two signs") << QStringLiteral("--5") << 0;
        QTest::newRow("second point ends") << QStringLiteral("1.2.3") << 1;
        QTest::newRow("beyond 16 bits held in full") << QStringLiteral("40000") << 40000;
        QTest::newRow("beyond int clamped")
            << QStringLiteral("99999999999999999999") << std::numeric_limits<int>::max();
        QTest::newRow("below int clamped") << QStringLiteral("-99999999999") << -std::numeric_limits<int>::max();
        QTest::newRow("full-width digits are not a number") << QStringLiteral("１２０") << 0;
    }
    void readLimit()
    {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        QCOMPARE(Dovrel::readLimit(text), seconds);
    }

    void formatRemaining_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("secondsOnly");
        QTest::addColumn<QString>("minutesSeconds");
        QTest::newRow("122") << 122 << QStringLiteral("122s") << QStringLiteral("2分2秒");
        QTest::newRow("60") << 60 << QStringLiteral("60s") << QStringLiteral("1分0秒");
        QTest::newRow("59") << 59 << QStringLiteral("59s") << QStringLiteral("0分59秒");
        QTest::newRow("5") << 5 << QStringLiteral("5s") << QStringLiteral("0分5秒");
        QTest::newRow("0") << 0 << QStringLiteral("0s") << QStringLiteral("0分0秒");
        QTest::newRow("-1") << -1 << QStringLiteral("-1s") << QStringLiteral("-1分-1秒");
        QTest::newRow("-5") << -5 << QStringLiteral("-5s") << QStringLiteral("-1分-5秒");
        QTest::newRow("-60") << -60 << QStringLiteral("-60s") << QStringLiteral("-1分0秒");
        QTest::newRow("-61") << -61 << QStringLiteral("-61s") << QStringLiteral("-2分-1秒");
        QTest::newRow("40000") << 40000 << QStringLiteral("40000s") << QStringLiteral("666分40秒");
    }
    void formatRemaining()
    {
        QFETCH(int, seconds);
        QFETCH(QString, secondsOnly);
        QFETCH(QString, minutesSeconds);
        QCOMPARE(Dovrel::formatRemaining(seconds, CountdownFormat::Seconds), secondsOnly);
        QCOMPARE(Dovrel::formatRemaining(seconds, CountdownFormat::MinutesSeconds), minutesSeconds);
        QVERIFY(Dovrel::formatRemaining(seconds, CountdownFormat::None).isEmpty());
    }

    void warningOnlyOnTheStepThatReachesThirty()
    {
        for (int start : {20, 30, 31, 32, 122}) {
            int warnings = 0;
            int stepsToTimeUp = 0;
            int remaining = start;
            for (;;) {
                const CountdownStep step = countdownStep(remaining);
                remaining = step.remaining;
                warnings += step.warning;
                ++stepsToTimeUp;
                if (step.timeUp)
                    break;
            }
            QCOMPARE(warnings, start > 30 ? 1 : 0);
            QCOMPARE(stepsToTimeUp, start);
            QCOMPARE(remaining, 0);
        }
        // After time-up every further step goes below zero and is time-up again.
        QCOMPARE(countdownStep(0).remaining, -1);
        QVERIFY(countdownStep(0).timeUp);
        QVERIFY(countdownStep(-5).timeUp);
        QVERIFY(countdownStep(1).timeUp);
        QVERIFY(!countdownStep(2).timeUp);
        QCOMPARE(countdownStep(std::numeric_limits<int>::min()).remaining, std::numeric_limits<int>::min());
    }

    void scheduleOwesAStepForEveryDeadline_data()
    {
        QTest::addColumn<qint64>("start");
        QTest::addColumn<Timeouts>("timeouts");
        // A timeout a little late owes one step and the next interval is shortened to keep the grid; a little early
        // is still one step, and the grid is kept.
        QTest::newRow("a little late, a little early")
            << qint64(5000)
            << Timeouts{{5000, 0, 6000, 1000}, {6004, 1, 7000, 996}, {6999, 1, 8000, 1001}, {8000, 1, 9000, 1000}};
        // Held up from before the first deadline until 3.5 s: the steps at 1, 2 and 3 s are owed at once. A timeout
        // invoked with no time passing still makes a step.
        QTest::newRow("held up") << qint64(0)
                                 << Timeouts{{3500, 3, 4000, 500},
                                             {4000, 1, 5000, 1000},
                                             {5000, 1, 6000, 1000},
                                             {5000, 1, 7000, 2000},
                                             {9000, 0, 7000, 0}};
        // Started at 10 s: deadlines at 11, 12, … s. A hold-up is charged, a suspend is not; the grid from there on
        // is kept as usual.
        QTest::newRow("held up to the threshold: every step owed")
            << qint64(10'000) << Timeouts{{15'000, 5, 16'000, 1000}, {16'003, 1, 17'000, 997}};
        QTest::newRow("just past the threshold: one step, anchored anew")
            << qint64(10'000) << Timeouts{{15'001, 1, 16'001, 1000}, {16'004, 1, 17'001, 997}};
        QTest::newRow("an hour asleep") << qint64(10'000)
                                        << Timeouts{{3'610'000, 1, 3'611'000, 1000}, {3'611'003, 1, 3'612'000, 997}};
    }

    void scheduleOwesAStepForEveryDeadline()
    {
        QFETCH(qint64, start);
        QFETCH(Timeouts, timeouts);
        QCOMPARE(MaxCatchUpGapMs, 5000);
        StepSchedule schedule(1000);
        schedule.start(start);
        for (const Timeout &timeout : timeouts) {
            if (timeout.steps > 0)
                QCOMPARE(schedule.stepsDue(timeout.at), timeout.steps);
            QCOMPARE(schedule.nextDeadline(), timeout.nextDeadline);
            QCOMPARE(schedule.msUntilNext(timeout.at), timeout.msUntilNext);
        }
    }

    void theGapIsMeasuredFromTheLastTimeout()
    {
        StepSchedule schedule(1000);
        schedule.start(0);
        for (qint64 now = 1000; now <= 60'000; now += 1000)
            QCOMPARE(schedule.stepsDue(now), 1);
        // A minute into the count, a 4.9 s hold-up is still charged in full…
        QCOMPARE(schedule.stepsDue(64'900), 4);
        QCOMPARE(schedule.nextDeadline(), 65'000);
        // …and 5.1 s later (the deadline at 65 s long missed) the gap is not.
        QCOMPARE(schedule.stepsDue(70'000), 1);
        QCOMPARE(schedule.nextDeadline(), 71'000);
        // A start resets the reference too.
        schedule.start(200'000);
        QCOMPARE(schedule.stepsDue(203'500), 3);
    }
};

QTEST_GUILESS_MAIN(TestCountdown)
#include "test_countdown.moc"
