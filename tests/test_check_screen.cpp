#include "check/check_screen.h"
#include "core/app_paths.h"
#include "menu/main_menu.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "shell/controls.h"
#include "shell/qt_process.h"
#include "support/files.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

// The program's own settings and sounds in the test's application directory.
void copyAssets(TestApp &t, const QString &folder)
{
    const QString from = QStringLiteral(DOVREL_ASSETS_DIR "/") + folder;
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = t.dir() + QLatin1Char('/') + folder + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QVERIFY(QFile::copy(source, target));
    }
}

QStringList lines(const CheckScreen *check)
{
    return child<QPlainTextEdit>(check, QStringLiteral("Text1"))->toPlainText().split(QLatin1Char('\n'));
}

QStringList linesStartingWith(const CheckScreen *check, const QString &mark)
{
    QStringList found;
    for (const QString &line : lines(check)) {
        if (line.startsWith(mark))
            found.append(line);
    }
    return found;
}

// Every file under the directory with its bytes.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.insert(file.fileName(), file.readAll());
    }
    return files;
}

} // namespace

class TestCheckScreen : public QObject
{
    Q_OBJECT

private slots:
    void designInTheAboutScreensLook()
    {
        TestApp t;
        CheckScreen *check = t.screen<CheckScreen>();
        QCOMPARE(check->objectName(), QStringLiteral("Form22"));
        QCOMPARE(check->size(), QSize(7800 / 15, 6000 / 15));
        QCOMPARE(check->windowTitle(), QStringLiteral("赛前检查"));
        QCOMPARE(child<QPushButton>(check, QStringLiteral("Command1"))->text(), QStringLiteral("重新检查"));
        QCOMPARE(child<QPushButton>(check, QStringLiteral("Command2"))->text(), QStringLiteral("试听提示音"));
        QVERIFY(child<QPlainTextEdit>(check, QStringLiteral("Text1"))->isReadOnly());
        for (const QWidget *control : {static_cast<QWidget *>(child<QPlainTextEdit>(check, QStringLiteral("Text1"))),
                                       static_cast<QWidget *>(child<QPushButton>(check, QStringLiteral("Command1"))),
                                       static_cast<QWidget *>(child<QPushButton>(check, QStringLiteral("Command2")))})
            QVERIFY(check->rect().contains(control->geometry()));
        QVERIFY(child<QPushButton>(check, QStringLiteral("Command1"))->y() >
                child<QPlainTextEdit>(check, QStringLiteral("Text1"))->geometry().bottom());

        // The caption is typed out as on every screen, and starts over.
        QCOMPARE(child<QTimer>(check, QStringLiteral("Timer1"))->interval(), 500);
        QVERIFY(child<QTimer>(check, QStringLiteral("Timer1"))->isActive());
        tick(child<QTimer>(check, QStringLiteral("Timer1")));
        QCOMPARE(check->windowTitle(), QString());
        tick(child<QTimer>(check, QStringLiteral("Timer1")), 2);
        QCOMPARE(check->windowTitle(), QStringLiteral("赛前"));
        tick(child<QTimer>(check, QStringLiteral("Timer1")), 2);
        QCOMPARE(check->windowTitle(), QStringLiteral("赛前检查"));
    }

    void opensOverTheMenuAndClosesBackToIt()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        CheckScreen *check = openScreen<CheckScreen>(t);
        QVERIFY(menu->isVisible());
        QCOMPARE(check->frameGeometry().center(), menu->frameGeometry().center());
        // Not for the hall: the display may sleep while it is open.
        QVERIFY(t.platform().displayAwakeCalls.isEmpty());

        menu->hide();
        closeToMenu(t, check);
    }

    void theMenuOpensItFromItsButtonAndItsPopUpMenu_data()
    {
        QTest::addColumn<bool>("fromPopUp");
        QTest::newRow("button") << false;
        QTest::newRow("pop-up menu") << true;
    }

    void theMenuOpensItFromItsButtonAndItsPopUpMenu()
    {
        QFETCH(bool, fromPopUp);
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        auto *button = child<QPushButton>(menu, QStringLiteral("Command47"));
        QCOMPARE(button->text(), QStringLiteral("赛前检查"));
        // In the bottom row, beside "进入设置界面" and in its style.
        auto *settings = child<QPushButton>(menu, QStringLiteral("Command2"));
        QCOMPARE(button->geometry().top(), settings->geometry().top());
        QCOMPARE(button->size(), settings->size());
        QVERIFY(button->geometry().left() > settings->geometry().right());
        QCOMPARE(button->font(), settings->font());
        QCOMPARE(backColour(button), backColour(settings));

        const QList<QAction *> entries = child<QMenu>(menu, QStringLiteral("menu"))->actions();
        const auto after = std::find_if(entries.begin(), entries.end(), [](const QAction *entry) {
            return entry->objectName() == QLatin1String("bb");
        });
        QVERIFY(after != entries.end() && after + 1 != entries.end());
        QAction *check = *(after + 1);
        QCOMPARE(check->objectName(), QStringLiteral("check"));
        QCOMPARE(check->text(), QStringLiteral("赛前检查"));

        if (fromPopUp)
            check->trigger();
        else
            button->click();
        auto *opened = qobject_cast<CheckScreen *>(t.app().screens().loaded(QStringLiteral("Form22")));
        QVERIFY(opened && opened->isVisible());
        QVERIFY(menu->isVisible());
    }

    void everyMarkIsInTheFaceThatDrawsIt()
    {
        installFontSubstitutes();
        TestApp t;
        const QPlainTextEdit *findings = child<QPlainTextEdit>(t.screen<CheckScreen>(), QStringLiteral("Text1"));
        // The face the check's text is drawn in, not a fallback that might be missing on another system.
        const QRawFont face = QRawFont::fromFont(findings->font());
        for (FindingKind kind : {FindingKind::Fault, FindingKind::Note, FindingKind::Fine})
            QVERIFY2(face.supportsCharacter(findingMark(kind).at(0)), qPrintable(face.familyName()));
        for (const QString &line : findings->toPlainText().split(QLatin1Char('\n')))
            QVERIFY2(
                QStringList({QStringLiteral("× "), QStringLiteral("! "), QStringLiteral("√ ")}).contains(line.left(2)),
                qPrintable(line));
        // Each in its colour: red for what the hall would notice.
        QVERIFY(findings->document()->toHtml().contains(QStringLiteral("color:#d00000")));
    }

    void hallReadySettingsCheckClean()
    {
        TestApp t;
        copyAssets(t, QStringLiteral("config"));
        copyAssets(t, QStringLiteral("sound"));
        const QMap<QString, QByteArray> before = snapshot(t.dir());
        CheckScreen *check = t.screen<CheckScreen>();

        QVERIFY2(linesStartingWith(check, QStringLiteral("× ")).isEmpty(),
                 qPrintable(child<QPlainTextEdit>(check, QStringLiteral("Text1"))->toPlainText()));
        // Only the faces of a machine without the designs' fonts may be worth a look.
        for (const QString &note : linesStartingWith(check, QStringLiteral("! ")))
            QVERIFY2(note.startsWith(QStringLiteral("! 字体“")), qPrintable(note));
        const QStringList fine = linesStartingWith(check, QStringLiteral("√ "));
        for (const QString &expected :
             {QStringLiteral("√ 声音输出设备：找到 1 个"),
              systemSeparators(QStringLiteral("√ 剩余30秒时提示音：sound\\30Warn\\默认声音.wav 可以播放")),
              systemSeparators(QStringLiteral("√ 时间到时提示音：sound\\TimeOut\\默认声音.wav 可以播放")),
              QStringLiteral("√ 13 个环节的限时都是 1 至 32767 秒的整数"),
              systemSeparators(QStringLiteral("√ config\\ 文件夹：可以写入")),
              QStringLiteral("√ 双方辩题和代表队：都已填写")})
            QVERIFY2(fine.contains(expected), qPrintable(expected));
        QCOMPARE(lines(check).size(), fine.size() + linesStartingWith(check, QStringLiteral("! ")).size());

        // Checking, again and again, writes nothing and leaves nothing behind.
        child<QPushButton>(check, QStringLiteral("Command1"))->click();
        closeScreen(check);
        QCOMPARE(snapshot(t.dir()), before);
    }

    void whatTheHallWouldNotice()
    {
        TestApp t;
        t.writeSoundSet();
        t.platform().devices = 0;
        QStringList times(21);
        for (int line : {7, 8, 9, 10, 11, 12, 15, 16, 17, 18, 19, 20, 21})
            times[line - 1] = QStringLiteral("120");
        times[17 - 1] = QStringLiteral("1:30");
        times[2 - 1] = QStringLiteral("盘问");
        times[8 - 1] = QStringLiteral("40000");
        t.writeConfig(TimeSet, times);
        // The warning is there but is no wave file; the time-up sound is missing.
        QVERIFY(writeBytes(t.dir() + QStringLiteral("/sound/30Warn/默认声音.wav"), "ID3 not a wave"));

        CheckScreen *check = t.screen<CheckScreen>();
        const QStringList expected = {
            QStringLiteral("× 声音输出设备：未找到，提示音无法播放"),
            systemSeparators(QStringLiteral("× 剩余30秒时提示音：sound\\30Warn\\默认声音.wav 不是 WAV 声音文件")),
            systemSeparators(QStringLiteral("× 时间到时提示音：sound\\TimeOut\\声音一.wav 不存在")),
            QStringLiteral("× 开篇陈词：限时“1:30”将按 1 秒计时"),
            QStringLiteral("× 环节二 盘问：限时“40000”超过 32767 秒，将按 40000 秒计时"),
            QStringLiteral("! 正方辩题：未填写"),
            QStringLiteral("! 反方辩题：未填写"),
            QStringLiteral("! 正方代表队：未填写"),
            QStringLiteral("! 反方代表队：未填写"),
        };
        QCOMPARE(lines(check).mid(0, expected.size()), expected);
        QVERIFY(lines(check).contains(QStringLiteral("√ 其余 11 个环节的限时是 1 至 32767 秒的整数")));
        QVERIFY(lines(check).contains(systemSeparators(QStringLiteral("√ config\\ 文件夹：可以写入"))));
    }

    void checkAgainReadsThePagesAsTheyAreNow()
    {
        TestApp t;
        t.writeSoundSet();
        copyAssets(t, QStringLiteral("sound"));
        CheckScreen *check = t.screen<CheckScreen>();
        const QString emptyOpening = QStringLiteral("× 开篇陈词：限时为空，将按 0 秒计时，一开始就时间到");
        QVERIFY(lines(check).contains(emptyOpening));
        QVERIFY(lines(check).contains(QStringLiteral("! 正方代表队：未填写")));

        // Edits not yet saved count, as they do for the clocks.
        child<QLineEdit>(t.screen<StagesPage>(), QStringLiteral("Text17"))->setText(QStringLiteral("180"));
        child<QLineEdit>(t.screen<StagesPage>(), QStringLiteral("Text1"))->setText(QStringLiteral("盘问"));
        child<QLineEdit>(t.screen<StagesPage>(), QStringLiteral("Text7"))->setText(QStringLiteral("abc"));
        t.screen<ContestDetailsPage>()
            ->findChild<QLineEdit *>(QStringLiteral("Text5"))
            ->setText(QStringLiteral("红队"));
        child<QRadioButton>(t.screen<SoundPage>(), QStringLiteral("Option2_3"))->click();
        QFile::remove(t.dir() + QStringLiteral("/sound/TimeOut/声音三.wav"));
        t.platform().sounds.clear();
        child<QPushButton>(check, QStringLiteral("Command1"))->click();

        QVERIFY(!lines(check).contains(emptyOpening));
        QVERIFY(lines(check).contains(QStringLiteral("× 环节一 盘问：限时“abc”将按 0 秒计时，一开始就时间到")));
        QVERIFY(!lines(check).contains(QStringLiteral("! 正方代表队：未填写")));
        QVERIFY(lines(check).contains(
            systemSeparators(QStringLiteral("× 时间到时提示音：sound\\TimeOut\\声音三.wav 不存在"))));
        // Checking plays nothing.
        QVERIFY(t.platform().sounds.isEmpty());
    }

    void settingsThatCannotBeSavedAreNoticed()
    {
        TestApp t(TestApp::Config::Missing);
        CheckScreen *check = t.screen<CheckScreen>();
        QVERIFY(
            lines(check).contains(systemSeparators(QStringLiteral("× config\\ 文件夹：无法写入，设置和成绩无法保存"))));
        QVERIFY(lines(check).contains(QStringLiteral("× 剩余30秒时提示音：未选择，到时不会发声")));
        QVERIFY(lines(check).contains(QStringLiteral("× 倒计时显示格式：未选择，单方计时屏幕不显示剩余时间")));
        QVERIFY(!QDir(t.dir() + QStringLiteral("/config")).exists());
    }

    void listenPlaysTheChosenSoundsOneAfterTheOther_data()
    {
        QTest::addColumn<QStringList>("soundSet");
        QTest::addColumn<int>("devices");
        QTest::addColumn<QStringList>("atOnce");
        QTest::addColumn<QStringList>("later");
        QTest::addColumn<QStringList>("messages");
        const QString warning = QStringLiteral("/sound/30Warn/声音三.wav");
        const QString timeUp = QStringLiteral("/sound/TimeOut/声音二.wav");
        const QStringList both{QStringLiteral("声音三"), QStringLiteral("声音二")};
        QTest::newRow("both") << both << 1 << QStringList{warning} << QStringList{timeUp} << QStringList();
        QTest::newRow("nothing chosen") << QStringList() << 1 << QStringList() << QStringList() << QStringList();
        QTest::newRow("time-up only") << QStringList{QString(), QStringLiteral("声音二")} << 1 << QStringList{timeUp}
                                      << QStringList() << QStringList();
        QTest::newRow("warning only") << QStringList{QStringLiteral("声音三")} << 1 << QStringList{warning}
                                      << QStringList() << QStringList();
        // Told once, not once for each sound.
        QTest::newRow("no device") << both << 0 << QStringList() << QStringList()
                                   << QStringList{QStringLiteral("检测声音设备出错")};
        // A file that is not there is named, and the other one still plays.
        QTest::newRow("a file missing") << QStringList{QStringLiteral("声音一"), QStringLiteral("声音二")} << 1
                                        << QStringList{timeUp} << QStringList()
                                        << QStringList{QStringLiteral("无法试听，找不到声音文件：\n") +
                                                       systemSeparators(QStringLiteral("sound\\30Warn\\声音一.wav"))};
    }

    void listenPlaysTheChosenSoundsOneAfterTheOther()
    {
        QFETCH(QStringList, soundSet);
        QFETCH(int, devices);
        QFETCH(QStringList, atOnce);
        QFETCH(QStringList, later);
        QFETCH(QStringList, messages);
        TestApp t;
        t.writeConfig(SoundSet, soundSet);
        t.platform().devices = devices;
        for (const QString &sound :
             {QStringLiteral("/sound/30Warn/声音三.wav"), QStringLiteral("/sound/TimeOut/声音二.wav")})
            QVERIFY(writeBytes(t.dir() + sound, assetBytes(QStringLiteral("../sound/TimeOut/默认声音.wav"))));
        const auto inDir = [&t](const QStringList &files) {
            QStringList paths;
            for (const QString &file : files)
                paths.append(t.dir() + file);
            return paths;
        };
        CheckScreen *check = t.screen<CheckScreen>();
        QVERIFY(!child<QTimer>(check, QStringLiteral("Timer2"))->isActive());

        child<QPushButton>(check, QStringLiteral("Command2"))->click();
        QCOMPARE(t.platform().sounds, inDir(atOnce));
        QCOMPARE(child<QTimer>(check, QStringLiteral("Timer2"))->isActive(), !later.isEmpty());
        QVERIFY(child<QTimer>(check, QStringLiteral("Timer2"))->isSingleShot());
        QVERIFY(child<QTimer>(check, QStringLiteral("Timer2"))->interval() >= 1000);
        // A second press starts over rather than queueing a second time-up sound.
        child<QPushButton>(check, QStringLiteral("Command2"))->click();
        tick(child<QTimer>(check, QStringLiteral("Timer2")));
        tick(child<QTimer>(check, QStringLiteral("Timer2")));
        QCOMPARE(t.platform().sounds, inDir(atOnce + atOnce + later));
        QCOMPARE(t.platform().messageTexts(), messages + messages);
    }
};

QTEST_MAIN(TestCheckScreen)
#include "test_check_screen.moc"
