#include "clocks/cross_examination_clock.h"
#include "clocks/stage_handover.h"
#include "menu/main_menu.h"
#include "shell/controls.h"
#include "support/test_app.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

// Opens the clock as the main menu does: the limit is handed over first, then the clock loads.
Form18 *openClock(TestApp &t, const QString &limit)
{
    t.screen<Form5>()->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(limit);
    Form18 *clock = t.screen<Form18>();
    clock->show();
    return clock;
}

QLabel *pairing(Form18 *clock, int number)
{
    return child<QLabel>(clock, QStringLiteral("Label%1").arg(number));
}

void choose(Form18 *clock, int number)
{
    QTest::mouseClick(pairing(clock, number), Qt::LeftButton);
}

const QStringList MenuControls =
    QStringLiteral("Label9 Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8").split(u' ');
const QStringList ClockControls = QStringLiteral("Label9 Label10 Command3 Command1").split(u' ');

// The controls a timekeeper can see, in a fixed order.
QStringList visibleControls(Form18 *clock)
{
    QStringList names;
    for (const QString &name : MenuControls + ClockControls.mid(1)) {
        if (child<QWidget>(clock, name)->isVisible())
            names.append(name);
    }
    return names;
}

QStringList redPairings(Form18 *clock)
{
    QStringList red;
    for (int number = 1; number <= 8; ++number) {
        if (textColour(pairing(clock, number)) == Red)
            red.append(pairing(clock, number)->objectName());
    }
    return red;
}

void moveOver(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
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
        Form18 *clock = openClock(t, QStringLiteral("180"));
        QVERIFY(clock->windowState() & Qt::WindowMaximized);
        QCOMPARE(clock->windowTitle(), QStringLiteral("Dovrel"));
        QCOMPARE(backColour(clock), QColor(24, 148, 222));
        QCOMPARE(visibleControls(clock), MenuControls);
        QVERIFY(!clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        QVERIFY(clock->findChild<QTimer *>(QStringLiteral("Timer2"))->isActive());
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label9"))->text(), QStringLiteral("攻辩双方选择菜单"));
        // Whatever the format, the hidden clock holds plain seconds until a pairing is chosen.
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label10"))->text(), QStringLiteral("180s"));
        QCOMPARE(clock->remainingSeconds(), 180);
        QVERIFY(redPairings(clock).isEmpty());
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label5"))->text(), QStringLiteral("反方二辩选择正方二辩"));
    }

    void walksThroughTheStates()
    {
        TestApp t;
        t.writeSoundSet();
        Form18 *clock = openClock(t, QStringLiteral("2"));
        QTest::mouseClick(clock->findChild<QLabel *>(QStringLiteral("Label3")),
                          Qt::RightButton); // only the left button clicks
        QCOMPARE(visibleControls(clock), MenuControls);
        choose(clock, 3);
        QCOMPARE(visibleControls(clock), ClockControls);
        QVERIFY(!clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

        clock->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        QCOMPARE(visibleControls(clock), ClockControls);
        QVERIFY(clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

        tick(clock->findChild<QTimer *>(QStringLiteral("Timer1")), 2);
        QCOMPARE(visibleControls(clock), ClockControls);
        QVERIFY(!clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label10"))->text(), QStringLiteral(" 时间到！"));

        clock->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(visibleControls(clock), MenuControls);
        QVERIFY(!clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
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
        Form18 *clock = openClock(t, QStringLiteral("180"));
        const QString text = pairing(clock, number)->text();
        choose(clock, number);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label9"))->text(), text);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label10"))->text(), shown);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label10"))->font().pointSize(), 120);
        QVERIFY(!clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        // The whole pairing stays on screen although it is wider than the heading's design box.
        QVERIFY(clock->findChild<QLabel *>(QStringLiteral("Label9"))->width() >=
                clock->findChild<QLabel *>(QStringLiteral("Label9"))->sizeHint().width());
        QVERIFY(clock->rect().contains(clock->findChild<QLabel *>(QStringLiteral("Label9"))->geometry()));
    }

    void hoverLeavesExactlyOnePairingRed()
    {
        TestApp t;
        t.writeSoundSet();
        Form18 *clock = openClock(t, QStringLiteral("180"));
        const QColor headingColour = textColour(clock->findChild<QLabel *>(QStringLiteral("Label9")));

        moveOver(clock->findChild<QLabel *>(QStringLiteral("Label2")), QPoint(5, 5));
        QCOMPARE(redPairings(clock), QStringList{QStringLiteral("Label2")});
        QCOMPARE(textColour(clock->findChild<QLabel *>(QStringLiteral("Label1"))), Black);
        moveOver(clock->findChild<QLabel *>(QStringLiteral("Label7")), QPoint(5, 5));
        QCOMPARE(redPairings(clock), QStringList{QStringLiteral("Label7")});
        QCOMPARE(textColour(clock->findChild<QLabel *>(QStringLiteral("Label2"))), Black);

        // Over the heading nothing changes; over the bare background everything goes black.
        moveOver(clock, clock->findChild<QLabel *>(QStringLiteral("Label9"))->geometry().center());
        QCOMPARE(redPairings(clock), QStringList{QStringLiteral("Label7")});
        moveOver(clock, QPoint(2, clock->height() - 2));
        QVERIFY(redPairings(clock).isEmpty());
        QCOMPARE(textColour(clock->findChild<QLabel *>(QStringLiteral("Label7"))), Black);
        QCOMPARE(textColour(clock->findChild<QLabel *>(QStringLiteral("Label9"))), headingColour);

        // Through the window system too: the labels and the screen track the mouse without a button.
        QVERIFY(QTest::qWaitForWindowExposed(clock));
        QTest::mouseMove(clock->findChild<QLabel *>(QStringLiteral("Label5")), QPoint(10, 10));
        QCOMPARE(redPairings(clock), QStringList{QStringLiteral("Label5")});
        QTest::mouseMove(clock, QPoint(2, clock->height() - 2));
        QVERIFY(redPairings(clock).isEmpty());
    }

    void backWhileRunningStopsAtOnceAndTheNextPairingStartsFull()
    {
        TestApp t;
        t.writeSoundSet();
        Form18 *clock = openClock(t, QStringLiteral("120"));
        choose(clock, 1);
        clock->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer1")), 5);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label10"))->text(), QStringLiteral("115s"));
        clock->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QVERIFY(!clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(clock->remainingSeconds(), 120);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label9"))->text(), QStringLiteral("正方二辩选择反方二辩"));

        choose(clock, 5);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label9"))->text(), QStringLiteral("反方二辩选择正方二辩"));
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label10"))->text(), QStringLiteral("120s"));
        QCOMPARE(textColour(clock->findChild<QLabel *>(QStringLiteral("Label10"))), Black);
        QVERIFY(!clock->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    }

    void backAfterTimeUpRestoresBlackAndReadsTheHandOverAgain()
    {
        TestApp t;
        t.writeSoundSet(QStringLiteral("分\\秒"));
        Form18 *clock = openClock(t, QStringLiteral("3"));
        choose(clock, 2);
        clock->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer1")), 3);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label10"))->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(textColour(clock->findChild<QLabel *>(QStringLiteral("Label10"))), Red);

        t.screen<Form5>()->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("90"));
        clock->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(textColour(clock->findChild<QLabel *>(QStringLiteral("Label10"))), Black);
        QCOMPARE(clock->remainingSeconds(), 90);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label9"))->text(), QStringLiteral("正方二辩选择反方三辩"));
        choose(clock, 2);
        QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("Label10"))->text(), QStringLiteral("1分30秒"));
        QCOMPARE(textColour(clock->findChild<QLabel *>(QStringLiteral("Label10"))), Black);
    }

    void secondStartKeepsTheRunningInterval()
    {
        TestApp t;
        t.writeSoundSet();
        ScriptedPlatform &p = t.platform();
        Form18 *clock = openClock(t, QStringLiteral("60"));
        choose(clock, 4);
        p.nowMs = 5'000;
        clock->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        p.nowMs = 5'600;
        clock->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        p.nowMs = 6'002;
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer1")));
        QCOMPARE(clock->remainingSeconds(), 59);
        QCOMPARE(clock->findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 998);
    }

    void alertsAtThirtyAndAtEveryTimeUp()
    {
        TestApp t;
        t.writeSoundSet();
        Form18 *clock = openClock(t, QStringLiteral("31"));
        choose(clock, 8);
        clock->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        tick(clock->findChild<QTimer *>(QStringLiteral("Timer1")));
        QCOMPARE(t.platform().sounds.size(), 1);
        QVERIFY(t.platform().sounds.at(0).endsWith(QStringLiteral("sound/30Warn/默认声音.wav")));

        TestApp quiet;
        quiet.writeSoundSet();
        Form18 *thirty = openClock(quiet, QStringLiteral("30"));
        choose(thirty, 1);
        thirty->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        tick(thirty->findChild<QTimer *>(QStringLiteral("Timer1")), 29);
        QVERIFY(quiet.platform().sounds.isEmpty());
        tick(thirty->findChild<QTimer *>(QStringLiteral("Timer1")));
        QCOMPARE(quiet.platform().sounds.size(), 1);
        QVERIFY(quiet.platform().sounds.at(0).endsWith(QStringLiteral("sound/TimeOut/声音一.wav")));

        // A limit that is not a number ends on the first step; starting again repeats the whole time-up.
        TestApp z;
        z.writeSoundSet();
        Form18 *zero = openClock(z, QStringLiteral("abc"));
        choose(zero, 3);
        QCOMPARE(zero->findChild<QLabel *>(QStringLiteral("Label10"))->text(), QStringLiteral("0s"));
        zero->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        tick(zero->findChild<QTimer *>(QStringLiteral("Timer1")));
        QCOMPARE(zero->remainingSeconds(), -1);
        QCOMPARE(zero->findChild<QLabel *>(QStringLiteral("Label10"))->text(), QStringLiteral(" 时间到！"));
        QVERIFY(!zero->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(z.platform().sounds.size(), 1);

        zero->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        tick(zero->findChild<QTimer *>(QStringLiteral("Timer1")));
        QCOMPARE(zero->remainingSeconds(), -2);
        QCOMPARE(zero->findChild<QLabel *>(QStringLiteral("Label10"))->text(), QStringLiteral(" 时间到！"));
        QVERIFY(!zero->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(z.platform().sounds.size(), 2);
    }

    void closingStopsTheCountAndReturnsToTheMainMenu()
    {
        TestApp t;
        t.writeSoundSet();
        Form18 *clock = openClock(t, QStringLiteral("90"));
        choose(clock, 1);
        clock->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        QTimer *timer = clock->findChild<QTimer *>(QStringLiteral("Timer1"));
        clock->close();
        QVERIFY(!timer->isActive());
        QVERIFY(t.screen<Form4>()->isVisible());
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form18")));
        flushDeletes();
        QCOMPARE(t.screen<Form18>()->findChild<QLabel *>(QStringLiteral("Label9"))->text(),
                 QStringLiteral("攻辩双方选择菜单"));
    }
};

QTEST_MAIN(TestCrossExaminationClock)
#include "test_cross_examination_clock.moc"
