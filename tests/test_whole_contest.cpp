// A contest from the timekeeper's side: every step through the buttons the timekeeper uses.
#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "core/text_encoding.h"
#include "displays/judges_screen.h"
#include "displays/motions_screen.h"
#include "displays/speakers_screen.h"
#include "displays/teams_screen.h"
#include "displays/title_screen.h"
#include "menu/main_menu.h"
#include "scores/report_screen.h"
#include "scores/result_screen.h"
#include "scores/score_entry.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

// What the timekeeper types on the contest details page, box by box.
const QStringList ContestLines = {
    QStringLiteral("第五届“明理杯”大学生辩论邀请赛"),
    QStringLiteral("明理大学学生会"),
    QStringLiteral("网络使人更亲近"),
    QStringLiteral("网络使人更疏远"),
    QStringLiteral("明理大学代表队"),
    QStringLiteral("东川大学代表队"),
    QStringLiteral("李思远"),
    QStringLiteral("王晓晨"),
    QStringLiteral("张一鸣"),
    QStringLiteral("陈静怡"),
    QStringLiteral("赵天宇"),
    QStringLiteral("刘若楠"),
    QStringLiteral("孙浩然"),
    QStringLiteral("周雨桐"),
    QStringLiteral("林正阳"),
    QStringLiteral("何慧敏"),
    QStringLiteral("黄建国"),
    QStringLiteral("吴晓梅"),
    QStringLiteral("郑文博"),
    QString(),
    QString(),
    QString(),
    QString(),
};

template <class T> T *control(QObject *screen, const QString &name)
{
    T *found = child<T>(screen, name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QString text(QObject *screen, const QString &label)
{
    return control<QLabel>(screen, label)->text();
}

// Typed as a Chinese input method hands text over: committed into the box with the focus.
void type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);
}

// Types the contest on the details page, saves it and walks on through the wizard to the main menu.
void runTheWizard(TestApp &t, MainMenu *menu)
{
    click(menu, QStringLiteral("Command2"));
    ContestDetailsPage *details = t.screen<ContestDetailsPage>();
    QVERIFY(details->isVisible());
    for (int i = 0; i < ContestDetailCount; ++i)
        type(control<QLineEdit>(details, QStringLiteral("Text%1").arg(i + 1)), ContestLines[i]);
    click(details, QStringLiteral("Command1"));
    QCOMPARE(t.platform().messageTexts().last(), QStringLiteral("数据保存成功！"));
    click(details, QStringLiteral("Command2"));
    StagesPage *stages = t.screen<StagesPage>();
    QVERIFY(stages->isVisible());
    click(stages, QStringLiteral("Command3"));
    SoundPage *sounds = t.screen<SoundPage>();
    QVERIFY(sounds->isVisible());
    click(sounds, QStringLiteral("Command5"));
    flushDeletes();
    QVERIFY(menu->isVisible());
}

// Opens a screen with a menu button and returns it, shown, with the menu hidden.
Screen *openFromMenu(TestApp &t, MainMenu *menu, const QString &button, const QString &screen)
{
    click(menu, button);
    Screen *opened = t.app().screens().loaded(screen);
    if (!opened || !opened->isVisible() || menu->isVisible())
        qFatal("%s did not open %s", qPrintable(button), qPrintable(screen));
    return opened;
}

} // namespace

class TestWholeContest : public QObject
{
    Q_OBJECT

private slots:
    void detailsTypedOnTheWizardReachEveryDisplay()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        runTheWizard(t, menu);
        QCOMPARE(t.readConfigBytes(NumSet), gbBytes(ContestLines));

        const struct
        {
            const char *button, *screen;
            QList<QPair<const char *, int>> labels; // value label, contest details box
        } displays[] = {
            {"Command5", "Form7", {{"Label3", 3}, {"Label5", 4}}},
            {"Command6", "Form8", {{"Label4", 5}, {"Label5", 6}}},
            {"Command7", "Form14", {{"Label5", 7}, {"Label8", 10}, {"Label9", 11}, {"Label12", 14}}},
            {"Command8", "Form15", {{"Label1", 15}, {"Label5", 19}, {"Label6", 20}, {"Label9", 23}}},
            {"Command4", "Form13", {{"Label1", 1}, {"Label2", 2}}},
        };
        for (const auto &display : displays) {
            Screen *screen = openFromMenu(t, menu, QLatin1String(display.button), QLatin1String(display.screen));
            for (const auto &[label, box] : display.labels)
                QCOMPARE(text(screen, QLatin1String(label)), ContestLines[box - 1]);
            closeToMenu(t, screen);
        }
        // Presentation use hides the design controls of the title screen.
        Screen *title = openFromMenu(t, menu, QStringLiteral("Command4"), QStringLiteral("Form13"));
        QVERIFY(!control<QWidget>(title, QStringLiteral("Label3"))->isVisible());
        QVERIFY(!control<QWidget>(title, QStringLiteral("Command1"))->isVisible());
        closeToMenu(t, title);
        Screen *design = openFromMenu(t, menu, QStringLiteral("Command20"), QStringLiteral("Form13"));
        QVERIFY(control<QWidget>(design, QStringLiteral("Label3"))->isVisible());
        closeToMenu(t, design);
        QCOMPARE(t.readConfigBytes(NumSet), gbBytes(ContestLines));
    }

    void aWholeContestFromTheSettingsToTheSavedReport()
    {
        TestApp t;
        t.writeSoundSet(QStringLiteral("秒"));
        MainMenu *menu = openScreen<MainMenu>(t);
        runTheWizard(t, menu);
        // Short stages, typed on the stages page and kept unsaved while the page stays loaded.
        StagesPage *stages = t.screen<StagesPage>();
        child<QLineEdit>(stages, QStringLiteral("Text17"))->setText(QStringLiteral("32"));
        child<QLineEdit>(stages, QStringLiteral("Text18"))->setText(QStringLiteral("3"));
        child<QLineEdit>(stages, QStringLiteral("Text20"))->setText(QStringLiteral("2"));

        // Opening statements, negative side, to time-up with both alerts.
        auto *single = static_cast<SingleSideClock *>(
            openFromMenu(t, menu, QStringLiteral("Command37"), QStringLiteral("Form17")));
        click(single, QStringLiteral("Command2"));
        QCOMPARE(child<QLabel>(single, QStringLiteral("Label1"))->text(), QStringLiteral("反方开篇陈词"));
        click(single, QStringLiteral("Command3"));
        tick(child<QTimer>(single, QStringLiteral("Timer1")), 32);
        QCOMPARE(child<QLabel>(single, QStringLiteral("Label2"))->text(), QStringLiteral(" 时间到！"));
        QCOMPARE(t.platform().sounds.size(), 2);
        closeToMenu(t, single);

        // A cross-examination pairing.
        auto *cross = static_cast<CrossExaminationClock *>(
            openFromMenu(t, menu, QStringLiteral("Command38"), QStringLiteral("Form18")));
        QTest::mouseClick(child<QLabel>(cross, QStringLiteral("Label6")), Qt::LeftButton);
        QCOMPARE(child<QLabel>(cross, QStringLiteral("Label9"))->text(), QStringLiteral("反方二辩选择正方三辩"));
        click(cross, QStringLiteral("Command3"));
        tick(child<QTimer>(cross, QStringLiteral("Timer1")), 3);
        QCOMPARE(child<QLabel>(cross, QStringLiteral("Label10"))->text(), QStringLiteral(" 时间到！"));
        closeToMenu(t, cross);

        // Free debate: the turn passes by the arrow keys until both sides are out of time.
        auto *dual =
            static_cast<DualClock *>(openFromMenu(t, menu, QStringLiteral("Command40"), QStringLiteral("Form6")));
        QTest::keyClick(dual, Qt::Key_Left);
        tick(child<QTimer>(dual, QStringLiteral("Timer1")), 1);
        QTest::keyClick(dual, Qt::Key_Right);
        tick(child<QTimer>(dual, QStringLiteral("Timer2")), 2);
        QCOMPARE(child<QLabel>(dual, QStringLiteral("Label5"))->text(), QStringLiteral(" 时间到！"));
        QTest::keyClick(dual, Qt::Key_Left);
        tick(child<QTimer>(dual, QStringLiteral("Timer1")), 1);
        QCOMPARE(child<QLabel>(dual, QStringLiteral("Label4"))->text(), QStringLiteral(" 时间到！"));
        closeToMenu(t, dual);

        // Scores typed twice; the first try disagrees.
        auto *entry =
            static_cast<ScoreEntry *>(openFromMenu(t, menu, QStringLiteral("Command18"), QStringLiteral("Form16")));
        const QStringList firstTry = {QStringLiteral("87.5"), QStringLiteral("87.50"), QStringLiteral("86"),
                                      QStringLiteral("86")};
        for (int i = 0; i < 4; ++i)
            type(control<QLineEdit>(entry, QStringLiteral("Text%1").arg(i + 1)), firstTry[i]);
        click(entry, QStringLiteral("Command1"));
        QCOMPARE(t.platform().messageTexts().last(), QStringLiteral("数据前后输入不一致，请重新输入！"));
        const QStringList secondTry = {QStringLiteral("87.5"), QStringLiteral("87.5"), QStringLiteral("86"),
                                       QStringLiteral("86")};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(control<QLineEdit>(entry, QStringLiteral("Text%1").arg(i + 1))->text().isEmpty());
            type(control<QLineEdit>(entry, QStringLiteral("Text%1").arg(i + 1)), secondTry[i]);
        }
        click(entry, QStringLiteral("Command1"));
        flushDeletes();
        QCOMPARE(t.readConfigBytes(Score), QByteArray("87.5\r\n86\r\n"));

        // The result, revealed step by step.
        Screen *result = t.app().screens().loaded(QStringLiteral("Form11"));
        QVERIFY(result && result->isVisible());
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form16")));
        for (const char *label : {"Label5", "Label6", "Label7"})
            QVERIFY(!control<QLabel>(result, QLatin1String(label))->isVisible());
        for (const char *button : {"Command1", "Command2", "Command3"})
            click(result, QLatin1String(button));
        QCOMPARE(text(result, QStringLiteral("Label6")), QStringLiteral(" 87.5分"));
        QCOMPARE(text(result, QStringLiteral("Label7")), QStringLiteral(" 86分"));
        QCOMPARE(text(result, QStringLiteral("Label5")), QStringLiteral("明理大学代表队"));
        closeToMenu(t, result);

        // The report, saved as a text file.
        Screen *report = openFromMenu(t, menu, QStringLiteral("Command19"), QStringLiteral("Form12"));
        const QString saved = t.dir() + QStringLiteral("/报表.txt");
        t.platform().saveAnswers = {saved};
        click(report, QStringLiteral("Command3"));
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        // The date and time of line 4 are the machine's: masked.
        const QByteArray dateLine = QByteArray(55, ' ');
        const qsizetype at = bytes.indexOf(QByteArray(QByteArray("\r\n") + dateLine)) + 2;
        QVERIFY(at > 2);
        const qsizetype end = bytes.indexOf("\r\n", at);
        bytes.replace(at, end - at, QByteArray(dateLine + "<date>-<time>"));

        const QString blanks7(7, u' ');
        const QString blanks4(4, u' ');
        const QString expected =
            QStringLiteral("\r\n") + QString(35, u' ') + QStringLiteral("辩论赛报表\r\n\r\n") + QString(55, u' ') +
            QStringLiteral("<date>-<time>\r\n") + QString(76, u'_') + QStringLiteral("\r\n\r\n") +
            QStringLiteral("比赛名称：") + ContestLines[0] + QStringLiteral("\r\n组织单位名称：") + ContestLines[1] +
            QStringLiteral("\r\n\r\n正方辩题：") + ContestLines[2] + QStringLiteral("\r\n反方辩题：") +
            ContestLines[3] + QStringLiteral("\r\n\r\n正方代表队名称：") + ContestLines[4] +
            QStringLiteral("\r\n反方代表队名称：") + ContestLines[5] + QStringLiteral("\r\n\r\n正方队员\r\n\r\n") +
            blanks7 + QStringLiteral("一辩：") + ContestLines[6] + blanks4 + QStringLiteral("二辩：") +
            ContestLines[7] + blanks4 + QStringLiteral("三辩：") + ContestLines[8] + blanks4 +
            QStringLiteral("四辩：") + ContestLines[9] + QStringLiteral("\r\n\r\n反方队员\r\n\r\n") + blanks7 +
            QStringLiteral("一辩：") + ContestLines[10] + blanks4 + QStringLiteral("二辩：") + ContestLines[11] +
            blanks4 + QStringLiteral("三辩：") + ContestLines[12] + blanks4 + QStringLiteral("四辩：") +
            ContestLines[13] + QStringLiteral("\r\n\r\n评 委\r\n\r\n") + blanks7 + QStringLiteral("评委一：") +
            ContestLines[14] + blanks4 + QStringLiteral("评委二：") + ContestLines[15] + blanks4 +
            QStringLiteral("评委三：") + ContestLines[16] + blanks4 + QStringLiteral("评委四：") + ContestLines[17] +
            QStringLiteral("\r\n\r\n") + blanks7 + QStringLiteral("评委五：") + ContestLines[18] + blanks4 +
            QStringLiteral("评委六：") + blanks4 + QStringLiteral("评委七：") + blanks4 + QStringLiteral("评委八：") +
            QStringLiteral("\r\n\r\n") + blanks7 + QStringLiteral("评委九：") +
            QStringLiteral("\r\n\r\n双方最终得分\r\n") + QString(12, u' ') + QStringLiteral("正方总成绩： 87.5分\r\n") +
            QString(12, u' ') + QStringLiteral("反方总成绩： 86分\r\n\r\n比赛获胜方：明理大学代表队\r\n\r\n");
        QCOMPARE(decodeAnsi(bytes), expected);
        QCOMPARE(bytes, encodeAnsi(expected));
        closeToMenu(t, report);
    }
};

QTEST_MAIN(TestWholeContest)
#include "test_whole_contest.moc"
