#include "clocks/dual_clock.h"
#include "clocks/stage_handover.h"
#include "menu/main_menu.h"
#include "shell/controls.h"
#include "support/test_app.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

// Opens the dual clock as the main menu does: hand-over first, then the clock, with or without a title.
Form6 *openClock(TestApp &t, const QString &limit, const QString &title = QStringLiteral("自由辩论"))
{
    t.screen<Form5>()->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(limit);
    Form6 *clock = t.screen<Form6>();
    if (!title.isNull())
        clock->findChild<QLabel *>(QStringLiteral("Label1"))->setText(title);
    clock->show();
    return clock;
}

enum class Running { None, Affirmative, Negative };

Running running(const Form6 *clock)
{
    if (clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive() &&
        clock->findChild<QTimer *>(QStringLiteral("Timer2"))->isActive())
        return Running(-1); // both at once is always a fault
    if (clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive())
        return Running::Affirmative;
    return clock->findChild<QTimer *>(QStringLiteral("Timer2"))->isActive() ? Running::Negative : Running::None;
}

// A point in the free band below the dividing line.
QPoint sensingBand(const Form6 *clock)
{
    return QPoint(clock->width() / 4, clock->height() - 4);
}

bool isRed(const QLabel *label)
{
    return textColour(label) == QColor(255, 0, 0);
}

void pressKey(Form6 *clock, Qt::Key key, bool autoRepeat)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(clock, &press);
}

} // namespace

Q_DECLARE_METATYPE(Running)

class TestDualClock : public QObject
{
    Q_OBJECT

private slots:
    void opensWaitingWithBothFullLimits()
    {
        TestApp t;
        t.writeSoundSet(QStringLiteral("秒"));
        Form6 *clock = openClock(t, QStringLiteral("180"));
        QVERIFY(clock->windowState() & Qt::WindowMaximized);
        QCOMPARE(clock->windowTitle(), QStringLiteral("Dovrel"));
        QCOMPARE(running(clock), Running::None);
        for (QLabel *label : {clock->findChild<QLabel *>(QStringLiteral("Label4")),
                              clock->findChild<QLabel *>(QStringLiteral("Label5"))}) {
            QCOMPARE(label->text(), QStringLiteral("180s"));
            QCOMPARE(label->font().pointSize(), 120);
        }
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label6_1")),
                 clock->findChild<QLabel *>(QStringLiteral("Label6_1")));
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label7"))->text(), QStringLiteral("线下区域为感应区"));
        // Keys reach the screen itself: nothing on it may take the focus away.
        QCOMPARE(clock->focusPolicy(), Qt::StrongFocus);
        for (QLabel *label : clock->findChildren<QLabel *>())
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);

        TestApp m;
        m.writeSoundSet(QStringLiteral("分\\秒"));
        Form6 *minutes = openClock(m, QStringLiteral("180"));
        QCOMPARE(minutes->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral("3分0秒"));

        // No format chosen: seconds rather than the design texts; the missing device is still reported.
        TestApp n;
        n.writeConfig(QStringLiteral("SoundSet.ini"), {QStringLiteral("默认声音"), QStringLiteral("声音一"),
                                                       QStringLiteral("显示"), QStringLiteral("分秒")});
        n.platform().devices = 0;
        Form6 *unset = openClock(n, QStringLiteral("31"));
        QCOMPARE(unset->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("31s"));
        QCOMPARE(unset->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral("31s"));
        QTest::keyClick(unset, Qt::Key_Right);
        tick(unset->findChild<QTimer *>(QStringLiteral("Timer2")));
        QCOMPARE(unset->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral("30s"));
        QCOMPARE(n.platform().messageTexts(), QStringList{QStringLiteral("检测声音设备出错")});
        QCOMPARE(running(unset), Running::Negative);
    }

    void titleComesFromTheOpenerOrTheHandedOverName()
    {
        TestApp t;
        t.writeSoundSet();
        // Custom stage eight gives no title but hands its name over.
        t.screen<Form5>()->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("第二轮自由辩论"));
        Form6 *clock = openClock(t, QStringLiteral("60"), QString());
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("第二轮自由辩论"));
        QTest::keyClick(clock, Qt::Key_Left);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("第二轮自由辩论"));
        clock->close();
        flushDeletes();

        // The free-debate buttons leave an older stage's name in the hand-over; their title wins.
        t.screen<Form5>()->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("总结陈词"));
        QCOMPARE(openClock(t, QStringLiteral("60"))->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
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
        QTest::newRow("space") << int(Qt::Key_Space) << none << Running::Affirmative << Running::Affirmative;
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
        Form6 *clock = openClock(t, QStringLiteral("120"));
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
        Form6 *clock = openClock(t, QStringLiteral("120"));
        QTest::mousePress(clock, Qt::LeftButton, {}, sensingBand(clock));
        QCOMPARE(running(clock), Running::Affirmative);
        QTest::mousePress(clock, Qt::RightButton, {}, sensingBand(clock));
        QCOMPARE(running(clock), Running::Negative);
        QTest::mousePress(clock, Qt::MiddleButton, {}, sensingBand(clock));
        QCOMPARE(running(clock), Running::Negative);
        QTest::mousePress(clock, Qt::LeftButton, Qt::ShiftModifier, sensingBand(clock));
        QCOMPARE(running(clock), Running::Affirmative);

        // Presses through the window land on whatever label is under them and stop there.
        const QList<QLabel *> labels{clock->findChild<QLabel *>(QStringLiteral("Label1")),
                                     clock->findChild<QLabel *>(QStringLiteral("Label2")),
                                     clock->findChild<QLabel *>(QStringLiteral("Label3")),
                                     clock->findChild<QLabel *>(QStringLiteral("Label4")),
                                     clock->findChild<QLabel *>(QStringLiteral("Label5")),
                                     clock->findChild<QLabel *>(QStringLiteral("Label6_0")),
                                     clock->findChild<QLabel *>(QStringLiteral("Label6_1")),
                                     clock->findChild<QLabel *>(QStringLiteral("Label7"))};
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
        Form6 *clock = openClock(t, QStringLiteral("180"));
        p.nowMs = 10'000;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(clock, i % 2 == 0 ? Qt::Key_Left : Qt::Key_Right);
            QCOMPARE(clock->findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 1000);
            QCOMPARE(clock->findChild<QTimer *>(QStringLiteral("Timer2"))->interval(), 1000);
            p.nowMs += 900;
        }
        QCOMPARE(running(clock), Running::Negative);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("180s"));
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral("180s"));
        // The last switch came at 18.1 s: the negative side owes exactly one step at 19.1 s, nothing from before.
        p.nowMs = 19'100;
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer2")));
        QCOMPARE(clock->negativeSeconds(), 179);
        QCOMPARE(clock->affirmativeSeconds(), 180);
        QCOMPARE(clock->findChild<QTimer *>(QStringLiteral("Timer2"))->interval(), 1000);
    }

    void heldArrowKeepsTheRunningSidesSchedule()
    {
        TestApp t;
        t.writeSoundSet();
        ScriptedPlatform &p = t.platform();
        Form6 *clock = openClock(t, QStringLiteral("120"));
        p.nowMs = 10'000;
        QTest::keyClick(clock, Qt::Key_Left);
        p.nowMs = 10'400;
        pressKey(clock, Qt::Key_Left, true);
        p.nowMs = 10'500;
        QTest::keyClick(clock, Qt::Key_Left);
        QTest::mousePress(clock, Qt::LeftButton, {}, sensingBand(clock));
        p.nowMs = 11'003;
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer1")));
        QCOMPARE(clock->affirmativeSeconds(), 119);
        QCOMPARE(clock->findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 997);
        // Holding the other arrow hands the turn over once and then keeps that side going.
        p.nowMs = 11'200;
        pressKey(clock, Qt::Key_Right, false);
        p.nowMs = 11'700;
        pressKey(clock, Qt::Key_Right, true);
        p.nowMs = 12'200;
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer2")));
        QCOMPARE(clock->negativeSeconds(), 119);
        QCOMPARE(clock->findChild<QTimer *>(QStringLiteral("Timer2"))->interval(), 1000);
        QCOMPARE(running(clock), Running::Negative);
        QCOMPARE(clock->affirmativeSeconds(), 119);
    }

    void warningAndTimeUpAtTheEdges()
    {
        TestApp zero;
        zero.writeSoundSet();
        Form6 *empty = openClock(zero, QStringLiteral("0"));
        QCOMPARE(empty->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("0s"));
        QTest::keyClick(empty, Qt::Key_Right);
        tick(empty->findChild<QTimer *>(QStringLiteral("Timer2")));
        QCOMPARE(empty->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral(" 时间到！"));
        QVERIFY(isRed(empty->findChild<QLabel *>(QStringLiteral("Label5"))));
        QVERIFY(!isRed(empty->findChild<QLabel *>(QStringLiteral("Label4"))));
        QCOMPARE(empty->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("0s"));
        QCOMPARE(zero.platform().sounds.size(), 1);
        QVERIFY(zero.platform().sounds.at(0).contains(QStringLiteral("TimeOut")));

        TestApp thirty;
        thirty.writeSoundSet();
        Form6 *quiet = openClock(thirty, QStringLiteral("30"));
        QTest::keyClick(quiet, Qt::Key_Left);
        tick(quiet->findChild<QTimer *>(QStringLiteral("Timer1")), 40);
        QCOMPARE(thirty.platform().sounds.size(), 1); // the time-up sound only

        TestApp thirtyOne;
        thirtyOne.writeSoundSet();
        Form6 *warned = openClock(thirtyOne, QStringLiteral("31"));
        QTest::keyClick(warned, Qt::Key_Right);
        tick(warned->findChild<QTimer *>(QStringLiteral("Timer2")));
        QCOMPARE(warned->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral("30s"));
        QCOMPARE(thirtyOne.platform().sounds.size(), 1);
        QVERIFY(thirtyOne.platform().sounds.at(0).contains(QStringLiteral("30Warn")));
    }

    void eachSideRunsOutOnItsOwn()
    {
        TestApp t;
        t.writeSoundSet();
        QStringList &sounds = t.platform().sounds;
        Form6 *clock = openClock(t, QStringLiteral("3"));
        QTest::keyClick(clock, Qt::Key_Left);
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer1")), 3);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral(" 时间到！"));
        QVERIFY(isRed(clock->findChild<QLabel *>(QStringLiteral("Label4"))));
        QCOMPARE(running(clock), Running::None);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral("3s"));
        QCOMPARE(sounds.size(), 1);

        QTest::keyClick(clock, Qt::Key_Right);
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer2")));
        QCOMPARE(clock->negativeSeconds(), 2);
        // Selecting the exhausted side stops the other and runs the whole time-up again a second later.
        QTest::keyClick(clock, Qt::Key_Left);
        QCOMPARE(running(clock), Running::Affirmative);
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer1")));
        QCOMPARE(clock->affirmativeSeconds(), -1);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(running(clock), Running::None);
        QCOMPARE(sounds.size(), 2);
        QCOMPARE(clock->negativeSeconds(), 2);

        QTest::mousePress(clock, Qt::RightButton, {}, sensingBand(clock));
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer2")), 2);
        QCOMPARE(running(clock), Running::None);
        QVERIFY(isRed(clock->findChild<QLabel *>(QStringLiteral("Label4"))));
        QVERIFY(isRed(clock->findChild<QLabel *>(QStringLiteral("Label5"))));
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label5"))->font().pointSize(), 120);
        QCOMPARE(sounds.size(), 3);
        QVERIFY(clock->isVisible());
    }

    void closingStopsBothAndReturnsToTheMenu()
    {
        TestApp t;
        t.writeSoundSet();
        Form6 *clock = openClock(t, QStringLiteral("90"));
        QTest::keyClick(clock, Qt::Key_Left);
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer1")), 5);
        QTest::keyClick(clock, Qt::Key_Right);
        QTimer *affirmative = clock->findChild<QTimer *>(QStringLiteral("Timer1"));
        QTimer *negative = clock->findChild<QTimer *>(QStringLiteral("Timer2"));
        clock->close();
        QVERIFY(!affirmative->isActive());
        QVERIFY(!negative->isActive());
        QVERIFY(t.screen<Form4>()->isVisible());
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form6")));
        flushDeletes();
        Form6 *again = openClock(t, QStringLiteral("90"));
        QCOMPARE(again->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("90s"));
        QCOMPARE(running(again), Running::None);
    }
};

QTEST_MAIN(TestDualClock)
#include "test_dual_clock.moc"
