#include "clocks/countdown_clock.h"
#include "clocks/single_side_clock.h"
#include "clocks/stage_handover.h"
#include "menu/main_menu.h"
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

QString soundName(const QString &path)
{
    return path.section(QLatin1Char('/'), -3);
}

} // namespace

class TestSingleSideClock : public QObject
{
    Q_OBJECT

private slots:
    void opensStoppedShowingTheLimitInTheChosenFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("afterThreeSteps");
        QTest::newRow("seconds") << QStringLiteral("秒") << QStringLiteral("122s") << QStringLiteral("119s");
        QTest::newRow("minutes") << QStringLiteral("分\\秒") << QStringLiteral("2分2秒") << QStringLiteral("1分59秒");
    }

    void opensStoppedShowingTheLimitInTheChosenFormat()
    {
        QFETCH(QString, format);
        QFETCH(QString, shown);
        QFETCH(QString, afterThreeSteps);
        TestApp t;
        t.writeSoundSet(format);
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("122"));
        QVERIFY(clock->windowState() & Qt::WindowMaximized);
        QCOMPARE(clock->windowTitle(), QStringLiteral("Dovrel"));
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), shown);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->font().pointSize(), 120);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label1"))->text(), QString());
        QCOMPARE(clock->focusWidget(), child<QPushButton>(clock, QStringLiteral("Command1")));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 3);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), afterThreeSteps);
    }

    void sideButtonsSetTheTitleAtAnyTime()
    {
        TestApp t;
        t.writeSoundSet();
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("60"), QStringLiteral("一辩发言"));
        child<QPushButton>(clock, QStringLiteral("Command2"))->click();
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label1"))->text(), QStringLiteral("反方一辩发言"));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        child<QPushButton>(clock, QStringLiteral("Command1"))->click();
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label1"))->text(), QStringLiteral("正方一辩发言"));
        QVERIFY(child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(clock->remainingSeconds(), 59);
    }

    void warningAtThirtyAndTimeUpBelowOne()
    {
        TestApp t;
        t.writeSoundSet();
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("31"));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        QVERIFY(child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral("30s"));
        QCOMPARE(t.platform().sounds.size(), 1);
        QCOMPARE(soundName(t.platform().sounds.at(0)), QStringLiteral("sound/30Warn/默认声音.wav"));
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 29);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral("1s"));
        QVERIFY(!isRed(child<QLabel>(clock, QStringLiteral("Label2"))));
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral(" 时间到！"));
        QVERIFY(isRed(child<QLabel>(clock, QStringLiteral("Label2"))));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->font().pointSize(), 120);
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(t.platform().sounds.size(), 2);
        QCOMPARE(soundName(t.platform().sounds.at(1)), QStringLiteral("sound/TimeOut/声音一.wav"));

        for (const QString &limit : {QStringLiteral("30"), QStringLiteral("20")}) {
            TestApp quiet;
            quiet.writeSoundSet();
            SingleSideClock *short_ = openSingleSideClock(quiet, limit);
            child<QPushButton>(short_, QStringLiteral("Command3"))->click();
            tick(child<QTimer>(short_, QStringLiteral("Timer1")), 40);
            QCOMPARE(quiet.platform().sounds.size(), 1); // the time-up sound only
        }
    }

    void restartAfterTimeUpRepeatsTheWholeTimeUp()
    {
        TestApp t;
        t.writeSoundSet();
        SingleSideClock *first = openSingleSideClock(t, QStringLiteral("abc"));
        QCOMPARE(child<QLabel>(first, QStringLiteral("Label2"))->text(), QStringLiteral("0s"));
        closeScreen(first);
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("1"));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral(" 时间到！"));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        QVERIFY(child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(clock->remainingSeconds(), -1);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral(" 时间到！"));
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(t.platform().sounds.size(), 2);
    }

    void resetRestoresTheHandedOverLimitInBlack()
    {
        TestApp t;
        t.writeSoundSet();
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("5"));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 2);
        child<QPushButton>(clock, QStringLiteral("Command4"))->click();
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral("5s"));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 5);
        QVERIFY(isRed(child<QLabel>(clock, QStringLiteral("Label2"))));
        // What the stages page says now does not matter; the hand-over does.
        child<QPushButton>(clock, QStringLiteral("Command4"))->click();
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral("5s"));
        QCOMPARE(textColour(child<QLabel>(clock, QStringLiteral("Label2"))), QColor(0, 0, 0));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->font().pointSize(), 120);
        QCOMPARE(clock->remainingSeconds(), 5);
    }

    void keepsToItsDeadlinesAfterAHoldUpOrASuspend_data()
    {
        QTest::addColumn<qint64>("resumedAt");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<int>("interval");
        // Started at 10 s, the last step at 11.003 s.
        QTest::newRow("held up until 14.5 s: the steps of 12, 13 and 14 s at once") << qint64(14'500) << 118 << 500;
        // On resume the clock goes on from where it stood, on a fresh grid.
        QTest::newRow("the lid closed for an hour: the speaker loses one second") << qint64(3'611'400) << 120 << 1000;
    }

    void keepsToItsDeadlinesAfterAHoldUpOrASuspend()
    {
        QFETCH(qint64, resumedAt);
        QFETCH(int, remaining);
        QFETCH(int, interval);
        TestApp t;
        t.writeSoundSet();
        ScriptedPlatform &p = t.platform();
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("122"));
        // The second press leaves the running interval alone.
        startTwiceThenStep(p, child<QPushButton>(clock, QStringLiteral("Command3")),
                           child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(clock->remainingSeconds(), 121);
        QCOMPARE(child<QTimer>(clock, QStringLiteral("Timer1"))->interval(), 997);

        p.nowMs = resumedAt;
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(clock->remainingSeconds(), remaining);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QString::number(remaining) + QLatin1Char('s'));
        QVERIFY(child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(child<QTimer>(clock, QStringLiteral("Timer1"))->interval(), interval);
        QVERIFY(p.sounds.isEmpty());
        // From there one step a deadline again.
        p.nowMs = resumedAt + interval;
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(clock->remainingSeconds(), remaining - 1);
    }

    void aLongHoldUpStillSoundsEachAlertOnce()
    {
        TestApp t;
        t.writeSoundSet();
        ScriptedPlatform &p = t.platform();
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("33"));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        // Hold-ups of 4.9 s, each just short of a suspend: every missed step is charged, each alert sounds once.
        while (child<QTimer>(clock, QStringLiteral("Timer1"))->isActive()) {
            p.nowMs += 4'900;
            tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        }
        QCOMPARE(clock->remainingSeconds(), 0);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(p.sounds.size(), 2);
        QVERIFY(p.sounds.at(0).contains(QStringLiteral("30Warn")));
        QVERIFY(p.sounds.at(1).contains(QStringLiteral("TimeOut")));
        QCOMPARE(p.nowMs, 34'300); // 7 timeouts
    }

    void noFormatLeavesTheTextAndNoDeviceIsReported()
    {
        TestApp t;
        t.writeConfig(SoundSet, {QStringLiteral("声音二"), QStringLiteral("声音三"), QStringLiteral("显示"),
                                 QStringLiteral("分秒")});
        t.platform().devices = 0;
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("31"));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QString());
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QString());
        QCOMPARE(t.platform().messageTexts(), QStringList{QStringLiteral("检测声音设备出错")});
        QCOMPARE(clock->remainingSeconds(), 30);
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 30);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(t.platform().messages.size(), 2);
        QVERIFY(t.platform().sounds.isEmpty());
    }

    void closingStopsTheCountAndReturnsToTheMenu()
    {
        TestApp t;
        t.writeSoundSet();
        SingleSideClock *clock = openSingleSideClock(t, QStringLiteral("90"));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 10);
        closeToMenu(t, clock, {child<QTimer>(clock, QStringLiteral("Timer1"))});
        QCOMPARE(child<QLabel>(t.screen<SingleSideClock>(), QStringLiteral("Label2"))->text(), QStringLiteral("90s"));
    }
};

QTEST_MAIN(TestSingleSideClock)
#include "test_single_side_clock.moc"
