#include "core/rules_text.h"
#include "core/text_encoding.h"
#include "displays/rules_import.h"
#include "displays/rules_screen.h"
#include "menu/main_menu.h"
#include "shell/controls.h"
#include "support/files.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

const QString Rules = QStringLiteral("第一条　比赛分正方、反方。\r\n\r\n第二条　每方四名辩手，“一辩”先发言。\r\n");

RulesScreen *importFile(TestApp &t, RulesImport &import, const QString &path)
{
    t.platform().openAnswers.append(path);
    import.run();
    return static_cast<RulesScreen *>(t.app().screens().loaded(QStringLiteral("Form10")));
}

RulesScreen *activeRulesScreen(TestApp &t, RulesImport &import)
{
    const QString path = t.dir() + QStringLiteral("/rules.txt");
    if (!writeBytes(path, encodeAnsi(Rules)))
        qFatal("cannot write the rules file");
    RulesScreen *screen = importFile(t, import, path);
    QApplication::setActiveWindow(screen);
    screen->activateWindow();
    if (!QTest::qWaitForWindowActive(screen))
        qFatal("the rules screen did not become active");
    child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->setFocus();
    return screen;
}

void checkDesignStyle(const RulesScreen *screen)
{
    QCOMPARE(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->font().family(), QStringLiteral("宋体"));
    QCOMPARE(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->font().pointSizeF(), 30.0);
    QVERIFY(!child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->font().bold());
    QCOMPARE(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->palette().color(QPalette::Text),
             QColor(0, 0, 128));
    QCOMPARE(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->palette().color(QPalette::Base),
             QColor(125, 230, 117));
}

} // namespace

class TestRulesScreen : public QObject
{
    Q_OBJECT

private slots:
    void cancelAtEitherStepKeepsTheMenuInFront()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        RulesImport import(*menu);
        t.platform().messageAnswers = {MessageAnswer::Cancel, MessageAnswer::Ok};

        import.run();
        QCOMPARE(t.platform().messages.size(), 1);
        const MessageRequest &ask = t.platform().messages.at(0);
        QCOMPARE(ask.text, QStringLiteral("请导入TXT文件！"));
        QCOMPARE(ask.title, QStringLiteral("提示"));
        QCOMPARE(ask.buttons, MessageButtons::OkCancel);
        QCOMPARE(ask.icon, MessageIcon::Information);
        QVERIFY(t.platform().openRequests.isEmpty());

        import.run(); // OK, then the dialog is cancelled
        QCOMPARE(t.platform().openRequests.size(), 1);
        const FileDialogRequest &dialog = t.platform().openRequests.at(0);
        QCOMPARE(dialog.filter, QStringLiteral("全部文件(*.*)|*.*|文本文件(*.TXT)|*.TXT|"));
        QCOMPARE(dialog.filterIndex, 2);
        QCOMPARE(dialog.initialFile, QString());
        QCOMPARE(t.platform().messages.size(), 2);
        QVERIFY(menu->isVisible());
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form10")));
    }

    void importShowsTheFileOrRefusesIt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("refusal");
        const QString lines = QString(Rules).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QByteArray random(4096, Qt::Uninitialized);
        QRandomGenerator generator(7);
        for (char &byte : random)
            byte = char(generator.bounded(256));

        QTest::newRow("GBK, CR LF kept as line breaks") << encodeAnsi(Rules) << lines << QString();
        // Two GBK characters that happen to look like UTF-8 to a careless check.
        QTest::newRow("GBK resembling UTF-8")
            << encodeAnsi(QStringLiteral("联通")) << QStringLiteral("联通") << QString();
        QTest::newRow("UTF-8") << Rules.toUtf8() << lines << QString();
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF" + Rules.toUtf8()) << lines << QString();
        QTest::newRow("UTF-16 with BOM") << QByteArray("\xFF\xFE", 2) +
                                                QByteArray(reinterpret_cast<const char *>(Rules.utf16()),
                                                           Rules.size() * 2)
                                         << lines << QString();
        QTest::newRow("ASCII, lone LF, tab and form feed")
            << QByteArray("Rule 1\topening\nRule 2\f\r\n") << QStringLiteral("Rule 1\topening\nRule 2\f\n")
            << QString();
        QTest::newRow("empty") << QByteArray() << QString() << QString();
        const QString stray = Rules + QStringLiteral("\x1B");
        QTest::newRow("a stray control character") << encodeAnsi(stray) << lines + QStringLiteral("\x1B") << QString();
        QTest::newRow("random bytes") << random << QString() << QStringLiteral("不是文本文件");
        QTest::newRow("text with NUL bytes")
            << QByteArray("rules\0\0\0\0", 9) << QString() << QStringLiteral("不是文本文件");
        QTest::newRow("one byte over the limit")
            << QByteArray(MaxRulesFileBytes + 1, 'a') << QString() << QStringLiteral("超过 256 KB");
    }

    void importShowsTheFileOrRefusesIt()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QString, refusal);
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        RulesImport import(*menu);
        const QString path = t.dir() + QStringLiteral("/规则.TXT");
        QVERIFY(writeBytes(path, bytes));

        RulesScreen *screen = importFile(t, import, path);
        if (refusal.isEmpty()) {
            QVERIFY(screen && screen->isVisible());
            QVERIFY(!menu->isVisible());
            QCOMPARE(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->toPlainText(), shown);
            QCOMPARE(t.platform().messages.size(), 1);
        } else {
            QVERIFY(!screen);
            QVERIFY(menu->isVisible());
            QCOMPARE(t.platform().messages.size(), 2);
            const MessageRequest &message = t.platform().messages.at(1);
            QVERIFY2(message.text.contains(QStringLiteral("“规则.TXT”")), qPrintable(message.text));
            QVERIFY2(message.text.contains(refusal), qPrintable(message.text));
            QCOMPARE(message.buttons, MessageButtons::Ok);
        }
        // The dialog opens at the file chosen last, whatever became of it.
        importFile(t, import, QString());
        QCOMPARE(t.platform().openRequests.last().initialFile, path);
    }

    void hugeOrUnreadableFilesAreRefusedAtOnce()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        RulesImport import(*menu);
        const QString huge = t.dir() + QStringLiteral("/huge.txt");
        QFile sparse(huge);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(50 * 1024 * 1024));
        sparse.close();
        const QString fits = t.dir() + QStringLiteral("/fits.txt");
        QVERIFY(writeBytes(fits, QByteArray(MaxRulesFileBytes, 'a')));

        QVERIFY(!importFile(t, import, huge));
        QCOMPARE(readRulesFile(fits).text.size(), MaxRulesFileBytes);

        QVERIFY(!importFile(t, import, t.dir() + QStringLiteral("/missing.txt")));
        QVERIFY(!importFile(t, import, t.dir() + QStringLiteral("/config")));
        QCOMPARE(t.platform().messageTexts(),
                 (QStringList{
                     QStringLiteral("请导入TXT文件！"),
                     QStringLiteral("文件“huge.txt”超过 256 KB，不像比赛规则文本，未导入。请导入TXT文件。"),
                     QStringLiteral("请导入TXT文件！"), QStringLiteral("无法读取文件“missing.txt”，比赛规则未导入。"),
                     QStringLiteral("请导入TXT文件！"), QStringLiteral("无法读取文件“config”，比赛规则未导入。")}));
        QVERIFY(menu->isVisible());
    }

    void menuKeysWinOverTheTextBoxAndStylingEndsWithTheScreen()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        RulesImport import(*menu);
        RulesScreen *screen = activeRulesScreen(t, import);
        QVERIFY(screen->windowState() & Qt::WindowMaximized);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Dovrel"));
        tick(child<QTimer>(screen, QStringLiteral("Timer1")), 2);
        QCOMPARE(screen->windowTitle(), QStringLiteral("D"));
        QFont chosen = designFont(QStringLiteral("隶书"), 48);
        chosen.setItalic(true);
        t.platform().fontAnswers = {chosen};
        t.platform().colourAnswers = {QColor(Qt::red), QColor(Qt::yellow)};

        child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->selectAll();
        QTest::keyClick(child<QPlainTextEdit>(screen, QStringLiteral("Text1")), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(child<QPlainTextEdit>(screen, QStringLiteral("Text1")), Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(child<QPlainTextEdit>(screen, QStringLiteral("Text1")), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(t.platform().colourRequests.size(), 2);
        QCOMPARE(t.platform().fontRequests.size(), 1);
        QCOMPARE(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->palette().color(QPalette::Text),
                 QColor(Qt::red));
        QCOMPARE(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->palette().color(QPalette::Base),
                 QColor(Qt::yellow));
        QCOMPARE(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->font().family(), QStringLiteral("隶书"));
        QCOMPARE(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->font().pointSizeF(), 48.0);
        QVERIFY(!child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->font().italic());
        // The box's own editing keys still work.
        QTest::keyClick(child<QPlainTextEdit>(screen, QStringLiteral("Text1")), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(child<QPlainTextEdit>(screen, QStringLiteral("Text1")), QStringLiteral("ok"));
        QVERIFY(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->toPlainText().endsWith(QStringLiteral("\nok")));

        // A right click on the text brings the screen's menu, not the standard edit menu.
        QContextMenuEvent click(
            QContextMenuEvent::Mouse, QPoint(20, 20),
            child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->viewport()->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(child<QPlainTextEdit>(screen, QStringLiteral("Text1"))->viewport(), &click);
        QCOMPARE(QApplication::activePopupWidget(), child<QMenu>(screen, QStringLiteral("menu")));
        QCOMPARE(child<QMenu>(screen, QStringLiteral("menu"))->title(), QStringLiteral("菜单(&M)"));
        QStringList entries;
        for (const QAction *entry : child<QMenu>(screen, QStringLiteral("menu"))->actions())
            entries << entry->objectName() + QLatin1Char(' ') + entry->text() + QLatin1Char(' ') +
                           entry->shortcut().toString();
        QCOMPARE(entries, (QStringList{QStringLiteral("font 文字字体 Ctrl+F"), QStringLiteral("color 文字颜色 Ctrl+C"),
                                       QStringLiteral("bc 文字底色 Ctrl+B")}));
        child<QMenu>(screen, QStringLiteral("menu"))->hide();

        closeToMenu(t, screen);
        RulesScreen *again = activeRulesScreen(t, import);
        QVERIFY(
            child<QPlainTextEdit>(again, QStringLiteral("Text1"))->toPlainText().startsWith(QStringLiteral("第一条")));
        checkDesignStyle(again);
        // The colour dialog of the new screen starts afresh too.
        QTest::keyClick(child<QPlainTextEdit>(again, QStringLiteral("Text1")), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(t.platform().colourRequests.last(), QColor(Qt::black));
    }
};

QTEST_MAIN(TestRulesScreen)
#include "test_rules_screen.moc"
