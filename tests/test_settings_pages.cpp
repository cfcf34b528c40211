#include "core/line_file.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "shell/controls.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Dovrel;
using namespace Dovrel::Testing;

Q_DECLARE_METATYPE(Dovrel::CountdownFormat)

namespace {

// Distinct texts for the 21 lines of TimeSet.ini, with the two fixed names and a limit that is not a number.
QStringList stageLines()
{
    return numberedLines(
        QStringLiteral("值%1"), 21,
        {{3, QStringLiteral("攻辩 ")}, {5, QStringLiteral("自由辩论")}, {8, QStringLiteral("2分钟")}, {14, QString()}});
}

} // namespace

class TestSettingsPages : public QObject
{
    Q_OBJECT

private slots:
    void soundPageLoadsKeywords_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("warning");
        QTest::addColumn<int>("timeUp");
        QTest::addColumn<bool>("timeShown");
        QTest::addColumn<CountdownFormat>("format");
        QTest::addColumn<QString>("sample");

        const QString design = QStringLiteral("Label6");
        QTest::newRow("first of each") << true
                                       << QStringList{QStringLiteral("默认声音"), QStringLiteral("默认声音"),
                                                      QStringLiteral("显示"), QStringLiteral("秒")}
                                       << 0 << 0 << true << CountdownFormat::Seconds << QStringLiteral("122s");
        QTest::newRow("last of each") << true
                                      << QStringList{QStringLiteral("声音三"), QStringLiteral("声音二"),
                                                     QStringLiteral("不显示"), QStringLiteral("分\\秒")}
                                      << 3 << 2 << false << CountdownFormat::MinutesSeconds
                                      << QStringLiteral("2分02秒");
        QTest::newRow("format without backslash") << true
                                                  << QStringList{QStringLiteral("声音二"), QStringLiteral("声音一"),
                                                                 QStringLiteral("显示"), QStringLiteral("分秒")}
                                                  << 2 << 1 << true << CountdownFormat::None << design;
        QTest::newRow("captions, blanks and width are not keywords")
            << true
            << QStringList{QStringLiteral("提示音一"), QStringLiteral(" 声音一"), QStringLiteral("显示 "),
                           QStringLiteral("秒 ")}
            << -1 << -1 << false << CountdownFormat::None << design;
        QTest::newRow("missing file") << false << QStringList{QString(), QString(), QString(), QString()} << -1 << -1
                                      << false << CountdownFormat::None << design;
    }

    void soundPageLoadsKeywords()
    {
        QFETCH(bool, fileExists);
        QFETCH(QStringList, lines);
        QFETCH(int, warning);
        QFETCH(int, timeUp);
        QFETCH(bool, timeShown);
        QFETCH(CountdownFormat, format);
        QFETCH(QString, sample);

        TestApp t;
        if (fileExists)
            t.writeConfig(SoundSet, lines);
        SoundPage *page = t.screen<SoundPage>();

        QCOMPARE(t.app().contest().alerts().warningChoice(), warning);
        QCOMPARE(t.app().contest().alerts().timeUpChoice(), timeUp);
        QCOMPARE(t.app().contest().alerts().format(), format);
        QCOMPARE(child<QCheckBox>(page, QStringLiteral("Check2"))->isChecked(), timeShown);
        QCOMPARE(t.app().contest().alerts().timeShown(), timeShown);
        QCOMPARE(child<QLabel>(page, QStringLiteral("Label4"))->isVisibleTo(page), timeShown);
        QCOMPARE(child<QLabel>(page, QStringLiteral("Label6"))->text(), sample);
        QVERIFY(!child<QCheckBox>(page, QStringLiteral("Check1"))->isChecked());
        // The boxes hold what was read, recognised or not.
        QCOMPARE((QStringList{child<QLineEdit>(page, QStringLiteral("Text1"))->text(),
                              child<QLineEdit>(page, QStringLiteral("Text2"))->text(),
                              child<QLineEdit>(page, QStringLiteral("Text3"))->text(),
                              child<QLineEdit>(page, QStringLiteral("Text4"))->text()}),
                 lines);
        QVERIFY(t.platform().sounds.isEmpty());
        QVERIFY(t.platform().messages.isEmpty());
        QCOMPARE(page->windowTitle(), QStringLiteral("Dovrel"));
    }

    void soundClicksStoreKeywordAndPreviewOnlyWhenAsked()
    {
        TestApp t;
        SoundPage *page = t.screen<SoundPage>();

        click(page, QStringLiteral("Option1_2"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text1"))->text(), QStringLiteral("声音二"));
        QCOMPARE(t.app().contest().alerts().warningChoice(), 2);
        QVERIFY(t.platform().sounds.isEmpty());

        click(page, QStringLiteral("Check1"));
        click(page, QStringLiteral("Option2_3"));
        click(page, QStringLiteral("Option1_1"));
        click(page, QStringLiteral("Option1_1"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text2"))->text(), QStringLiteral("声音三"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text1"))->text(), QStringLiteral("声音一"));
        QCOMPARE(t.app().contest().alerts().timeUpChoice(), 3);
        QCOMPARE(t.app().contest().alerts().warningChoice(), 1);
        // The page's "Sound\TimeOut\" finds the folder the clocks call "sound\TimeOut\".
        QCOMPARE(t.platform().sounds, (QStringList{t.dir() + QStringLiteral("/sound/TimeOut/声音三.wav"),
                                                   t.dir() + QStringLiteral("/sound/30Warn/声音一.wav"),
                                                   t.dir() + QStringLiteral("/sound/30Warn/声音一.wav")}));
        QVERIFY(t.platform().messages.isEmpty());
    }

    void noSoundDeviceIsReportedAndTheChoiceKept()
    {
        TestApp t;
        t.platform().devices = 0;
        SoundPage *page = t.screen<SoundPage>();
        click(page, QStringLiteral("Option2_1"));
        QVERIFY(t.platform().messages.isEmpty());

        click(page, QStringLiteral("Check1"));
        click(page, QStringLiteral("Option2_0"));
        QCOMPARE(t.platform().messageTexts(), QStringList{QStringLiteral("检测声音设备出错")});
        QCOMPARE(t.platform().messages.first().title, QStringLiteral("Dovrel"));
        QVERIFY(t.platform().sounds.isEmpty());
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text2"))->text(), QStringLiteral("默认声音"));
        QCOMPARE(t.app().contest().alerts().timeUpChoice(), 0);
    }

    void formatAndTimeSwitchFollowClicks()
    {
        TestApp t;
        SoundPage *page = t.screen<SoundPage>();

        click(page, QStringLiteral("Option3_1"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text4"))->text(), QStringLiteral("分\\秒"));
        QCOMPARE(child<QLabel>(page, QStringLiteral("Label6"))->text(), QStringLiteral("2分02秒"));
        click(page, QStringLiteral("Option3_0"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text4"))->text(), QStringLiteral("秒"));
        QCOMPARE(child<QLabel>(page, QStringLiteral("Label6"))->text(), QStringLiteral("122s"));
        QCOMPARE(t.app().contest().alerts().format(), CountdownFormat::Seconds);

        click(page, QStringLiteral("Check2"));
        QVERIFY(child<QLabel>(page, QStringLiteral("Label4"))->isVisibleTo(page));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text3"))->text(), QStringLiteral("显示"));
        click(page, QStringLiteral("Check2"));
        QVERIFY(!child<QLabel>(page, QStringLiteral("Label4"))->isVisibleTo(page));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text3"))->text(), QStringLiteral("不显示"));
        QVERIFY(!t.app().contest().alerts().timeShown());
        QVERIFY(t.platform().sounds.isEmpty());
    }

    void soundPageSavesKeywords()
    {
        TestApp t;
        SoundPage *page = t.screen<SoundPage>();
        click(page, QStringLiteral("Command3"));
        QCOMPARE(t.readConfigBytes(SoundSet), QByteArray("\r\n\r\n\r\n\r\n"));

        click(page, QStringLiteral("Option1_2"));
        click(page, QStringLiteral("Option2_3"));
        click(page, QStringLiteral("Check2"));
        click(page, QStringLiteral("Option3_1"));
        click(page, QStringLiteral("Command3"));
        QCOMPARE(t.readConfigBytes(SoundSet), gbBytes({QStringLiteral("声音二"), QStringLiteral("声音三"),
                                                       QStringLiteral("显示"), QStringLiteral("分\\秒")}));
        QCOMPARE(t.platform().messages.size(), 2);
        const MessageRequest &done = t.platform().messages.last();
        QCOMPARE(done.text, QStringLiteral("数据保存成功！"));
        QCOMPARE(done.title, QStringLiteral("Dovrel"));
        QCOMPARE(done.buttons, MessageButtons::Ok);
    }

    void failedSaveNamesTheFileAndClaimsNoSuccess()
    {
        TestApp t(TestApp::Config::Missing);
        click(t.screen<SoundPage>(), QStringLiteral("Command3"));
        click(t.screen<StagesPage>(), QStringLiteral("Command1"));
        const QStringList texts = t.platform().messageTexts();
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts[0].contains(SoundSet));
        QVERIFY(texts[1].contains(TimeSet));
        QVERIFY(!texts.contains(QStringLiteral("数据保存成功！")));
        QVERIFY(!QFile::exists(t.configPath(SoundSet)));
    }

    void soundChoicesLiveUntilThePageUnloads()
    {
        TestApp t;
        t.writeSoundSet();
        SoundPage *page = t.screen<SoundPage>();
        click(page, QStringLiteral("Option3_1"));
        page->show();

        click(page, QStringLiteral("Command4"));
        QVERIFY(t.screen<StagesPage>()->isVisible());
        QVERIFY(page->isHidden());
        QCOMPARE(t.screen<SoundPage>(), page);
        QCOMPARE(t.app().contest().alerts().format(), CountdownFormat::MinutesSeconds);

        click(page, QStringLiteral("Command5"));
        flushDeletes();
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form9")));
        QCOMPARE(t.app().contest().alerts().format(), CountdownFormat::Seconds);
    }

    void stagesPageLoadsAndSavesEveryLine()
    {
        TestApp t;
        const QStringList lines = stageLines();
        t.writeConfig(TimeSet, lines);
        StagesPage *page = t.screen<StagesPage>();
        for (int n = 1; n <= 21; ++n)
            QCOMPARE(textBox(page, n)->text(), lines[n - 1]);

        textBox(page, 8)->setText(QStringLiteral("120"));
        click(page, QStringLiteral("Command1"));
        QStringList expected = lines;
        expected[7] = QStringLiteral("120");
        QCOMPARE(t.readConfigBytes(TimeSet), gbBytes(expected));
        QCOMPARE(t.platform().messageTexts(), QStringList{QStringLiteral("数据保存成功！")});
        QCOMPARE(t.platform().messages.first().title, QStringLiteral("Dovrel"));
    }

    void unreadableLimitsAreRedAndSayHowTheyWillBeRead_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("red");
        QTest::addColumn<QString>("tip");
        QTest::newRow("whole seconds") << 17 << "180" << false << QString();
        QTest::newRow("the largest") << 21 << "32767" << false << QString();
        QTest::newRow("minutes and seconds") << 17 << "1:30" << true << "限时“1:30”将按 1 秒计时";
        QTest::newRow("a unit") << 7 << "180秒" << true << "将按 180 秒计时";
        QTest::newRow("too long") << 12 << "40000" << true << "超过 32767 秒";
        QTest::newRow("empty") << 16 << "" << true << "限时为空";
        QTest::newRow("zero") << 11 << "0" << true << "一开始就时间到";
    }

    void unreadableLimitsAreRedAndSayHowTheyWillBeRead()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(bool, red);
        QFETCH(QString, tip);
        TestApp t;
        StagesPage *page = t.screen<StagesPage>();
        QLineEdit *limit = textBox(page, box);
        limit->setText(QStringLiteral("60"));
        QCOMPARE(textColour(limit), Black);
        QVERIFY(limit->toolTip().isEmpty());

        limit->setText(typed);
        QCOMPARE(isRed(limit), red);
        QCOMPARE(limit->toolTip().isEmpty(), !red);
        QVERIFY2(limit->toolTip().contains(tip), qPrintable(limit->toolTip()));
        // Kept and saved exactly as typed.
        click(page, QStringLiteral("Command1"));
        QCOMPARE(readLineFile(t.configPath(TimeSet), 21).lines.value(box - 1), typed);

        // Names are never marked, whatever they hold.
        textBox(page, 1)->setText(QStringLiteral("1:30"));
        QVERIFY(!isRed(textBox(page, 1)));
    }

    void limitsReadFromTheFileAreMarkedAsTheyLoad()
    {
        TestApp t;
        t.writeConfig(TimeSet, stageLines());
        StagesPage *page = t.screen<StagesPage>();
        QVERIFY(isRed(textBox(page, 8))); // "2分钟"
        QVERIFY(!isRed(textBox(page, 2)));
    }

    void clearingAsksFirst_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("OK") << MessageAnswer::Ok;
        QTest::newRow("Cancel") << MessageAnswer::Cancel;
    }

    void clearingAsksFirst()
    {
        QFETCH(MessageAnswer, answer);
        TestApp t;
        const QStringList lines = stageLines();
        t.writeConfig(TimeSet, lines);
        StagesPage *page = t.screen<StagesPage>();
        t.platform().messageAnswers = {answer};
        click(page, QStringLiteral("Command4"));

        QCOMPARE(t.platform().messages.size(), 1);
        const MessageRequest &ask = t.platform().messages.first();
        QCOMPARE(ask.text, QStringLiteral("是否清空设置？"));
        QCOMPARE(ask.title, QStringLiteral("提示"));
        QCOMPARE(ask.icon, MessageIcon::Question);
        QCOMPARE(ask.buttons, MessageButtons::OkCancel);

        QStringList expected = lines;
        if (answer == MessageAnswer::Ok) {
            for (int i = 0; i < expected.size(); ++i) {
                if (i != 2 && i != 4)
                    expected[i].clear();
            }
        }
        for (int n = 1; n <= 21; ++n)
            QCOMPARE(textBox(page, n)->text(), expected[n - 1]);
        // Clearing leaves the file alone; the next save writes all 21 lines, empty or not.
        QCOMPARE(t.readConfigBytes(TimeSet), gbBytes(lines));
        click(page, QStringLiteral("Command1"));
        QCOMPARE(t.readConfigBytes(TimeSet), gbBytes(expected));
    }

    void fixedStageNamesComeBackWhenTheFileLacksThem_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("missing file") << false;
        QTest::newRow("empty name lines") << true;
    }

    void fixedStageNamesComeBackWhenTheFileLacksThem()
    {
        QFETCH(bool, fileExists);
        TestApp t;
        QStringList lines = stageLines();
        lines[2].clear();
        lines[4].clear();
        if (fileExists)
            t.writeConfig(TimeSet, lines);
        StagesPage *page = t.screen<StagesPage>();
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text3"))->text(), QStringLiteral("攻辩 "));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text5"))->text(), QStringLiteral("自由辩论"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text1"))->text(), fileExists ? lines[0] : QString());
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text21"))->text(), fileExists ? lines[20] : QString());
        QVERIFY(t.platform().messages.isEmpty());

        // Those two names cannot be typed over; the other boxes can.
        page->show();
        QTest::keyClicks(child<QLineEdit>(page, QStringLiteral("Text3")), QStringLiteral("abc"));
        QTest::keyClicks(child<QLineEdit>(page, QStringLiteral("Text1")), QStringLiteral("abc"));
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text3"))->text(), QStringLiteral("攻辩 "));
        QVERIFY(child<QLineEdit>(page, QStringLiteral("Text5"))->isReadOnly());
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text1"))->text(),
                 (fileExists ? lines[0] : QString()) + QStringLiteral("abc"));
    }

    void unsavedStageEditsLiveUntilThePageUnloads()
    {
        TestApp t;
        const QStringList lines = stageLines();
        t.writeConfig(TimeSet, lines);
        StagesPage *page = openScreen<StagesPage>(t);
        child<QLineEdit>(page, QStringLiteral("Text2"))->setText(QStringLiteral("新环节"));

        click(page, QStringLiteral("Command3"));
        SoundPage *sounds = t.screen<SoundPage>();
        QVERIFY(sounds->isVisible());
        QVERIFY(page->isHidden());
        click(sounds, QStringLiteral("Command5"));
        flushDeletes();
        QCOMPARE(t.screen<StagesPage>(), page);
        QCOMPARE(child<QLineEdit>(page, QStringLiteral("Text2"))->text(), QStringLiteral("新环节"));

        // Back to the contest details page: this page is hidden and stays loaded with its edits.
        page->show();
        click(page, QStringLiteral("Command2"));
        QVERIFY(page->isHidden());
        QVERIFY(t.screen<ContestDetailsPage>()->isVisible());
        QCOMPARE(t.screen<StagesPage>(), page);
        page->show();

        click(page, QStringLiteral("Command5"));
        flushDeletes();
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form3")));
        QCOMPARE(child<QLineEdit>(t.screen<StagesPage>(), QStringLiteral("Text2"))->text(), lines[1]);

        child<QLineEdit>(t.screen<StagesPage>(), QStringLiteral("Text2"))->setText(QStringLiteral("又一个"));
        closeScreen(t.screen<StagesPage>());
        QCOMPARE(child<QLineEdit>(t.screen<StagesPage>(), QStringLiteral("Text2"))->text(), lines[1]);
        QCOMPARE(t.readConfigBytes(TimeSet), gbBytes(lines));
    }
};

QTEST_MAIN(TestSettingsPages)
#include "test_settings_pages.moc"
