#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "shell/application.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

// A countdown of one of the clocks: the screen opened with a limit and the countdown started as the timekeeper
// starts it, its timer and its label.
struct Countdown
{
    Screen *screen = nullptr;
    QTimer *timer = nullptr;
    QLabel *display = nullptr;
};
using Opener = std::function<Countdown(TestApp &, const QString &limit)>;

Countdown singleSide(TestApp &t, const QString &limit)
{
    SingleSideClock *clock = openSingleSideClock(t, limit);
    click(clock, QStringLiteral("Command3"));
    return {clock, child<QTimer>(clock, QStringLiteral("Timer1")), child<QLabel>(clock, QStringLiteral("Label2"))};
}

Countdown dualSide(TestApp &t, const QString &limit, Qt::Key key, const QString &timer, const QString &label)
{
    DualClock *clock = openDualClock(t, limit);
    QTest::keyClick(clock, key);
    return {clock, child<QTimer>(clock, timer), child<QLabel>(clock, label)};
}

Countdown crossExamination(TestApp &t, const QString &limit)
{
    CrossExaminationClock *clock = openCrossExaminationClock(t, limit);
    QTest::mouseClick(child<QLabel>(clock, QStringLiteral("Label3")), Qt::LeftButton);
    click(clock, QStringLiteral("Command3"));
    return {clock, child<QTimer>(clock, QStringLiteral("Timer1")), child<QLabel>(clock, QStringLiteral("Label10"))};
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestClockNotices : public QObject
{
    Q_OBJECT

private slots:
    void aSoundMessageNeverHoldsUpTheClock_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<int>("devices");
        QTest::addColumn<SoundStart>("played");
        const Opener affirmative = [](TestApp &t, const QString &limit) {
            return dualSide(t, limit, Qt::Key_Left, QStringLiteral("Timer1"), QStringLiteral("Label4"));
        };
        const Opener negative = [](TestApp &t, const QString &limit) {
            return dualSide(t, limit, Qt::Key_Right, QStringLiteral("Timer2"), QStringLiteral("Label5"));
        };
        QTest::newRow("single side, no device") << Opener(singleSide) << 0 << SoundStart::Playing;
        QTest::newRow("dual clock affirmative, no device") << affirmative << 0 << SoundStart::Playing;
        QTest::newRow("dual clock negative, no device") << negative << 0 << SoundStart::Playing;
        QTest::newRow("cross-examination, no device") << Opener(crossExamination) << 0 << SoundStart::Playing;
        QTest::newRow("single side, the sound refused") << Opener(singleSide) << 1 << SoundStart::Failed;
    }

    void aSoundMessageNeverHoldsUpTheClock()
    {
        QFETCH(Opener, open);
        QFETCH(int, devices);
        QFETCH(SoundStart, played);
        TestApp t;
        t.writeSoundSet();
        ScriptedPlatform &p = t.platform();
        p.devices = devices;
        p.soundAnswers = {played, played};
        // A message that waited would be kept open 17 s, far longer than a held-up event loop is caught up.
        p.messageOpenMs = 17'000;
        const Countdown countdown = open(t, QStringLiteral("33"));
        for (int second = 1; second <= 20; ++second) {
            p.nowMs += 1'000;
            tick(countdown.timer);
        }
        QCOMPARE(countdown.display->text(), QStringLiteral("13s"));
        QCOMPARE(p.notices.size(), 1);
        QCOMPARE(p.notices.constFirst().text, QStringLiteral("检测声音设备出错"));
        QCOMPARE(p.notices.constFirst().display, t.app().timekeeperDisplay());
        QCOMPARE(p.messages.size(), p.notices.size());
        p.nowMs += 13'000;
        tick(countdown.timer, 13);
        QCOMPARE(countdown.display->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(p.notices.size(), 2);
    }
};

QTEST_MAIN(TestClockNotices)
#include "test_clock_notices.moc"
