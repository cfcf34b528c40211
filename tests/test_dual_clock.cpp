#include "clocks/dual_clock.h"
#include "clocks/stage_handover.h"
#include "menu/main_menu.h"
#include "shell/controls.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

enum class Running { None, Affirmative, Negative };

Running running(const DualClock *clock)
{
    if (child<QTimer>(clock, QStringLiteral("Timer1"))->isActive() &&
        child<QTimer>(clock, QStringLiteral("Timer2"))->isActive())
        return Running(-1); // both at once is always a fault
    if (child<QTimer>(clock, QStringLiteral("Timer1"))->isActive())
        return Running::Affirmative;
    return child<QTimer>(clock, QStringLiteral("Timer2"))->isActive() ? Running::Negative : Running::None;
}

// A point in the free band below the dividing line.
QPoint sensingBand(const DualClock *clock)
{
    return QPoint(clock->width() / 4, clock->height() - 4);
}

} // namespace

Q_DECLARE_METATYPE(Running)

class TestDualClock : public QObject
{
    Q_OBJECT

private slots:
    void opensWaitingWithBothFullLimits_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("devices");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("afterOneStep");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("seconds") << QStringLiteral("秒") << 1 << QStringLiteral("180") << QStringLiteral("180s")
                                 << QStringLiteral("179s") << QStringList();
        QTest::newRow("minutes") << QStringLiteral("分\\秒") << 1 << QStringLiteral("180") << QStringLiteral("3分0秒")
                                 << QStringLiteral("2分59秒") << QStringList();
        // No format chosen: seconds rather than the design texts; the missing device is still reported.
        QTest::newRow("no format, no sound device")
            << QStringLiteral("分秒") << 0 << QStringLiteral("31") << QStringLiteral("31s") << QStringLiteral("30s")
            << QStringList{QStringLiteral("检测声音设备出错")};
    }

    void opensWaitingWithBothFullLimits()
    {
        QFETCH(QString, format);
        QFETCH(int, devices);
        QFETCH(QString, limit);
        QFETCH(QString, shown);
        QFETCH(QString, afterOneStep);
        QFETCH(QStringList, messages);
        TestApp t;
        t.writeSoundSet(format);
        t.platform().devices = devices;
        DualClock *clock = openDualClock(t, limit);
        QVERIFY(clock->windowState() & Qt::WindowMaximized);
        QCOMPARE(clock->windowTitle(), QStringLiteral("Dovrel"));
        QCOMPARE(running(clock), Running::None);
        for (QLabel *label :
             {child<QLabel>(clock, QStringLiteral("Label4")), child<QLabel>(clock, QStringLiteral("Label5"))}) {
            QCOMPARE(label->text(), shown);
            QCOMPARE(label->font().pointSize(), 120);
        }
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label6_1")), child<QLabel>(clock, QStringLiteral("Label6_1")));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label7"))->text(), QStringLiteral("线下区域为感应区"));
        // Keys reach the screen itself: nothing on it may take the focus away.
        QCOMPARE(clock->focusPolicy(), Qt::StrongFocus);
        for (QLabel *label : clock->findChildren<QLabel *>())
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);

        QTest::keyClick(clock, Qt::Key_Right);
        tick(child<QTimer>(clock, QStringLiteral("Timer2")));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label5"))->text(), afterOneStep);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label4"))->text(), shown);
        QCOMPARE(t.platform().messageTexts(), messages);
        QCOMPARE(running(clock), Running::Negative);
    }

    void titleComesFromTheOpenerOrTheHandedOverName()
    {
        TestApp t;
        t.writeSoundSet();
        // Custom stage eight gives no title but hands its name over.
        t.app().contest().handOverName(QStringLiteral("第二轮自由辩论"));
        DualClock *clock = openDualClock(t, QStringLiteral("60"), QString());
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label1"))->text(), QStringLiteral("第二轮自由辩论"));
        QTest::keyClick(clock, Qt::Key_Left);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label1"))->text(), QStringLiteral("第二轮自由辩论"));
        closeScreen(clock);

        // The free-debate buttons leave an older stage's name in the hand-over; their title wins.
        t.app().contest().handOverName(QStringLiteral("总结陈词"));
        QCOMPARE(child<QLabel>(openDualClock(t, QStringLiteral("60")), QStringLiteral("Label1"))->text(),
                 QStringLiteral("自由辩论"));
    }

    void arrowKeysPassTheTurn_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Running>("from");
        QTest::addColumn<Running>("expected");
        const auto none = Qt::KeyboardModifiers();
        QTest::newRow("left") << int(Qt::Key_Left) << none << Running::None << Running::Affirmative;
        QTest::newRow("right") << int(Qt::Key_Right) << none << Running::None << Running::Negative;
        QTest::newRow("shift+left") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                    << Running::Negative << Running::Affirmative;
        QTest::newRow("ctrl+right") << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                    << Running::Affirmative << Running::Negative;
        QTest::newRow("alt+shift+right") << int(Qt::Key_Right) << (Qt::AltModifier | Qt::ShiftModifier)
                                         << Running::Affirmative << Running::Negative;
        QTest::newRow("up") << int(Qt::Key_Up) << none << Running::Negative << Running::Negative;
        QTest::newRow("down") << int(Qt::Key_Down) << none << Running::None << Running::None;
        // The space bar pauses the side that speaks.
        QTest::newRow("space") << int(Qt::Key_Space) << none << Running::Affirmative << Running::None;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << Running::Affirmative << Running::Affirmative;
    }

    void arrowKeysPassTheTurn()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Running, from);
        QFETCH(Running, expected);
        TestApp t;
        t.writeSoundSet();
        DualClock *clock = openDualClock(t, QStringLiteral("120"));
        if (from == Running::Affirmative)
            QTest::keyClick(clock, Qt::Key_Left);
        if (from == Running::Negative)
            QTest::keyClick(clock, Qt::Key_Right);
        QCOMPARE(running(clock), from);
        // Through the window, as the system delivers it: the screen itself receives the key.
        QTest::keyClick(clock->windowHandle(), Qt::Key(key), modifiers);
        QCOMPARE(running(clock), expected);
        QCOMPARE(clock->affirmativeSeconds(), 120);
        QCOMPARE(clock->negativeSeconds(), 120);
    }

    void mouseButtonsOnTheBandPassTheTurnAndLabelsSwallowPresses()
    {
        TestApp t;
        t.writeSoundSet();
        DualClock *clock = openDualClock(t, QStringLiteral("120"));
        QTest::mousePress(clock, Qt::LeftButton, {}, sensingBand(clock));
        QCOMPARE(running(clock), Running::Affirmative);
        QTest::mousePress(clock, Qt::RightButton, {}, sensingBand(clock));
        QCOMPARE(running(clock), Running::Negative);
        QTest::mousePress(clock, Qt::MiddleButton, {}, sensingBand(clock));
        QCOMPARE(running(clock), Running::Negative);
        QTest::mousePress(clock, Qt::LeftButton, Qt::ShiftModifier, sensingBand(clock));
        QCOMPARE(running(clock), Running::Affirmative);

        // Presses through the window land on whatever label is under them and stop there.
        const QList<QLabel *> labels{
            child<QLabel>(clock, QStringLiteral("Label1")),   child<QLabel>(clock, QStringLiteral("Label2")),
            child<QLabel>(clock, QStringLiteral("Label3")),   child<QLabel>(clock, QStringLiteral("Label4")),
            child<QLabel>(clock, QStringLiteral("Label5")),   child<QLabel>(clock, QStringLiteral("Label6_0")),
            child<QLabel>(clock, QStringLiteral("Label6_1")), child<QLabel>(clock, QStringLiteral("Label7"))};
        for (QLabel *label : labels) {
            const QPoint at = label->mapTo(clock, label->rect().center());
            QCOMPARE(clock->childAt(at), label);
            QTest::mousePress(clock->windowHandle(), Qt::RightButton, {}, at);
            QTest::mouseRelease(clock->windowHandle(), Qt::RightButton, {}, at);
            QVERIFY2(running(clock) == Running::Affirmative, qPrintable(label->objectName()));
        }
        QTest::mousePress(clock->windowHandle(), Qt::RightButton, {}, sensingBand(clock));
        QCOMPARE(running(clock), Running::Negative);
    }

    void alternatingFasterThanASecondChargesNoOne()
    {
        TestApp t;
        t.writeSoundSet();
        ScriptedPlatform &p = t.platform();
        DualClock *clock = openDualClock(t, QStringLiteral("180"));
        p.nowMs = 10'000;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(clock, i % 2 == 0 ? Qt::Key_Left : Qt::Key_Right);
            QCOMPARE(child<QTimer>(clock, QStringLiteral("Timer1"))->interval(), 1000);
            QCOMPARE(child<QTimer>(clock, QStringLiteral("Timer2"))->interval(), 1000);
            p.nowMs += 900;
        }
        QCOMPARE(running(clock), Running::Negative);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label4"))->text(), QStringLiteral("180s"));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label5"))->text(), QStringLiteral("180s"));
        // The last switch came at 18.1 s: the negative side owes exactly one step at 19.1 s, nothing from before.
        p.nowMs = 19'100;
        tick(child<QTimer>(clock, QStringLiteral("Timer2")));
        QCOMPARE(clock->negativeSeconds(), 179);
        QCOMPARE(clock->affirmativeSeconds(), 180);
        QCOMPARE(child<QTimer>(clock, QStringLiteral("Timer2"))->interval(), 1000);
    }

    void heldArrowKeepsTheRunningSidesSchedule()
    {
        TestApp t;
        t.writeSoundSet();
        ScriptedPlatform &p = t.platform();
        DualClock *clock = openDualClock(t, QStringLiteral("120"));
        p.nowMs = 10'000;
        QTest::keyClick(clock, Qt::Key_Left);
        p.nowMs = 10'400;
        pressKey(clock, Qt::Key_Left, true);
        p.nowMs = 10'500;
        QTest::keyClick(clock, Qt::Key_Left);
        QTest::mousePress(clock, Qt::LeftButton, {}, sensingBand(clock));
        p.nowMs = 11'003;
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(clock->affirmativeSeconds(), 119);
        QCOMPARE(child<QTimer>(clock, QStringLiteral("Timer1"))->interval(), 997);
        // Holding the other arrow hands the turn over once and then keeps that side going.
        p.nowMs = 11'200;
        pressKey(clock, Qt::Key_Right, false);
        p.nowMs = 11'700;
        pressKey(clock, Qt::Key_Right, true);
        p.nowMs = 12'200;
        tick(child<QTimer>(clock, QStringLiteral("Timer2")));
        QCOMPARE(clock->negativeSeconds(), 119);
        QCOMPARE(child<QTimer>(clock, QStringLiteral("Timer2"))->interval(), 1000);
        QCOMPARE(running(clock), Running::Negative);
        QCOMPARE(clock->affirmativeSeconds(), 119);
    }

    void warningAndTimeUpAtTheEdges_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<bool>("affirmative");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("sound");
        QTest::newRow("nothing to count")
            << QStringLiteral("0") << false << 1 << QStringLiteral(" 时间到！") << QStringLiteral("TimeOut");
        // The time-up sound only.
        QTest::newRow("thirty, no warning")
            << QStringLiteral("30") << true << 40 << QStringLiteral(" 时间到！") << QStringLiteral("TimeOut");
        QTest::newRow("thirty-one, warned")
            << QStringLiteral("31") << false << 1 << QStringLiteral("30s") << QStringLiteral("30Warn");
    }

    void warningAndTimeUpAtTheEdges()
    {
        QFETCH(QString, limit);
        QFETCH(bool, affirmative);
        QFETCH(int, steps);
        QFETCH(QString, shown);
        QFETCH(QString, sound);
        TestApp t;
        t.writeSoundSet();
        DualClock *clock = openDualClock(t, limit);
        QLabel *side = affirmative ? child<QLabel>(clock, QStringLiteral("Label4"))
                                   : child<QLabel>(clock, QStringLiteral("Label5"));
        QLabel *waiting = affirmative ? child<QLabel>(clock, QStringLiteral("Label5"))
                                      : child<QLabel>(clock, QStringLiteral("Label4"));
        QTest::keyClick(clock, affirmative ? Qt::Key_Left : Qt::Key_Right);
        tick(affirmative ? child<QTimer>(clock, QStringLiteral("Timer1"))
                         : child<QTimer>(clock, QStringLiteral("Timer2")),
             steps);
        QCOMPARE(side->text(), shown);
        QCOMPARE(isRed(side), shown == QStringLiteral(" 时间到！"));
        QVERIFY(!isRed(waiting));
        QCOMPARE(waiting->text(), limit + QLatin1Char('s'));
        QCOMPARE(t.platform().sounds.size(), 1);
        QVERIFY(t.platform().sounds.at(0).contains(sound));
    }

    void eachSideRunsOutOnItsOwn()
    {
        TestApp t;
        t.writeSoundSet();
        QStringList &sounds = t.platform().sounds;
        DualClock *clock = openDualClock(t, QStringLiteral("3"));
        QTest::keyClick(clock, Qt::Key_Left);
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 3);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label4"))->text(), QStringLiteral(" 时间到！"));
        QVERIFY(isRed(child<QLabel>(clock, QStringLiteral("Label4"))));
        QCOMPARE(running(clock), Running::None);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label5"))->text(), QStringLiteral("3s"));
        QCOMPARE(sounds.size(), 1);

        QTest::keyClick(clock, Qt::Key_Right);
        tick(child<QTimer>(clock, QStringLiteral("Timer2")));
        QCOMPARE(clock->negativeSeconds(), 2);
        // Selecting the exhausted side stops the other and runs the whole time-up again a second later.
        QTest::keyClick(clock, Qt::Key_Left);
        QCOMPARE(running(clock), Running::Affirmative);
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(clock->affirmativeSeconds(), -1);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label4"))->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(running(clock), Running::None);
        QCOMPARE(sounds.size(), 2);
        QCOMPARE(clock->negativeSeconds(), 2);

        QTest::mousePress(clock, Qt::RightButton, {}, sensingBand(clock));
        tick(child<QTimer>(clock, QStringLiteral("Timer2")), 2);
        QCOMPARE(running(clock), Running::None);
        QVERIFY(isRed(child<QLabel>(clock, QStringLiteral("Label4"))));
        QVERIFY(isRed(child<QLabel>(clock, QStringLiteral("Label5"))));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label5"))->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label5"))->font().pointSize(), 120);
        QCOMPARE(sounds.size(), 3);
        QVERIFY(clock->isVisible());
    }

    void closingStopsBothAndReturnsToTheMenu()
    {
        TestApp t;
        t.writeSoundSet();
        DualClock *clock = openDualClock(t, QStringLiteral("90"));
        QTest::keyClick(clock, Qt::Key_Left);
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 5);
        QTest::keyClick(clock, Qt::Key_Right);
        closeToMenu(t, clock,
                    {child<QTimer>(clock, QStringLiteral("Timer1")), child<QTimer>(clock, QStringLiteral("Timer2"))});
        DualClock *again = openDualClock(t, QStringLiteral("90"));
        QCOMPARE(child<QLabel>(again, QStringLiteral("Label4"))->text(), QStringLiteral("90s"));
        QCOMPARE(running(again), Running::None);
    }
};

QTEST_MAIN(TestDualClock)
#include "test_dual_clock.moc"
