#include "clocks/cross_examination_clock.h"
#include "clocks/stage_handover.h"
#include "core/hall_state.h"
#include "menu/main_menu.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

QLabel *pairing(CrossExaminationClock *clock, int number)
{
    return child<QLabel>(clock, QStringLiteral("Label%1").arg(number));
}

void choose(CrossExaminationClock *clock, int number)
{
    QTest::mouseClick(pairing(clock, number), Qt::LeftButton);
}

const QStringList MenuControls =
    QStringLiteral("Label9 Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8").split(u' ');
const QStringList ClockControls = QStringLiteral("Label9 Label10 Command3 Command1").split(u' ');

// The controls a timekeeper can see, in a fixed order.
QStringList visibleControls(CrossExaminationClock *clock)
{
    QStringList names;
    for (const QString &name : MenuControls + ClockControls.mid(1)) {
        if (child<QWidget>(clock, name)->isVisible())
            names.append(name);
    }
    return names;
}

QStringList redPairings(CrossExaminationClock *clock)
{
    QStringList red;
    for (int number = 1; number <= 8; ++number) {
        if (textColour(pairing(clock, number)) == Red)
            red.append(pairing(clock, number)->objectName());
    }
    return red;
}

} // namespace

class TestCrossExaminationClock : public QObject
{
    Q_OBJECT

private slots:
    void loadsIntoTheMenuWithTheLimitInSeconds()
    {
        TestApp t;
        t.writeSoundSet(QStringLiteral("分\\秒"));
        CrossExaminationClock *clock = openCrossExaminationClock(t, QStringLiteral("180"));
        QVERIFY(clock->windowState() & Qt::WindowMaximized);
        QCOMPARE(clock->windowTitle(), QStringLiteral("Dovrel"));
        QCOMPARE(backColour(clock), QColor(24, 148, 222));
        QCOMPARE(visibleControls(clock), MenuControls);
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QVERIFY(child<QTimer>(clock, QStringLiteral("Timer2"))->isActive());
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label9"))->text(), QStringLiteral("攻辩双方选择菜单"));
        // Whatever the format, the hidden clock holds plain seconds until a pairing is chosen.
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->text(), QStringLiteral("180s"));
        QCOMPARE(clock->remainingSeconds(), 180);
        QVERIFY(redPairings(clock).isEmpty());
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label5"))->text(), QStringLiteral("反方二辩选择正方二辩"));
    }

    void walksThroughTheStates()
    {
        TestApp t;
        t.writeSoundSet();
        CrossExaminationClock *clock = openCrossExaminationClock(t, QStringLiteral("2"));
        QTest::mouseClick(child<QLabel>(clock, QStringLiteral("Label3")),
                          Qt::RightButton); // only the left button clicks
        QCOMPARE(visibleControls(clock), MenuControls);
        // The hall sees a time only once a pairing is chosen, and none again back at the pairings.
        const HallView &hall = t.app().hallState().view();
        QVERIFY(hall.kind == ClockKind::CrossExamination && !hall.timeShown);
        choose(clock, 3);
        QCOMPARE(visibleControls(clock), ClockControls);
        QVERIFY(hall.timeShown);
        QCOMPARE(hall.title, pairing(clock, 3)->text());
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());

        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        QCOMPARE(visibleControls(clock), ClockControls);
        QVERIFY(child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());

        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 2);
        QCOMPARE(visibleControls(clock), ClockControls);
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->text(), QStringLiteral(" 时间到！"));

        child<QPushButton>(clock, QStringLiteral("Command1"))->click();
        QCOMPARE(visibleControls(clock), MenuControls);
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QVERIFY(!hall.timeShown);
    }

    void choosingAPairingShowsItAndTheFullLimit_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");
        QTest::newRow("affirmative asks, seconds") << 1 << QStringLiteral("秒") << QStringLiteral("180s");
        QTest::newRow("affirmative asks, minutes") << 4 << QStringLiteral("分\\秒") << QStringLiteral("3分0秒");
        QTest::newRow("negative asks, minutes") << 7 << QStringLiteral("分\\秒") << QStringLiteral("3分0秒");
        QTest::newRow("no format chosen") << 8 << QStringLiteral("分秒") << QStringLiteral("180s");
    }

    void choosingAPairingShowsItAndTheFullLimit()
    {
        QFETCH(int, number);
        QFETCH(QString, format);
        QFETCH(QString, shown);
        TestApp t;
        t.writeSoundSet(format);
        CrossExaminationClock *clock = openCrossExaminationClock(t, QStringLiteral("180"));
        const QString text = pairing(clock, number)->text();
        choose(clock, number);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label9"))->text(), text);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->text(), shown);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->font().pointSize(), 120);
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        // The whole pairing stays on screen although it is wider than the heading's design box.
        QVERIFY(child<QLabel>(clock, QStringLiteral("Label9"))->width() >=
                child<QLabel>(clock, QStringLiteral("Label9"))->sizeHint().width());
        QVERIFY(clock->rect().contains(child<QLabel>(clock, QStringLiteral("Label9"))->geometry()));
    }

    void hoverLeavesExactlyOnePairingRed()
    {
        TestApp t;
        t.writeSoundSet();
        CrossExaminationClock *clock = openCrossExaminationClock(t, QStringLiteral("180"));
        const QColor headingColour = textColour(child<QLabel>(clock, QStringLiteral("Label9")));

        moveOver(child<QLabel>(clock, QStringLiteral("Label2")), QPoint(5, 5));
        QCOMPARE(redPairings(clock), QStringList{QStringLiteral("Label2")});
        QCOMPARE(textColour(child<QLabel>(clock, QStringLiteral("Label1"))), Black);
        moveOver(child<QLabel>(clock, QStringLiteral("Label7")), QPoint(5, 5));
        QCOMPARE(redPairings(clock), QStringList{QStringLiteral("Label7")});
        QCOMPARE(textColour(child<QLabel>(clock, QStringLiteral("Label2"))), Black);

        // Over the heading nothing changes; over the bare background everything goes black.
        moveOver(clock, child<QLabel>(clock, QStringLiteral("Label9"))->geometry().center());
        QCOMPARE(redPairings(clock), QStringList{QStringLiteral("Label7")});
        moveOver(clock, QPoint(2, clock->height() - 2));
        QVERIFY(redPairings(clock).isEmpty());
        QCOMPARE(textColour(child<QLabel>(clock, QStringLiteral("Label7"))), Black);
        QCOMPARE(textColour(child<QLabel>(clock, QStringLiteral("Label9"))), headingColour);

        // Through the window system too: the labels and the screen track the mouse without a button.
        QVERIFY(QTest::qWaitForWindowExposed(clock));
        QTest::mouseMove(child<QLabel>(clock, QStringLiteral("Label5")), QPoint(10, 10));
        QCOMPARE(redPairings(clock), QStringList{QStringLiteral("Label5")});
        QTest::mouseMove(clock, QPoint(2, clock->height() - 2));
        QVERIFY(redPairings(clock).isEmpty());
    }

    void backWhileRunningStopsAtOnceAndTheNextPairingStartsFull()
    {
        TestApp t;
        t.writeSoundSet();
        CrossExaminationClock *clock = openCrossExaminationClock(t, QStringLiteral("120"));
        choose(clock, 1);
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 5);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->text(), QStringLiteral("115s"));
        child<QPushButton>(clock, QStringLiteral("Command1"))->click();
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(clock->remainingSeconds(), 120);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label9"))->text(), QStringLiteral("正方二辩选择反方二辩"));

        choose(clock, 5);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label9"))->text(), QStringLiteral("反方二辩选择正方二辩"));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->text(), QStringLiteral("120s"));
        QCOMPARE(textColour(child<QLabel>(clock, QStringLiteral("Label10"))), Black);
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
    }

    void backAfterTimeUpRestoresBlackAndReadsTheHandOverAgain()
    {
        TestApp t;
        t.writeSoundSet(QStringLiteral("分\\秒"));
        CrossExaminationClock *clock = openCrossExaminationClock(t, QStringLiteral("3"));
        choose(clock, 2);
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 3);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(textColour(child<QLabel>(clock, QStringLiteral("Label10"))), Red);

        t.app().contest().handOverLimit(QStringLiteral("90"));
        child<QPushButton>(clock, QStringLiteral("Command1"))->click();
        QCOMPARE(textColour(child<QLabel>(clock, QStringLiteral("Label10"))), Black);
        QCOMPARE(clock->remainingSeconds(), 90);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label9"))->text(), QStringLiteral("正方二辩选择反方三辩"));
        choose(clock, 2);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->text(), QStringLiteral("1分30秒"));
        QCOMPARE(textColour(child<QLabel>(clock, QStringLiteral("Label10"))), Black);
    }

    void secondStartKeepsTheRunningInterval()
    {
        TestApp t;
        t.writeSoundSet();
        CrossExaminationClock *clock = openCrossExaminationClock(t, QStringLiteral("60"));
        choose(clock, 4);
        startTwiceThenStep(t.platform(), child<QPushButton>(clock, QStringLiteral("Command3")),
                           child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(clock->remainingSeconds(), 59);
        QCOMPARE(child<QTimer>(clock, QStringLiteral("Timer1"))->interval(), 997);
    }

    void alertsAtThirtyAndAtTimeUp_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("sound");
        QTest::newRow("warned on the first step")
            << QStringLiteral("31") << 8 << 1 << QStringLiteral("sound/30Warn/默认声音.wav");
        QTest::newRow("thirty: the time-up sound only")
            << QStringLiteral("30") << 1 << 30 << QStringLiteral("sound/TimeOut/声音一.wav");
    }

    void alertsAtThirtyAndAtTimeUp()
    {
        QFETCH(QString, limit);
        QFETCH(int, number);
        QFETCH(int, steps);
        QFETCH(QString, sound);
        TestApp t;
        t.writeSoundSet();
        CrossExaminationClock *clock = openCrossExaminationClock(t, limit);
        choose(clock, number);
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), steps - 1);
        QVERIFY(t.platform().sounds.isEmpty());
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(t.platform().sounds.size(), 1);
        QVERIFY(t.platform().sounds.at(0).endsWith(sound));
    }

    void aLimitThatIsNotANumberRunsOutAtEveryStart()
    {
        TestApp t;
        t.writeSoundSet();
        CrossExaminationClock *clock = openCrossExaminationClock(t, QStringLiteral("abc"));
        choose(clock, 3);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->text(), QStringLiteral("0s"));
        // It ends on the first step; starting again repeats the whole time-up.
        for (int start = 1; start <= 2; ++start) {
            child<QPushButton>(clock, QStringLiteral("Command3"))->click();
            tick(child<QTimer>(clock, QStringLiteral("Timer1")));
            QCOMPARE(clock->remainingSeconds(), -start);
            QCOMPARE(child<QLabel>(clock, QStringLiteral("Label10"))->text(), QStringLiteral(" 时间到！"));
            QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
            QCOMPARE(t.platform().sounds.size(), start);
        }
    }

    void closingStopsTheCountAndReturnsToTheMainMenu()
    {
        TestApp t;
        t.writeSoundSet();
        CrossExaminationClock *clock = openCrossExaminationClock(t, QStringLiteral("90"));
        choose(clock, 1);
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        closeToMenu(t, clock, {child<QTimer>(clock, QStringLiteral("Timer1"))});
        QCOMPARE(child<QLabel>(t.screen<CrossExaminationClock>(), QStringLiteral("Label9"))->text(),
                 QStringLiteral("攻辩双方选择菜单"));
    }
};

QTEST_MAIN(TestCrossExaminationClock)
#include "test_cross_examination_clock.moc"
