#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "clocks/stage_handover.h"
#include "displays/styling.h"
#include "menu/main_menu.h"
#include "menu/splash_screen.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "shell/controls.h"
#include "support/files.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

// A contest whose every box says which box it is: names "name1" …, limits 101 … as "1" + box number.
QStringList numberedTimeSet()
{
    QStringList lines;
    const QList<int> names = {1, 2, 3, 4, 5, 6, 13, 14};
    for (int box = 1; box <= 21; ++box)
        lines.append(names.contains(box) ? QStringLiteral("name%1").arg(box)
                                         : QStringLiteral("1%1").arg(box, 2, 10, QLatin1Char('0')));
    return lines;
}

QColor centreColour(const QLabel *picture)
{
    return picture->pixmap().toImage().pixelColor(picture->pixmap().width() / 2, picture->pixmap().height() / 2);
}

} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

private slots:
    void buttonsStandWhereTheDesignPutsThem()
    {
        TestApp t;
        MainMenu *menu = t.screen<MainMenu>();
        const struct
        {
            const char *name;
            int left, top, width;
            const char *caption;
        } expected[] = {
            {"Command4", 1560, 1320, 2775, "辩论赛名称"},   {"Command20", 4680, 1320, 855, "设置"},
            {"Command9", 6720, 2160, 2775, "比赛规则"},     {"Command40", 6720, 3480, 2775, "自由辩论（预设）"},
            {"Command19", 6720, 7080, 2775, "比赛报表"},    {"Command46", 120, 8040, 1215, "查看新版本"},
            {"Command2", 2040, 8040, 1455, "进入设置界面"},
        };
        for (const auto &e : expected) {
            auto *button = child<QPushButton>(menu, QLatin1String(e.name));
            QVERIFY2(button, e.name);
            QCOMPARE(button->geometry(), twipsRect(e.left, e.top, e.width, 375));
            QCOMPARE(button->text(), QString::fromUtf8(e.caption));
        }
        int greyed = 0;
        for (int n : {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 44, 45}) {
            auto *button = child<QPushButton>(menu, QStringLiteral("Command%1").arg(n));
            QVERIFY(button);
            QCOMPARE(button->text(), QStringLiteral("设置"));
            greyed += !button->isEnabled();
        }
        QCOMPARE(greyed, 17);
        QVERIFY(child<QPushButton>(menu, QStringLiteral("Command20"))->isEnabled());
        QCOMPARE(backColour(child<QPushButton>(menu, QStringLiteral("Command12"))), QColor(24, 148, 222));
        QCOMPARE(backColour(child<QPushButton>(menu, QStringLiteral("Command43"))), QColor(222, 150, 171));
    }

    void customCaptionsFollowTheStagesPage()
    {
        TestApp t;
        t.writeConfig(TimeSet, numberedTimeSet());
        MainMenu *menu = t.screen<MainMenu>();
        QCOMPARE(child<QPushButton>(menu, QStringLiteral("Command10"))->text(), QStringLiteral("name1"));
        QCOMPARE(child<QPushButton>(menu, QStringLiteral("Command14"))->text(), QStringLiteral("name13"));
        QCOMPARE(child<QPushButton>(menu, QStringLiteral("Command42"))->text(), QStringLiteral("name5"));
        QCOMPARE(child<QPushButton>(menu, QStringLiteral("Command43"))->text(), QStringLiteral("name6"));

        // An unsaved edit shows while the page stays loaded, and goes with the page.
        StagesPage *stages = t.screen<StagesPage>();
        child<QLineEdit>(stages, QStringLiteral("Text13"))->setText(QStringLiteral("质询"));
        menu->show();
        QCOMPARE(child<QPushButton>(menu, QStringLiteral("Command14"))->text(), QStringLiteral("质询"));
        stages->show();
        menu->hide();
        stages->close();
        QVERIFY(menu->isVisible());
        QCOMPARE(child<QPushButton>(menu, QStringLiteral("Command14"))->text(), QStringLiteral("name13"));
    }

    void stageButtonsHandOverAndOpenTheirClock_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<QString>("title");
        const QString kept = QStringLiteral("前一环节");
        QTest::newRow("opening") << QStringLiteral("Command37") << QStringLiteral("117") << QStringLiteral("开篇陈词")
                                 << QStringLiteral("Form17") << QStringLiteral("开篇陈词");
        QTest::newRow("cross-examination")
            << QStringLiteral("Command38") << QStringLiteral("118") << kept << QStringLiteral("Form18") << QString();
        QTest::newRow("summary") << QStringLiteral("Command39") << QStringLiteral("119") << QStringLiteral("攻辩小结")
                                 << QStringLiteral("Form17") << QStringLiteral("攻辩小结");
        QTest::newRow("free debate") << QStringLiteral("Command40") << QStringLiteral("120") << kept
                                     << QStringLiteral("Form6") << QStringLiteral("自由辩论");
        QTest::newRow("closing") << QStringLiteral("Command41") << QStringLiteral("121") << QStringLiteral("总结陈词")
                                 << QStringLiteral("Form17") << QStringLiteral("总结陈词");
        QTest::newRow("one") << QStringLiteral("Command10") << QStringLiteral("107") << QStringLiteral("name1")
                             << QStringLiteral("Form17") << QString();
        QTest::newRow("two") << QStringLiteral("Command11") << QStringLiteral("108") << QStringLiteral("name2")
                             << QStringLiteral("Form17") << QString();
        QTest::newRow("three") << QStringLiteral("Command12") << QStringLiteral("109") << kept
                               << QStringLiteral("Form18") << QString();
        QTest::newRow("four") << QStringLiteral("Command13") << QStringLiteral("110") << QStringLiteral("name4")
                              << QStringLiteral("Form17") << QString();
        QTest::newRow("five") << QStringLiteral("Command14") << QStringLiteral("115") << QStringLiteral("name13")
                              << QStringLiteral("Form17") << QString();
        QTest::newRow("six") << QStringLiteral("Command15") << QStringLiteral("116") << QStringLiteral("name14")
                             << QStringLiteral("Form17") << QString();
        QTest::newRow("seven") << QStringLiteral("Command42") << QStringLiteral("111") << kept
                               << QStringLiteral("Form6") << QStringLiteral("自由辩论");
        QTest::newRow("eight") << QStringLiteral("Command43") << QStringLiteral("112") << QStringLiteral("name6")
                               << QStringLiteral("Form6") << QString();
    }
    void stageButtonsHandOverAndOpenTheirClock()
    {
        QFETCH(QString, button);
        QFETCH(QString, limit);
        QFETCH(QString, name);
        QFETCH(QString, clock);
        QFETCH(QString, title);
        TestApp t;
        t.writeSoundSet();
        t.writeConfig(TimeSet, numberedTimeSet());
        MainMenu *menu = openScreen<MainMenu>(t);
        t.app().contest().handOverName(QStringLiteral("前一环节"));
        child<QPushButton>(menu, button)->click();

        StageHandover *handover = t.screen<StageHandover>();
        QCOMPARE(child<QLineEdit>(handover, QStringLiteral("Text1"))->text(), limit);
        QCOMPARE(child<QLineEdit>(handover, QStringLiteral("Text2"))->text(), name);
        Screen *opened = t.app().screens().loaded(clock);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QVERIFY(!menu->isVisible());
        if (clock != QStringLiteral("Form18")) {
            const QString shown = child<QLabel>(opened, QStringLiteral("Label1"))->text();
            // The dual clock may name stage eight itself; every fixed title is written by the menu.
            if (!title.isEmpty() || clock == QStringLiteral("Form17"))
                QCOMPARE(shown, title);
        }
        // The clock read the hand-over at its load.
        const QString display = clock == QStringLiteral("Form17")  ? QStringLiteral("Label2")
                                : clock == QStringLiteral("Form6") ? QStringLiteral("Label4")
                                                                   : QString();
        if (!display.isEmpty())
            QCOMPARE(child<QLabel>(opened, display)->text(), limit + QLatin1Char('s'));
    }

    void everyButtonOpensItsScreen_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("menuStays");
        const struct
        {
            const char *control, *screen;
            bool menuStays;
        } rows[] = {
            {"Command2", "Form2", false},   {"set", "Form2", false},        {"Command4", "Form13", false},
            {"Command20", "Form13", false}, {"Command5", "Form7", false},   {"Command6", "Form8", false},
            {"Command7", "Form14", false},  {"Command8", "Form15", false},  {"Command16", "Form20", false},
            {"Command17", "Form20", false}, {"Command18", "Form16", false}, {"Command19", "Form12", false},
            {"Command1", "Form19", true},   {"author", "Form19", true},     {"Command36", "Form21", true},
            {"soft", "Form21", true},
        };
        for (const auto &row : rows)
            QTest::newRow(row.control) << QString::fromLatin1(row.control) << QString::fromLatin1(row.screen)
                                       << row.menuStays;
    }
    void everyButtonOpensItsScreen()
    {
        QFETCH(QString, control);
        QFETCH(QString, screen);
        QFETCH(bool, menuStays);
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        // A button, or an entry of the pop-up menu.
        if (auto *button = menu->findChild<QPushButton *>(control))
            button->click();
        else
            child<QAction>(menu, control)->trigger();
        Screen *opened = t.app().screens().loaded(screen);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QCOMPARE(menu->isVisible(), menuStays);
        closeToMenu(t, opened);
    }

    void titleForTheHallOrForItsDesign()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        child<QPushButton>(menu, QStringLiteral("Command4"))->click();
        Screen *title = t.app().screens().loaded(QStringLiteral("Form13"));
        for (const char *designOnly : {"Label3", "Command1", "Command2", "Command3", "Command4", "Command5"})
            QVERIFY2(!child<QWidget>(title, QLatin1String(designOnly))->isVisible(), designOnly);
        QVERIFY(child<QWidget>(title, QStringLiteral("Label1"))->isVisible());
        closeScreen(title);
        child<QPushButton>(menu, QStringLiteral("Command20"))->click();
        title = t.app().screens().loaded(QStringLiteral("Form13"));
        for (const char *designOnly : {"Label3", "Command1", "Command5"})
            QVERIFY2(child<QWidget>(title, QLatin1String(designOnly))->isVisible(), designOnly);
        closeScreen(title);

        // Guest comments retitle the audience screen; audience questions keep its own heading.
        child<QPushButton>(menu, QStringLiteral("Command17"))->click();
        QCOMPARE(child<QLabel>(t.app().screens().loaded(QStringLiteral("Form20")), QStringLiteral("Label1"))->text(),
                 QStringLiteral("嘉宾点评"));
        closeScreen(t.app().screens().loaded(QStringLiteral("Form20")));
        child<QPushButton>(menu, QStringLiteral("Command16"))->click();
        QCOMPARE(child<QLabel>(t.app().screens().loaded(QStringLiteral("Form20")), QStringLiteral("Label1"))->text(),
                 QStringLiteral("观众提问"));
    }

    void startUpClearsWhatInterruptedSavesLeft()
    {
        TestApp t;
        t.writeConfig(TimeSet, numberedTimeSet());
        const QStringList names = {QStringLiteral("TimeSet.ini.AbC123"), QStringLiteral("NumSet.ini.x9Y8z7"),
                                   QStringLiteral("TimeSet.ini.bak"), QStringLiteral("notes.txt.AbC123")};
        for (const QString &name : names)
            QVERIFY(writeBytes(t.configPath(name), QByteArray()));
        t.app().start();
        QVERIFY(!QFile::exists(t.configPath(names[0])));
        QVERIFY(!QFile::exists(t.configPath(names[1])));
        QVERIFY(QFile::exists(t.configPath(names[2])));
        QVERIFY(QFile::exists(t.configPath(names[3])));
        QVERIFY(QFile::exists(t.configPath(TimeSet)));
    }

    void newVersionPageOpensThroughTheSystem()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        child<QPushButton>(menu, QStringLiteral("Command46"))->click();
        child<QAction>(menu, QStringLiteral("bb"))->trigger();
        QCOMPARE(t.platform().urls.size(), 2);
        QVERIFY(t.platform().urls.at(0).startsWith(QStringLiteral("http")));
        QVERIFY(menu->isVisible());
    }

    void timeOfDayFollowsTheSoundPage()
    {
        TestApp t;
        t.writeSoundSet();
        MainMenu *menu = openScreen<MainMenu>(t);
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form9")));
        tick(child<QTimer>(menu, QStringLiteral("Timer2")));
        QVERIFY(t.app().screens().isLoaded(QStringLiteral("Form9")));
        QVERIFY(child<QLabel>(menu, QStringLiteral("Label2"))->isVisible());
        QVERIFY(!child<QLabel>(menu, QStringLiteral("Label2"))->text().isEmpty());
        SoundPage *sounds = t.screen<SoundPage>();
        child<QCheckBox>(sounds, QStringLiteral("Check2"))->click();
        QCOMPARE(child<QLineEdit>(sounds, QStringLiteral("Text3"))->text(), QStringLiteral("不显示"));
        tick(child<QTimer>(menu, QStringLiteral("Timer2")));
        QVERIFY(!child<QLabel>(menu, QStringLiteral("Label2"))->isVisible());

        TestApp empty;
        MainMenu *bare = openScreen<MainMenu>(empty);
        tick(child<QTimer>(bare, QStringLiteral("Timer2")));
        QVERIFY(!child<QLabel>(bare, QStringLiteral("Label2"))->isVisible());
        QVERIFY(!child<QLabel>(bare, QStringLiteral("Label2"))->text().isEmpty());
    }

    void popUpMenuOnlyOnTheBackgroundPicture()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        QTest::mouseClick(child<QLabel>(menu, QStringLiteral("Image1")), Qt::LeftButton, {}, QPoint(400, 500));
        QVERIFY(!child<QMenu>(menu, QStringLiteral("menu"))->isVisible());
        QTest::mouseClick(child<QPushButton>(menu, QStringLiteral("Command4")), Qt::RightButton);
        QTest::mouseClick(child<QLabel>(menu, QStringLiteral("Label1")), Qt::RightButton);
        QVERIFY(!child<QMenu>(menu, QStringLiteral("menu"))->isVisible());
        QTest::mousePress(child<QLabel>(menu, QStringLiteral("Image1")), Qt::RightButton, {}, QPoint(400, 500));
        QVERIFY(child<QMenu>(menu, QStringLiteral("menu"))->isVisible());
        child<QMenu>(menu, QStringLiteral("menu"))->hide();
        const QStringList names = {QStringLiteral("no"),  QStringLiteral("mr"),     QStringLiteral("bj1"),
                                   QStringLiteral("bj2"), QStringLiteral("bj3"),    QStringLiteral("zdy"),
                                   QStringLiteral("set"), QStringLiteral("author"), QStringLiteral("soft"),
                                   QStringLiteral("bb"),  QStringLiteral("exit")};
        for (const QString &name : names)
            QVERIFY2(child<QAction>(menu, name), qPrintable(name));
    }

    void backgroundChoices()
    {
        TestApp t;
        QVERIFY(writePicture(t.backgroundPath(QStringLiteral("p4.jpg")), QColor(200, 30, 30)));
        QVERIFY(writePicture(t.backgroundPath(QStringLiteral("p2.jpg")), QColor(30, 30, 200)));
        MainMenu *menu = openScreen<MainMenu>(t);
        QVERIFY(hasPicture(child<QLabel>(menu, QStringLiteral("Image1"))));
        child<QAction>(menu, QStringLiteral("no"))->trigger();
        QVERIFY(!hasPicture(child<QLabel>(menu, QStringLiteral("Image1"))));
        child<QAction>(menu, QStringLiteral("mr"))->trigger();
        QVERIFY(near(centreColour(child<QLabel>(menu, QStringLiteral("Image1"))), QColor(200, 30, 30)));
        child<QAction>(menu, QStringLiteral("bj2"))->trigger();
        QVERIFY(near(centreColour(child<QLabel>(menu, QStringLiteral("Image1"))), QColor(30, 30, 200)));
        // A missing stock picture keeps the one shown.
        child<QAction>(menu, QStringLiteral("bj1"))->trigger();
        QVERIFY(near(centreColour(child<QLabel>(menu, QStringLiteral("Image1"))), QColor(30, 30, 200)));
        // The custom background offers bitmaps first and preselects JPEG pictures.
        child<QAction>(menu, QStringLiteral("zdy"))->trigger();
        QCOMPARE(t.platform().openRequests.size(), 1);
        QCOMPARE(t.platform().openRequests.at(0).filterIndex, 2);
        QVERIFY(t.platform().openRequests.at(0).filter.startsWith(QStringLiteral("位图文件(*.bmp)|*.bmp|")));
        QVERIFY(near(centreColour(child<QLabel>(menu, QStringLiteral("Image1"))), QColor(30, 30, 200)));
    }

    void exitAsksFirstAndHelpOpensOnF1()
    {
        TestApp t;
        QSignalSpy exit(&t.app(), &Application::exitRequested);
        MainMenu *menu = openScreen<MainMenu>(t);
        t.platform().messageAnswers = {MessageAnswer::Cancel, MessageAnswer::Ok};
        child<QAction>(menu, QStringLiteral("exit"))->trigger();
        QCOMPARE(exit.count(), 0);
        QVERIFY(menu->isVisible());
        const MessageRequest &question = t.platform().messages.at(0);
        QCOMPARE(question.text, QStringLiteral("是否退出本系统？"));
        QCOMPARE(question.title, QStringLiteral("提示"));
        QCOMPARE(question.buttons, MessageButtons::OkCancel);
        QCOMPARE(question.icon, MessageIcon::Question);

        QTest::keyClick(menu, Qt::Key_F1);
        QCOMPARE(t.platform().helpFiles, QStringList{t.dir() + QStringLiteral("/help.chm")});

        child<QAction>(menu, QStringLiteral("exit"))->trigger();
        QCOMPARE(exit.count(), 1);
    }

    void oneStageFromAFreshStartToTimeUpAndBack()
    {
        TestApp t;
        t.writeSoundSet(QStringLiteral("分\\秒"));
        QStringList times = numberedTimeSet();
        times[16] = QStringLiteral("32");
        t.writeConfig(TimeSet, times);
        const SplashStart start(t);
        SplashScreen *splash = t.screen<SplashScreen>();
        QTest::mouseClick(splash, Qt::LeftButton);
        tick(child<QTimer>(splash, QStringLiteral("Timer1")), 2);
        MainMenu *menu = t.screen<MainMenu>();
        QVERIFY(menu->isVisible());

        child<QPushButton>(menu, QStringLiteral("Command37"))->click();
        SingleSideClock *clock = t.screen<SingleSideClock>();
        QVERIFY(clock->isVisible());
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label1"))->text(), QStringLiteral("开篇陈词"));
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral("0分32秒"));
        child<QPushButton>(clock, QStringLiteral("Command2"))->click();
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label1"))->text(), QStringLiteral("反方开篇陈词"));
        child<QPushButton>(clock, QStringLiteral("Command3"))->click();
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 2);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral("0分30秒"));
        QCOMPARE(t.platform().sounds.size(), 1);
        QVERIFY(t.platform().sounds.at(0).endsWith(QStringLiteral("sound/30Warn/默认声音.wav")));
        tick(child<QTimer>(clock, QStringLiteral("Timer1")), 30);
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), QStringLiteral(" 时间到！"));
        QVERIFY(t.platform().sounds.at(1).endsWith(QStringLiteral("sound/TimeOut/声音一.wav")));
        closeToMenu(t, clock);
    }
};

QTEST_MAIN(TestMainMenu)
#include "test_main_menu.moc"
