#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "core/speaking_record.h"
#include "menu/main_menu.h"
#include "scores/record_screen.h"
#include "scores/report_screen.h"
#include "settings/overtime_page.h"
#include "settings/sound_page.h"
#include "shell/application.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

// Runs the single-side clock one second at a time on the platform's clock, noting what the hall sees each second:
// the label's text, red or not ("*"), and each sound played ("~" the warning, "!" time-up).
class SingleSideRun
{
public:
    SingleSideRun(TestApp &t, const QString &limit) : m_t(t), m_clock(openSingleSideClock(t, limit)) {}

    SingleSideClock *clock() const
    {
        return m_clock;
    }
    void press(const QString &button)
    {
        click(m_clock, button);
    }
    // `seconds` steps, each a second after the last.
    QStringList seconds(int seconds)
    {
        QStringList shown;
        for (int i = 0; i < seconds; ++i) {
            const qsizetype sounds = m_t.platform().sounds.size();
            m_t.platform().nowMs += 1'000;
            tick(child<QTimer>(m_clock, QStringLiteral("Timer1")));
            QString text = child<QLabel>(m_clock, QStringLiteral("Label2"))->text().trimmed();
            if (isRed(child<QLabel>(m_clock, QStringLiteral("Label2"))))
                text += QLatin1Char('*');
            for (const QString &sound : m_t.platform().sounds.mid(sounds))
                text += sound.contains(QStringLiteral("30Warn")) ? QLatin1Char('~') : QLatin1Char('!');
            shown.append(text);
        }
        return shown;
    }

private:
    TestApp &m_t;
    SingleSideClock *m_clock;
};

QStringList texts(const char *joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char(' '));
}

} // namespace

class TestOvertime : public QObject
{
    Q_OBJECT

private slots:
    void theZeroCrossing_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<bool>("countUp");
        QTest::addColumn<int>("bell");
        QTest::addColumn<QStringList>("shown");
        // Off, a clock stops at its end as it always has; on, it counts the overtime in red from the next second.
        QTest::newRow("0, off") << "0" << false << 15 << texts("时间到！*! 时间到！* 时间到！*");
        QTest::newRow("0, on") << "0" << true << 15 << texts("时间到！*! +1s* +2s*");
        QTest::newRow("1, on") << "1" << true << 15 << texts("时间到！*! +1s* +2s*");
        QTest::newRow("29, off") << "29" << false << 15 << texts("28s 27s 26s");
        QTest::newRow("30, on") << "30" << true << 15 << texts("29s 28s 27s");
        QTest::newRow("31, on") << "31" << true << 15 << texts("30s~ 29s 28s");
        QTest::newRow("a bell every second") << "1" << true << 1 << texts("时间到！*! +1s*! +2s*!");
        QTest::newRow("no bell") << "1" << true << 0 << texts("时间到！*! +1s* +2s*");
        QTest::newRow("a bell every other second") << "1" << true << 2 << texts("时间到！*! +1s* +2s*!");
    }

    void theZeroCrossing()
    {
        QFETCH(QString, limit);
        QFETCH(bool, countUp);
        QFETCH(int, bell);
        QFETCH(QStringList, shown);
        TestApp t;
        t.writeSoundSet();
        t.app().setOvertimeRule({.countUp = countUp, .bellSeconds = bell});
        SingleSideRun run(t, limit);
        run.press(QStringLiteral("Command3"));
        QCOMPARE(run.seconds(3), shown);
        QCOMPARE(child<QTimer>(run.clock(), QStringLiteral("Timer1"))->isActive(), countUp || limit.toInt() > 3);
    }

    void pausesKeepThePartOfASecondAndWorkInOvertime()
    {
        TestApp t;
        t.writeSoundSet(QStringLiteral("分\\秒"));
        t.app().setOvertimeRule({.countUp = true, .bellSeconds = 15});
        SingleSideRun run(t, QStringLiteral("2"));
        run.press(QStringLiteral("Command3"));
        QCOMPARE(run.seconds(1), texts("0分1秒"));
        // Paused 400 ms into the second that would reach zero, for a minute: it goes on 600 ms after the resume.
        t.platform().nowMs += 400;
        QTest::keyClick(child<QPushButton>(run.clock(), QStringLiteral("Command1")), Qt::Key_Space);
        QCOMPARE(child<QPushButton>(run.clock(), QStringLiteral("Command5"))->text(), QStringLiteral("继续"));
        QVERIFY(t.app().hallState().view().sides[0].paused);
        t.platform().nowMs += 60'000;
        run.press(QStringLiteral("Command5"));
        QCOMPARE(child<QPushButton>(run.clock(), QStringLiteral("Command5"))->text(), QStringLiteral("暂停"));
        QCOMPARE(child<QTimer>(run.clock(), QStringLiteral("Timer1"))->interval(), 600);
        t.platform().nowMs -= 400;
        QCOMPARE(run.seconds(2), texts("时间到！*! +0分1秒*"));
        // In overtime too; the space bar goes to the clock whichever button has the focus.
        run.press(QStringLiteral("Command5"));
        QVERIFY(!child<QTimer>(run.clock(), QStringLiteral("Timer1"))->isActive());
        QTest::keyClick(child<QPushButton>(run.clock(), QStringLiteral("Command3")), Qt::Key_Space);
        QCOMPARE(run.seconds(1), texts("+0分2秒*"));
        QCOMPARE(t.app().hallState().view().sides[0].overtime, 2);
    }

    void aRestartAfterTimeUp_data()
    {
        QTest::addColumn<bool>("countUp");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("off: the end again") << false << texts("时间到！*!");
        QTest::newRow("on: into the overtime") << true << texts("+1s*");
    }

    void aRestartAfterTimeUp()
    {
        QFETCH(bool, countUp);
        QFETCH(QStringList, shown);
        TestApp t;
        t.writeSoundSet();
        SingleSideRun run(t, QStringLiteral("1"));
        run.press(QStringLiteral("Command3"));
        run.seconds(1);
        t.app().setOvertimeRule({.countUp = countUp, .bellSeconds = 15});
        run.press(QStringLiteral("Command3"));
        QCOMPARE(run.seconds(1), shown);
        QCOMPARE(run.clock()->remainingSeconds(), -1);
    }

    void theDualClockCountsOvertimeOnlyForTheSideThatSpeaks()
    {
        TestApp t;
        t.writeSoundSet();
        t.app().setOvertimeRule({.countUp = true, .bellSeconds = 15});
        DualClock *clock = openDualClock(t, QStringLiteral("1"));
        const auto step = [&](const QString &timer) {
            t.platform().nowMs += 1'000;
            tick(child<QTimer>(clock, timer));
        };
        QTest::keyClick(clock, Qt::Key_Left);
        step(QStringLiteral("Timer1"));
        step(QStringLiteral("Timer1"));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label4"))->text(), QStringLiteral("+1s"));
        QTest::keyClick(clock, Qt::Key_Right);
        step(QStringLiteral("Timer2"));
        QTest::keyClick(clock, Qt::Key_Left);
        step(QStringLiteral("Timer1"));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label4"))->text(), QStringLiteral("+2s"));
        QCOMPARE(t.app().hallState().view().sides[0].overtime, 2);
        QCOMPARE(t.app().hallState().view().sides[1].overtime, 0);
        QVERIFY(t.app().hallState().view().sides[1].timeUp);
        // The space bar pauses the speaking side and continues it.
        QTest::keyClick(clock, Qt::Key_Space);
        QVERIFY(!child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
        QTest::keyClick(clock, Qt::Key_Space);
        QVERIFY(child<QTimer>(clock, QStringLiteral("Timer1"))->isActive());
    }

    void aSuspendInOvertimeCostsOneSecond()
    {
        TestApp t;
        t.writeSoundSet();
        t.app().setOvertimeRule({.countUp = true, .bellSeconds = 0});
        SingleSideRun run(t, QStringLiteral("1"));
        run.press(QStringLiteral("Command3"));
        run.seconds(2);
        t.platform().nowMs += 60'000;
        QCOMPARE(run.seconds(1), texts("+2s*"));
    }

    void everyRunIsRecordedWhenItEnds()
    {
        TestApp t;
        t.writeSoundSet();
        t.app().setOvertimeRule({.countUp = true, .bellSeconds = 15});
        SingleSideRun run(t, QStringLiteral("3"));
        run.press(QStringLiteral("Command2"));
        run.press(QStringLiteral("Command3"));
        run.seconds(1);
        run.press(QStringLiteral("Command5"));
        run.press(QStringLiteral("Command5"));
        run.seconds(4);
        // A reset ends the run; a run never started writes nothing.
        run.press(QStringLiteral("Command4"));
        run.press(QStringLiteral("Command4"));
        t.app().setOvertimeRule({});
        run.press(QStringLiteral("Command3"));
        run.seconds(3);
        CrossExaminationClock *cross = openCrossExaminationClock(t, QStringLiteral("60"));
        QTest::mouseClick(child<QLabel>(cross, QStringLiteral("Label5")), Qt::LeftButton);
        click(cross, QStringLiteral("Command3"));
        tick(child<QTimer>(cross, QStringLiteral("Timer1")), 10);
        t.app().exitProgram();

        const QList<SpeakingRow> rows = t.app().speakingRecord().rowsOf(QDate::currentDate());
        QCOMPARE(rows.size(), 3);
        const auto brief = [](const SpeakingRow &row) {
            return QStringLiteral("%1 %2 %3/%4/%5/%6")
                .arg(row.stage, row.side)
                .arg(row.limit)
                .arg(row.spoken)
                .arg(row.overtime)
                .arg(row.pauses);
        };
        QCOMPARE(brief(rows.at(0)), QStringLiteral("开篇陈词 反方 3/5/2/1"));
        QCOMPARE(brief(rows.at(1)), QStringLiteral("开篇陈词 反方 3/3/0/0"));
        QCOMPARE(brief(rows.at(2)), QStringLiteral("攻辩 反方二辩选择正方二辩 60/10/0/0"));
    }

    void theRecordOnScreenAndInTheReport()
    {
        TestApp t;
        t.writeConfig(NumSet, contestDetails());
        const QDateTime started(QDate::currentDate(), QTime(14, 5, 33));
        t.app().speakingRecord().add({started, QStringLiteral("开篇陈词"), QStringLiteral("正方"), 180, 192, 12, 1});
        t.app().speakingRecord().add({started, QStringLiteral("总结陈词"), QStringLiteral("反方"), 240, 200, 0, 0});
        MainMenu *menu = openScreen<MainMenu>(t);
        click(menu, QStringLiteral("Command48"));
        auto *record = t.app().screens().loaded(QStringLiteral("Form23"));
        QVERIFY(record && record->isVisible() && menu->isVisible());
        auto *table = child<QTableWidget>(record, QStringLiteral("Table1"));
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 5)->foreground().color(), Red);
        QVERIFY(table->item(1, 5)->foreground().color() != Red);
        click(record, QStringLiteral("Command1"));
        QCOMPARE(t.platform().clipboard.count(QStringLiteral("\r\n")), 3);
        QVERIFY(t.platform().clipboard.contains(QStringLiteral("14:05:33\t开篇陈词\t正方\t180\t192\t12\t1")));

        ReportScreen *report = openScreen<ReportScreen>(t);
        const QString plain = report->reportText();
        click(report, QStringLiteral("Check1"));
        QVERIFY(report->reportText().startsWith(plain));
        QVERIFY(report->reportText().endsWith(
            QStringLiteral("       14:05:33  总结陈词  反方  限时240秒  用时200秒  超时0秒  暂停0次\r\n")));
        click(report, QStringLiteral("Check1"));
        QCOMPARE(report->reportText(), plain);
    }

    void aStageNamedLikeAPlaceholderStaysAsTypedInTheReport()
    {
        const QDateTime started(QDate(2026, 12, 8), QTime(9, 0, 0));
        const SpeakingRow row{started, QStringLiteral("环节%4"), QStringLiteral("%1"), 60, 61, 1, 0};
        QVERIFY(recordReportSection(started.date(), {row}).contains(QStringLiteral("09:00:00  环节%4  %1  限时60秒")));
    }

    void theOvertimePageKeepsTheChoice()
    {
        TestApp t;
        click(t.screen<SoundPage>(), QStringLiteral("Command6"));
        auto *page = t.app().screens().loaded(QStringLiteral("Form25"));
        QVERIFY(page && page->isVisible());
        QVERIFY(!child<QCheckBox>(page, QStringLiteral("Check1"))->isChecked());
        QCOMPARE(child<QSpinBox>(page, QStringLiteral("Text1"))->value(), 15);
        child<QCheckBox>(page, QStringLiteral("Check1"))->setChecked(true);
        child<QSpinBox>(page, QStringLiteral("Text1"))->setValue(30);
        click(page, QStringLiteral("Command1"));
        flushDeletes();
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form25")));
        QCOMPARE(t.app().programSettings().overtimeRule(), (OvertimeRule{.countUp = true, .bellSeconds = 30}));
        // The six settings files are not touched.
        QVERIFY(!QFile::exists(t.configPath(SoundSet)));
    }
};

QTEST_MAIN(TestOvertime)
#include "test_overtime.moc"
