#include "clocks/cross_examination_clock.h"
#include "clocks/single_side_clock.h"
#include "core/design_faces.h"
#include "displays/motions_screen.h"
#include "menu/main_menu.h"
#include "menu/program.h"
#include "platform/qt_platform.h"
#include "shell/qt_process.h"
#include "support/files.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeView>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(writeBytes(path, "x"));
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// A stand-in program on PATH that writes its arguments, one a line, into NAME.args beside itself.
void fakeProgram(const QString &dir, const QString &name, const QString &body = QString())
{
    QFile file(dir + QLatin1Char('/') + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
    file.write(body.toUtf8());
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

QString argumentsOf(const QString &dir, const QString &name)
{
    return QString::fromUtf8(readBytes(dir + QLatin1Char('/') + name + QStringLiteral(".args"))).trimmed();
}
#endif

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // An address nobody listens on: the real platform meets a system without a session bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/dovrel-test-bus");
    }

    void f1OpensHelpWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("screen") << QString();
        QTest::newRow("line edit") << QStringLiteral("edit");
        QTest::newRow("multi-line box") << QStringLiteral("text");
        QTest::newRow("button") << QStringLiteral("button");
    }

    void f1OpensHelpWhereverTheFocusIs()
    {
        QFETCH(QString, target);
        TestApp t;
        const QString helpFile = t.dir() + QStringLiteral("/help.chm");
        t.app().setHelpFile(helpFile);
        Screen screen(t.app());
        screen.setObjectName(QStringLiteral("Form2"));
        auto *edit = new QLineEdit(&screen);
        edit->setObjectName(QStringLiteral("edit"));
        auto *text = new QPlainTextEdit(&screen);
        text->setObjectName(QStringLiteral("text"));
        auto *button = new QPushButton(&screen);
        button->setObjectName(QStringLiteral("button"));
        screen.show();
        QWidget *receiver = target.isEmpty() ? &screen : screen.findChild<QWidget *>(target);

        QTest::keyClick(receiver, Qt::Key_F1);
        QCOMPARE(t.platform().helpFiles, QStringList{helpFile});
        QCOMPARE(t.platform().helpPages, QStringList{t.dir() + QStringLiteral("/help/index.html")});
        // The key is the help's, not the box's.
        QCOMPARE(edit->text(), QString());
        QCOMPARE(text->toPlainText(), QString());

        // Shift+F1 is not help, and a key held down opens the viewer once.
        QTest::keyClick(receiver, Qt::Key_F1, Qt::ShiftModifier);
        pressKey(receiver, Qt::Key_F1, true);
        QCOMPARE(t.platform().helpFiles.size(), 1);
    }

    void f1BelongsToTheProgramOfTheWindow()
    {
        TestApp first;
        TestApp second;
        first.app().setHelpFile(first.dir() + QStringLiteral("/help.chm"));
        second.app().setHelpFile(second.dir() + QStringLiteral("/help.chm"));
        Screen screen(second.app());
        screen.setObjectName(QStringLiteral("Form4"));
        QTest::keyClick(&screen, Qt::Key_F1);
        QCOMPARE(first.platform().helpFiles, QStringList());
        QCOMPARE(second.platform().helpFiles.size(), 1);
    }

    void helpThatCannotOpenSaysWhatIsMissing_data()
    {
        QTest::addColumn<bool>("haveFile");
        QTest::addColumn<bool>("havePages");
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<QStringList>("saysNot");
        const QString pages = QStringLiteral("index.html");
        QTest::newRow("no viewer, no browser")
            << true << true << QStringList{QStringLiteral("xchm"), QStringLiteral("浏览器"), pages} << QStringList();
        QTest::newRow("no viewer, no pages")
            << true << false << QStringList{QStringLiteral("xchm")} << QStringList{pages, QStringLiteral("找不到")};
        QTest::newRow("no help file, no browser")
            << false << true << QStringList{QStringLiteral("找不到帮助文件"), QStringLiteral("浏览器"), pages}
            << QStringList{QStringLiteral("xchm")};
        QTest::newRow("nothing there") << false << false << QStringList{QStringLiteral("找不到帮助文件")}
                                       << QStringList{pages, QStringLiteral("xchm")};
    }

    void helpThatCannotOpenSaysWhatIsMissing()
    {
        QFETCH(bool, haveFile);
        QFETCH(bool, havePages);
        QFETCH(QStringList, says);
        QFETCH(QStringList, saysNot);
        TestApp t;
        const QString helpFile = t.dir() + QStringLiteral("/help.chm");
        if (haveFile)
            touch(helpFile);
        if (havePages)
            touch(t.dir() + QStringLiteral("/help/index.html"));
        t.app().setHelpFile(helpFile);
        Screen screen(t.app());
        screen.setObjectName(QStringLiteral("Form4"));

        t.platform().helpAnswers = {false};
        QTest::keyClick(&screen, Qt::Key_F1);
        QCOMPARE(t.platform().messages.size(), 1);
        const MessageRequest &message = t.platform().messages.at(0);
        QCOMPARE(message.title, QStringLiteral("Dovrel"));
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(helpFile)), qPrintable(message.text));
        for (const QString &part : says)
            QVERIFY2(message.text.contains(part), qPrintable(message.text));
        for (const QString &part : saysNot)
            QVERIFY2(!message.text.contains(part), qPrintable(message.text));

        // Opened: no word.
        QTest::keyClick(&screen, Qt::Key_F1);
        QCOMPARE(t.platform().messages.size(), 1);
    }

    void realHelpUsesViewerThenBrowserThenGivesUp()
    {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        QTemporaryDir app;
        QTemporaryDir bin;
        const QString helpFile = app.path() + QStringLiteral("/help.chm");
        const QString pages = app.path() + QStringLiteral("/help/index.html");
        touch(helpFile);
        touch(pages);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        QtPlatform platform;

        // No viewer, no opener, no browser: nothing could open it.
        QVERIFY(!platform.openHelp(helpFile, pages));

        // The desktop's opener with a browser for web pages but nothing for CHM: the pages.
        fakeProgram(bin.path(), QStringLiteral("xdg-open"));
        fakeProgram(bin.path(), QStringLiteral("xdg-mime"),
                    QStringLiteral("[ \"$3\" = text/html ] && echo firefox-esr.desktop\nexit 0\n"));
        QVERIFY(platform.openHelp(helpFile, pages));
        QTRY_COMPARE(argumentsOf(bin.path(), QStringLiteral("xdg-open")), QUrl::fromLocalFile(pages).toString());

        // An installed viewer takes the help file itself.
        fakeProgram(bin.path(), QStringLiteral("xchm"));
        QVERIFY(platform.openHelp(helpFile, pages));
        QTRY_COMPARE(argumentsOf(bin.path(), QStringLiteral("xchm")), helpFile);

        // Without the help file the viewer is not started for nothing.
        QFile::remove(bin.path() + QStringLiteral("/xchm.args"));
        QFile::remove(bin.path() + QStringLiteral("/xdg-open.args"));
        QFile::remove(helpFile);
        QVERIFY(platform.openHelp(helpFile, pages));
        QTRY_VERIFY(QFileInfo::exists(bin.path() + QStringLiteral("/xdg-open.args")));
        QVERIFY(!QFileInfo::exists(bin.path() + QStringLiteral("/xchm.args")));
        qputenv("PATH", path);
#else
        QSKIP("The desktop's programs are looked for on free Unix systems only.");
#endif
    }

    void hallScreensKeepTheDisplayAwake_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("held");
        const QStringList hall = {QStringLiteral("Form6"),  QStringLiteral("Form7"),  QStringLiteral("Form8"),
                                  QStringLiteral("Form10"), QStringLiteral("Form11"), QStringLiteral("Form13"),
                                  QStringLiteral("Form14"), QStringLiteral("Form15"), QStringLiteral("Form17"),
                                  QStringLiteral("Form18"), QStringLiteral("Form20")};
        for (int n = 1; n <= 22; ++n) {
            const QString name = QStringLiteral("Form%1").arg(n);
            QTest::newRow(qPrintable(name)) << name << hall.contains(name);
        }
    }

    void hallScreensKeepTheDisplayAwake()
    {
        QFETCH(QString, name);
        QFETCH(bool, held);
        TestApp t;
        Screen *screen = loadScreen(t, name);
        QCOMPARE(screen->objectName(), name);
        screen->show();
        QCOMPARE(t.platform().displayAwakeCalls, held ? QList<bool>{true} : QList<bool>());
        QCOMPARE(t.app().displayKeptAwake(), held);
    }

    void displayHoldFollowsClocksAndMenu()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        QVERIFY(t.platform().displayAwakeCalls.isEmpty());

        // Loaded unseen, a clock holds nothing; shown, it holds once however often it shows.
        SingleSideClock *clock = t.screen<SingleSideClock>();
        QVERIFY(t.platform().displayAwakeCalls.isEmpty());
        clock->show();
        menu->hide();
        clock->hide();
        clock->show();
        t.screen<MotionsScreen>()->show();
        QCOMPARE(t.platform().displayAwakeCalls, QList<bool>{true});

        // Closing the clock brings the menu back, and the display may sleep again.
        clock->close();
        QVERIFY(menu->isVisible());
        QCOMPARE(t.platform().displayAwakeCalls, (QList<bool>{true, false}));
        menu->hide();
        menu->show();
        QCOMPARE(t.platform().displayAwakeCalls.size(), 2);

        // Ending the program from a clock releases the hold.
        t.screen<SingleSideClock>()->show();
        t.app().exitProgram();
        QCOMPARE(t.platform().displayAwakeCalls, (QList<bool>{true, false, true, false}));
        QVERIFY(!t.platform().displayAwake);
    }

    void endOfTheProgramReleasesTheHold()
    {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        {
            Program app(dir.path(), platform);
            app.screens().screen<CrossExaminationClock>()->show();
            QVERIFY(platform.displayAwake);
        }
        QCOMPARE(platform.displayAwakeCalls, (QList<bool>{true, false}));
    }

    void noSessionBusSaysNothing()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QtPlatform platform;
        platform.keepDisplayAwake(true);
        platform.keepDisplayAwake(false);
        platform.keepDisplayAwake(true);
    }

    void designFacesMapToTheirClosestLook_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("first");
        const QStringList free = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UKai CN"),
                                  QStringLiteral("LXGW WenKai"), QStringLiteral("WenQuanYi Zen Hei")};
        QTest::newRow("song") << QStringLiteral("宋体") << free << QStringLiteral("Noto Serif CJK SC");
        QTest::newRow("kai") << QStringLiteral("楷体_GB2312") << free << QStringLiteral("LXGW WenKai");
        QTest::newRow("clerical") << QStringLiteral("隶书") << free << QStringLiteral("AR PL UKai CN");
        QTest::newRow("running") << QStringLiteral("华文行楷") << free << QStringLiteral("AR PL UKai CN");
        QTest::newRow("wei") << QStringLiteral("华文新魏") << free << QStringLiteral("AR PL UKai CN");
        QTest::newRow("windows kai") << QStringLiteral("楷体_GB2312")
                                     << QStringList{QStringLiteral("SimSun"), QStringLiteral("KaiTi")}
                                     << QStringLiteral("KaiTi");
        // What Windows ships: SimSun and KaiTi everywhere, LiSu and the STxxx faces with Office.
        const QStringList windows = {QStringLiteral("SimSun"), QStringLiteral("KaiTi"),
                                     QStringLiteral("Microsoft YaHei"), QStringLiteral("LiSu"),
                                     QStringLiteral("STXingkai")};
        QTest::newRow("windows song") << QStringLiteral("宋体") << windows << QStringLiteral("SimSun");
        QTest::newRow("windows clerical") << QStringLiteral("隶书") << windows << QStringLiteral("LiSu");
        QTest::newRow("windows running") << QStringLiteral("华文行楷") << windows << QStringLiteral("STXingkai");
        QTest::newRow("windows wei missing") << QStringLiteral("华文新魏") << windows << QStringLiteral("KaiTi");
        QTest::newRow("windows old kai name")
            << QStringLiteral("楷体_GB2312") << QStringList{QStringLiteral("KaiTi"), QStringLiteral("KaiTi_GB2312")}
            << QStringLiteral("KaiTi_GB2312");
        QTest::newRow("windows kai by its chinese name")
            << QStringLiteral("楷体_GB2312") << QStringList{QStringLiteral("SimSun"), QStringLiteral("楷体")}
            << QStringLiteral("楷体");
        QTest::newRow("song only") << QStringLiteral("华文行楷") << QStringList{QStringLiteral("AR PL UMing CN")}
                                   << QStringLiteral("AR PL UMing CN");
        QTest::newRow("sans only") << QStringLiteral("隶书") << QStringList{QStringLiteral("wenquanyi zen hei")}
                                   << QStringLiteral("wenquanyi zen hei");
        // A Chinese Windows lists faces by their Chinese names.
        QTest::newRow("chinese names") << QStringLiteral("楷体_GB2312")
                                       << QStringList{QStringLiteral("宋体"), QStringLiteral("霞鹜文楷")}
                                       << QStringLiteral("霞鹜文楷");
        QTest::newRow("chinese design face")
            << QStringLiteral("华文行楷") << QStringList{QStringLiteral("华文行楷"), QStringLiteral("楷体")}
            << QStringLiteral("华文行楷");
        QTest::newRow("none") << QStringLiteral("宋体") << QStringList{QStringLiteral("DejaVu Sans")}
                              << QStringLiteral("SimSun");
    }

    void designFacesMapToTheirClosestLook()
    {
        QFETCH(QString, design);
        QFETCH(QStringList, installed);
        QFETCH(QString, first);
        const QStringList substitutes = fontSubstitutes(design, installed);
        QCOMPARE(substitutes.value(0), first);
    }

    void datesInChineseWhereTheSystemSpeaksAnotherLanguage()
    {
        const QLocale before;
        installProgramLocale();
        if (QLocale::system().language() == QLocale::Chinese) {
            QCOMPARE(QLocale(), before);
        } else {
            QCOMPARE(QLocale().name(), QStringLiteral("zh_CN"));
            QCOMPARE(QLocale().toString(QDate(2026, 12, 8), QLocale::ShortFormat), QStringLiteral("2026/12/8"));
        }
        QLocale::setDefault(before);
    }

    void qtFileDialogDatesFollowTheProgramLocale()
    {
        if (QLocale::system().language() == QLocale::Chinese)
            QSKIP("The system's own dates are the program's on a Chinese system.");
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("报表.txt")));
        QFileDialog dialog(nullptr, QString(), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        showFileDetailsInProgramLocale(dialog);
        auto *view = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
        QVERIFY(view);
        const QModelIndex root = view->rootIndex();
        QTRY_COMPARE(view->model()->rowCount(root), 1);
        const QDateTime modified = QFileInfo(dir.filePath(QStringLiteral("报表.txt"))).lastModified();
        QCOMPARE(view->model()->index(0, 3, root).data().toString(),
                 QLocale().toString(modified, QLocale::ShortFormat));
        QCOMPARE(view->model()->index(0, 1, root).data().toString(), QLocale().formattedDataSize(1));
        QCOMPARE(view->model()->index(0, 0, root).data().toString(), QStringLiteral("报表.txt"));
        QLocale::setDefault(before);
    }

    void qtDialogsSpeakChinese()
    {
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm")))
            QSKIP("Qt's translations are not installed.");
        installChineseQtTranslation();
        installChineseQtTranslation();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("打开"));
        QCOMPARE(qApp->findChildren<QTranslator *>().size(), 1);
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
