#include "core/report_text.h"
#include "core/text_encoding.h"
#include "menu/main_menu.h"
#include "scores/report_screen.h"
#include "scores/result_screen.h"
#include "scores/score_entry.h"
#include "settings/contest_details_page.h"
#include "support/files.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *text : list)
        out.append(QString::fromUtf8(text));
    return out;
}

// Types `text` key by key; keys without a key code of their own come as typed text, as from an input method.
void type(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The score entry as the main menu opens it: the menu hidden, the dialog shown.
ScoreEntry *openEntry(TestApp &t)
{
    t.screen<MainMenu>()->hide();
    return openScreen<ScoreEntry>(t);
}

void enter(ScoreEntry *entry, const QStringList &texts)
{
    const QList<QLineEdit *> boxes{
        child<QLineEdit>(entry, QStringLiteral("Text1")), child<QLineEdit>(entry, QStringLiteral("Text2")),
        child<QLineEdit>(entry, QStringLiteral("Text3")), child<QLineEdit>(entry, QStringLiteral("Text4"))};
    for (int i = 0; i < 4; ++i)
        type(boxes.at(i), texts.at(i));
}

QStringList boxTexts(const ScoreEntry *entry)
{
    return {child<QLineEdit>(entry, QStringLiteral("Text1"))->text(),
            child<QLineEdit>(entry, QStringLiteral("Text2"))->text(),
            child<QLineEdit>(entry, QStringLiteral("Text3"))->text(),
            child<QLineEdit>(entry, QStringLiteral("Text4"))->text()};
}

bool loaded(TestApp &t, const QString &name)
{
    return t.app().screens().isLoaded(name);
}

void revealAll(ResultScreen *result)
{
    child<QPushButton>(result, QStringLiteral("Command3"))->click();
    child<QPushButton>(result, QStringLiteral("Command1"))->click();
    child<QPushButton>(result, QStringLiteral("Command2"))->click();
}

// The report without its time stamp, which follows the clock.
QStringList unstamped(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.size() > 3)
        lines[3] = lines[3].left(55);
    return lines;
}

} // namespace

class TestScoreScreens : public QObject
{
    Q_OBJECT

private slots:
    void entryIsAMaskedBorderlessDialog()
    {
        TestApp t;
        ScoreEntry *entry = openEntry(t);
        QVERIFY(entry->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(entry->size(), QSize(412, 235));
        QCOMPARE(entry->minimumSize(), entry->maximumSize());
        QVERIFY(!entry->usesProportionalLayout());
        QCOMPARE(child<QLabel>(entry, QStringLiteral("Label1_2"))->text(),
                 QStringLiteral("请键入反方代表队的最后得分"));
        QCOMPARE(child<QLabel>(entry, QStringLiteral("Label1_3"))->objectName(), QStringLiteral("Label1_3"));

        type(child<QLineEdit>(entry, QStringLiteral("Text1")), QStringLiteral("87.5分"));
        QCOMPARE(child<QLineEdit>(entry, QStringLiteral("Text1"))->text(), QStringLiteral("87.5分"));
        QCOMPARE(child<QLineEdit>(entry, QStringLiteral("Text1"))->displayText(), QStringLiteral("*****"));

        // Focus starts on the button, then Tab runs through the four boxes in order.
        QCOMPARE(entry->focusWidget(), child<QPushButton>(entry, QStringLiteral("Command1")));
        for (QWidget *next :
             {child<QLineEdit>(entry, QStringLiteral("Text1")), child<QLineEdit>(entry, QStringLiteral("Text2")),
              child<QLineEdit>(entry, QStringLiteral("Text3")), child<QLineEdit>(entry, QStringLiteral("Text4"))}) {
            QTest::keyClick(entry->focusWidget(), Qt::Key_Tab);
            QCOMPARE(entry->focusWidget(), next);
        }
    }

    void agreeingEntriesAreStoredAsTypedAndTheResultOpens_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("affirmative wins") << texts({"87.5", "87.5", "86", "86"}) << texts({" 87.5分", " 86分", "红队"});
        QTest::newRow("unit typed along") << texts({"88分", "88分", "90", "90"}) << texts({" 88分", " 90分", "蓝队"});
        QTest::newRow("equal") << texts({"100", "100", "100", "100"}) << texts({" 100分", " 100分", "互为平手！"});
        QTest::newRow("nothing typed") << texts({"", "", "", ""}) << texts({" 0分", " 0分", "互为平手！"});
    }

    void agreeingEntriesAreStoredAsTypedAndTheResultOpens()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, shown);

        TestApp t;
        t.writeConfig(NumSet, contestDetails());
        ScoreEntry *entry = openEntry(t);
        enter(entry, typed);
        child<QPushButton>(entry, QStringLiteral("Command1"))->click();

        QCOMPARE(t.readConfigBytes(Score), gbBytes({typed.at(0), typed.at(2)}));
        QVERIFY(t.platform().messages.isEmpty());
        QVERIFY(!loaded(t, QStringLiteral("Form16")));
        auto *result = static_cast<ResultScreen *>(t.app().screens().loaded(QStringLiteral("Form11")));
        QVERIFY(result);
        QVERIFY(result->isVisible());
        QVERIFY(!t.screen<MainMenu>()->isVisible());

        revealAll(result);
        QCOMPARE((QStringList{child<QLabel>(result, QStringLiteral("Label6"))->text(),
                              child<QLabel>(result, QStringLiteral("Label7"))->text(),
                              child<QLabel>(result, QStringLiteral("Label5"))->text()}),
                 shown);
    }

    void disagreeingEntriesAreEmptiedAndNothingIsWritten_data()
    {
        QTest::addColumn<QStringList>("typed");

        QTest::newRow("same number, other text") << texts({"90", "90.0", "80", "80"});
        QTest::newRow("negative side") << texts({"80", "80", "90", "90 "});
        QTest::newRow("second entry missing") << texts({"80", "", "90", "90"});
    }

    void disagreeingEntriesAreEmptiedAndNothingIsWritten()
    {
        QFETCH(QStringList, typed);

        TestApp t;
        t.writeConfig(Score, {QStringLiteral("1"), QStringLiteral("2")});
        ScoreEntry *entry = openEntry(t);
        enter(entry, typed);
        child<QPushButton>(entry, QStringLiteral("Command1"))->click();

        QCOMPARE(t.platform().messageTexts(), QStringList{QStringLiteral("数据前后输入不一致，请重新输入！")});
        QCOMPARE(t.platform().messages.constFirst().buttons, MessageButtons::Ok);
        QCOMPARE(boxTexts(entry), (texts({"", "", "", ""})));
        QCOMPARE(t.readConfigBytes(Score), gbBytes({QStringLiteral("1"), QStringLiteral("2")}));
        QVERIFY(entry->isVisible());
        QVERIFY(!loaded(t, QStringLiteral("Form11")));

        // The next attempt goes through.
        enter(entry, texts({"75", "75", "76", "76"}));
        child<QPushButton>(entry, QStringLiteral("Command1"))->click();
        QCOMPARE(t.readConfigBytes(Score), gbBytes({QStringLiteral("75"), QStringLiteral("76")}));
    }

    void scoresThatCannotBeWrittenKeepTheDialog()
    {
        TestApp t(TestApp::Config::Missing);
        ScoreEntry *entry = openEntry(t);
        enter(entry, texts({"87.5", "87.5", "86", "86"}));
        child<QPushButton>(entry, QStringLiteral("Command1"))->click();

        QCOMPARE(t.platform().messages.size(), 1);
        QVERIFY(t.platform().messages.constFirst().text.contains(Score));
        QVERIFY(!QFile::exists(t.configPath(Score)));
        QVERIFY(entry->isVisible());
        QCOMPARE(boxTexts(entry), (texts({"87.5", "87.5", "86", "86"})));
        QVERIFY(!loaded(t, QStringLiteral("Form11")));
    }

    void closingTheEntryOtherwiseReturnsToTheMenu()
    {
        TestApp t;
        ScoreEntry *entry = openEntry(t);
        enter(entry, texts({"87.5", "87.5", "86", "86"}));
        closeToMenu(t, entry);
        QVERIFY(!loaded(t, QStringLiteral("Form11")));
        QVERIFY(!QFile::exists(t.configPath(Score)));
    }

    void resultRevealsEachValueByItsButton()
    {
        TestApp t;
        t.writeConfig(NumSet, contestDetails());
        t.writeConfig(Score, {QStringLiteral("86"), QStringLiteral("87.35")});
        ResultScreen *result = openScreen<ResultScreen>(t);

        QVERIFY(result->windowState() & Qt::WindowMaximized);
        QVERIFY(result->usesProportionalLayout());
        QCOMPARE(result->windowTitle(), QStringLiteral("Dovrel"));
        QVERIFY(child<QTimer>(result, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(child<QTimer>(result, QStringLiteral("Timer1"))->interval(), 500);
        // The details page was read for the team names, and stays out of sight.
        QVERIFY(loaded(t, QStringLiteral("Form2")));
        QVERIFY(!t.screen<ContestDetailsPage>()->isVisible());

        QList<QLabel *> values{child<QLabel>(result, QStringLiteral("Label6")),
                               child<QLabel>(result, QStringLiteral("Label7")),
                               child<QLabel>(result, QStringLiteral("Label5"))};
        for (QLabel *value : values)
            QVERIFY(!value->isVisible());
        for (QLabel *heading :
             {child<QLabel>(result, QStringLiteral("Label1")), child<QLabel>(result, QStringLiteral("Label2")),
              child<QLabel>(result, QStringLiteral("Label3")), child<QLabel>(result, QStringLiteral("Label4"))})
            QVERIFY(heading->isVisible());

        child<QPushButton>(result, QStringLiteral("Command2"))->click();
        QVERIFY(child<QLabel>(result, QStringLiteral("Label7"))->isVisible());
        QVERIFY(!child<QLabel>(result, QStringLiteral("Label6"))->isVisible() &&
                !child<QLabel>(result, QStringLiteral("Label5"))->isVisible());
        QCOMPARE(child<QLabel>(result, QStringLiteral("Label7"))->text(), QStringLiteral(" 87.35分"));
        child<QPushButton>(result, QStringLiteral("Command3"))->click();
        child<QPushButton>(result, QStringLiteral("Command3"))->click();
        QVERIFY(child<QLabel>(result, QStringLiteral("Label5"))->isVisible());
        QCOMPARE(child<QLabel>(result, QStringLiteral("Label5"))->text(), QStringLiteral("蓝队"));
        child<QPushButton>(result, QStringLiteral("Command1"))->click();
        QCOMPARE(child<QLabel>(result, QStringLiteral("Label6"))->text(), QStringLiteral(" 86分"));
        for (QLabel *value : values)
            QVERIFY(value->isVisible());

        closeToMenu(t, result);
    }

    void resultWithoutStoredScoresIsADraw_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("no file") << false << QStringList() << texts({" 0分", " 0分", "互为平手！"});
        QTest::newRow("one line") << true << texts({"3"}) << texts({" 3分", " 0分", "红队"});
        QTest::newRow("not numbers") << true << texts({"甲", "乙"}) << texts({" 0分", " 0分", "互为平手！"});
    }

    void resultWithoutStoredScoresIsADraw()
    {
        QFETCH(bool, fileExists);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, shown);

        TestApp t;
        t.writeConfig(NumSet, contestDetails());
        if (fileExists)
            t.writeConfig(Score, lines);
        ResultScreen *result = openScreen<ResultScreen>(t);
        revealAll(result);
        QCOMPARE((QStringList{child<QLabel>(result, QStringLiteral("Label6"))->text(),
                              child<QLabel>(result, QStringLiteral("Label7"))->text(),
                              child<QLabel>(result, QStringLiteral("Label5"))->text()}),
                 shown);
    }

    void resultNamesTheTeamAsItStandsOnThePage()
    {
        TestApp t;
        t.writeConfig(NumSet, contestDetails());
        t.writeConfig(Score, {QStringLiteral("80"), QStringLiteral("90")});
        t.screen<ContestDetailsPage>()
            ->findChild<QLineEdit *>(QStringLiteral("Text6"))
            ->setText(QStringLiteral("未保存的队名"));
        ResultScreen *result = t.screen<ResultScreen>();
        QCOMPARE(child<QLabel>(result, QStringLiteral("Label5"))->text(), QStringLiteral("未保存的队名"));

        // An empty team name gives an empty winner line.
        TestApp e;
        e.writeConfig(Score, {QStringLiteral("80"), QStringLiteral("90")});
        QCOMPARE(child<QLabel>(e.screen<ResultScreen>(), QStringLiteral("Label5"))->text(), QString());
    }

    void reportIsBuiltFromTheDetailsAndScores()
    {
        TestApp t;
        t.writeConfig(NumSet, contestDetails());
        t.writeConfig(Score, {QStringLiteral("87.5"), QStringLiteral("86")});
        t.screen<ContestDetailsPage>()
            ->findChild<QLineEdit *>(QStringLiteral("Text1"))
            ->setText(QStringLiteral("未保存的赛名"));
        ReportScreen *report = openScreen<ReportScreen>(t);

        QStringList details = contestDetails();
        details[0] = QStringLiteral("未保存的赛名");
        const QString expected =
            reportText({details, QStringLiteral(" 87.5分"), QStringLiteral(" 86分"), QStringLiteral("红队"), {}});
        QCOMPARE(unstamped(report->reportText()), unstamped(expected));
        const QString stamp = report->reportText().split(QStringLiteral("\r\n")).at(3);
        QVERIFY2(stamp.startsWith(QString(55, QLatin1Char(' '))) && stamp.at(55) != QLatin1Char(' ') &&
                     stamp.contains(QLatin1Char('-')),
                 qPrintable(stamp));

        QVERIFY(!(report->windowState() & Qt::WindowMaximized));
        QCOMPARE(report->size(), QSize(792, 566));
        QVERIFY(report->usesProportionalLayout());
        QCOMPARE(report->windowTitle(), QStringLiteral("Dovrel"));
        QCOMPARE(child<QPlainTextEdit>(report, QStringLiteral("Text1"))->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(!child<QPlainTextEdit>(report, QStringLiteral("Text1"))->isReadOnly());
        QVERIFY(!child<QPushButton>(report, QStringLiteral("Command2"))->isEnabled());
        QVERIFY(child<QTimer>(report, QStringLiteral("Timer1"))->isActive());

        // Without stored scores the totals are 0 and the contest a draw.
        TestApp e;
        const QStringList lines = e.screen<ReportScreen>()->reportText().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 37);
        QCOMPARE(lines.at(32), QStringLiteral("            正方总成绩： 0分"));
        QCOMPARE(lines.at(35), QStringLiteral("比赛获胜方：互为平手！"));
        QCOMPARE(lines.at(29), QStringLiteral("       评委九："));
    }

    void copyTakesTheEditedText()
    {
        TestApp t;
        ReportScreen *report = openScreen<ReportScreen>(t);
        QTextCursor cursor = child<QPlainTextEdit>(report, QStringLiteral("Text1"))->textCursor();
        cursor.movePosition(QTextCursor::End);
        child<QPlainTextEdit>(report, QStringLiteral("Text1"))->setTextCursor(cursor);
        type(child<QPlainTextEdit>(report, QStringLiteral("Text1")), QStringLiteral("补记"));
        QTest::keyClick(child<QPlainTextEdit>(report, QStringLiteral("Text1")), Qt::Key_Return);
        child<QPushButton>(report, QStringLiteral("Command1"))->click();

        const QString copied = t.platform().clipboard;
        QVERIFY(copied.endsWith(QStringLiteral("互为平手！\r\n补记\r\n")));
        QCOMPARE(copied.count(QStringLiteral("\r\n")), 37);
        QCOMPARE(copied.count(QLatin1Char('\n')), 37);
        QCOMPARE(t.platform().messageTexts(), QStringList{QStringLiteral("文本已复制到剪切板")});
    }

    void saveWritesTheTextAndOneMoreLineEnd()
    {
        TestApp t;
        t.writeConfig(NumSet, contestDetails());
        ReportScreen *report = t.screen<ReportScreen>();
        const QString path = t.dir() + QStringLiteral("/报表.TXT");
        t.platform().saveAnswers = {path};
        child<QPushButton>(report, QStringLiteral("Command3"))->click();

        QCOMPARE(t.platform().saveRequests.size(), 1);
        // The first report goes to the user's documents, never the program's own folder.
        QCOMPARE(t.platform().saveRequests.constFirst().initialFolder,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(t.platform().saveRequests.constFirst().title, QStringLiteral("另存为"));
        QCOMPARE(t.platform().saveRequests.constFirst().filter, QStringLiteral("文本文件(*.TXT)|*.TXT"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        QCOMPARE(bytes, encodeAnsi(report->reportText() + QStringLiteral("\r\n")));
        QVERIFY(bytes.endsWith("\r\n\r\n"));
        QVERIFY(bytes.contains(encodeAnsi(QStringLiteral("正方代表队名称：红队\r\n"))));
        QVERIFY(t.platform().messages.isEmpty());

        // A cancelled or empty answer writes nothing, even after a file was chosen.
        child<QPlainTextEdit>(report, QStringLiteral("Text1"))->setPlainText(QStringLiteral("改过"));
        t.platform().saveAnswers = {std::nullopt, QString()};
        child<QPushButton>(report, QStringLiteral("Command3"))->click();
        child<QPushButton>(report, QStringLiteral("Command3"))->click();
        QCOMPARE(t.platform().saveRequests.size(), 3);
        QCOMPARE(t.platform().saveRequests.at(1).initialFile, path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QVERIFY(t.platform().messages.isEmpty());
        // The next report screen starts where the last report was saved.
        closeScreen(report);
        child<QPushButton>(t.screen<ReportScreen>(), QStringLiteral("Command3"))->click();
        QCOMPARE(t.platform().saveRequests.last().initialFolder, t.dir());
        QCOMPARE(t.platform().saveRequests.last().initialFile, QString());
    }

    void savedReportKeepsItsExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "报表"
                                      << "报表.txt";
        QTest::newRow("upper-case TXT") << "报表.TXT"
                                        << "报表.TXT";
        QTest::newRow("another extension") << "报表.log"
                                           << "报表.log";
    }

    void savedReportKeepsItsExtension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        TestApp t;
        ReportScreen *report = t.screen<ReportScreen>();
        t.platform().saveAnswers = {t.dir() + QLatin1Char('/') + typed, std::nullopt};
        child<QPushButton>(report, QStringLiteral("Command3"))->click();

        QCOMPARE(t.platform().saveRequests.constFirst().defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(QDir(t.dir()).entryList({QStringLiteral("报表*")}, QDir::Files), QStringList{saved});
        QFile file(t.dir() + QLatin1Char('/') + saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), encodeAnsi(report->reportText() + QStringLiteral("\r\n")));
        // The dialog offers the file as saved the next time.
        child<QPushButton>(report, QStringLiteral("Command3"))->click();
        QCOMPARE(t.platform().saveRequests.at(1).initialFile, t.dir() + QLatin1Char('/') + saved);
    }

    void saveThatFailsSaysSoAndKeepsTheScreen_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("missing folder") << false;
        QTest::newRow("read-only file") << true;
    }

    void saveThatFailsSaysSoAndKeepsTheScreen()
    {
        QFETCH(bool, readOnly);

        TestApp t;
        ReportScreen *report = openScreen<ReportScreen>(t);
        QString path = t.dir() + QStringLiteral("/无此文件夹/报表.TXT");
        if (readOnly) {
            path = t.dir() + QStringLiteral("/只读.TXT");
            QVERIFY(writeBytes(path, "old"));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
        }
        const QString before = report->reportText();
        t.platform().saveAnswers = {path};
        child<QPushButton>(report, QStringLiteral("Command3"))->click();

        QCOMPARE(t.platform().messages.size(), 1);
        QVERIFY2(t.platform().messages.constFirst().text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(t.platform().messages.constFirst().text));
        QCOMPARE(report->reportText(), before);
        QVERIFY(report->isVisible());
        QFile file(path);
        if (readOnly) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("old"));
        } else {
            QVERIFY(!file.exists());
        }
    }
};

QTEST_MAIN(TestScoreScreens)
#include "test_score_screens.moc"
