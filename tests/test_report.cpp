#include "core/report_text.h"
#include "core/system_time.h"

#include <QTest>

using namespace Dovrel;

namespace {

// Details of uneven length, so that any padding into columns would show.
QStringList sampleDetails()
{
    QStringList details;
    for (int n = 1; n <= 23; ++n)
        details.append(QStringLiteral("值") + QString(n % 3 + 1, QLatin1Char('x')) + QString::number(n));
    return details;
}

ReportFacts sampleFacts()
{
    return {sampleDetails(),
            QStringLiteral(" 87.5分"),
            QStringLiteral(" 86分"),
            QStringLiteral("值xxx5"),
            {QStringLiteral("2024/5/1"), QStringLiteral("14:03:05")}};
}

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void linesAsLaidOut_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("empty");

        const auto row = [](int line, const QString &full, const QString &empty) {
            QTest::addRow("line %d", line) << line << full << empty;
        };
        const QString none;
        row(1, none, none);
        row(2, blanks(35) + QStringLiteral("辩论赛报表"), blanks(35) + QStringLiteral("辩论赛报表"));
        row(3, none, none);
        row(4, blanks(55) + QStringLiteral("2024/5/1-14:03:05"), blanks(55) + QStringLiteral("2024/5/1-14:03:05"));
        row(5, QString(76, QLatin1Char('_')), QString(76, QLatin1Char('_')));
        row(6, none, none);
        row(7, QStringLiteral("比赛名称：值xx1"), QStringLiteral("比赛名称："));
        row(8, QStringLiteral("组织单位名称：值xxx2"), QStringLiteral("组织单位名称："));
        row(9, none, none);
        row(10, QStringLiteral("正方辩题：值x3"), QStringLiteral("正方辩题："));
        row(11, QStringLiteral("反方辩题：值xx4"), QStringLiteral("反方辩题："));
        row(12, none, none);
        row(13, QStringLiteral("正方代表队名称：值xxx5"), QStringLiteral("正方代表队名称："));
        row(14, QStringLiteral("反方代表队名称：值x6"), QStringLiteral("反方代表队名称："));
        row(15, none, none);
        row(16, QStringLiteral("正方队员"), QStringLiteral("正方队员"));
        row(17, none, none);
        row(18, QStringLiteral("       一辩：值xx7    二辩：值xxx8    三辩：值x9    四辩：值xx10"),
            QStringLiteral("       一辩：    二辩：    三辩：    四辩："));
        row(19, none, none);
        row(20, QStringLiteral("反方队员"), QStringLiteral("反方队员"));
        row(21, none, none);
        row(22, QStringLiteral("       一辩：值xxx11    二辩：值x12    三辩：值xx13    四辩：值xxx14"),
            QStringLiteral("       一辩：    二辩：    三辩：    四辩："));
        row(23, none, none);
        row(24, QStringLiteral("评 委"), QStringLiteral("评 委"));
        row(25, none, none);
        row(26, QStringLiteral("       评委一：值x15    评委二：值xx16    评委三：值xxx17    评委四：值x18"),
            QStringLiteral("       评委一：    评委二：    评委三：    评委四："));
        row(27, none, none);
        row(28, QStringLiteral("       评委五：值xx19    评委六：值xxx20    评委七：值x21    评委八：值xx22"),
            QStringLiteral("       评委五：    评委六：    评委七：    评委八："));
        row(29, none, none);
        row(30, QStringLiteral("       评委九：值xxx23"), QStringLiteral("       评委九："));
        row(31, none, none);
        row(32, QStringLiteral("双方最终得分"), QStringLiteral("双方最终得分"));
        row(33, blanks(12) + QStringLiteral("正方总成绩： 87.5分"), blanks(12) + QStringLiteral("正方总成绩： 0分"));
        row(34, blanks(12) + QStringLiteral("反方总成绩： 86分"), blanks(12) + QStringLiteral("反方总成绩： 0分"));
        row(35, none, none);
        row(36, QStringLiteral("比赛获胜方：值xxx5"), QStringLiteral("比赛获胜方：互为平手！"));
    }

    void linesAsLaidOut()
    {
        QFETCH(int, line);
        QFETCH(QString, full);
        QFETCH(QString, empty);

        const QStringList lines = reportLines(sampleFacts());
        QCOMPARE(lines.size(), ReportLineCount);
        QCOMPARE(lines.at(line - 1), full);

        // Empty details keep every caption and the line structure.
        const ReportFacts bare{
            {}, QStringLiteral(" 0分"), QStringLiteral(" 0分"), QStringLiteral("互为平手！"), sampleFacts().stamp};
        const QStringList bareLines = reportLines(bare);
        QCOMPARE(bareLines.size(), ReportLineCount);
        QCOMPARE(bareLines.at(line - 1), empty);
    }

    void everyLineEndsWithCrLf()
    {
        const QString text = reportText(sampleFacts());
        QVERIFY(text.endsWith(QStringLiteral("值xxx5\r\n")));
        QCOMPARE(text.count(QStringLiteral("\r\n")), ReportLineCount);
        QCOMPARE(text.count(QLatin1Char('\n')), ReportLineCount);
        QCOMPARE(text.count(QLatin1Char('\r')), ReportLineCount);
        QCOMPARE(text, reportLines(sampleFacts()).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

    void reportFileKeepsItsExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "/home/t/报表"
                                      << "/home/t/报表.txt";
        QTest::newRow("trailing dot") << "/home/t/报表."
                                      << "/home/t/报表.txt";
        QTest::newRow("dot in the folder only") << "/home/t/决赛.2026/报表"
                                                << "/home/t/决赛.2026/报表.txt";
        QTest::newRow("upper-case TXT") << "/home/t/报表.TXT"
                                        << "/home/t/报表.TXT";
        QTest::newRow("lower-case txt") << "/home/t/报表.txt"
                                        << "/home/t/报表.txt";
        QTest::newRow("another extension") << "/home/t/报表.log"
                                           << "/home/t/报表.log";
        QTest::newRow("two dots") << "/home/t/决赛.报表.doc"
                                  << "/home/t/决赛.报表.doc";
        QTest::newRow("windows folder") << "C:\\比赛\\报表"
                                        << "C:\\比赛\\报表.txt";
    }

    void reportFileKeepsItsExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(reportFileName(chosen), saved);
    }

    void stampHasDateAndTimeWithoutZone()
    {
        const QDateTime moment(QDate(2024, 5, 1), QTime(14, 3, 5));
        const ReportStamp stamp = reportStamp(moment);
        QVERIFY(!stamp.date.isEmpty());
        QVERIFY2(stamp.time.contains(QStringLiteral("03")) && stamp.time.contains(QStringLiteral("05")),
                 qPrintable(stamp.time));
        QVERIFY2(!stamp.time.contains(moment.timeZoneAbbreviation()) || moment.timeZoneAbbreviation().isEmpty(),
                 qPrintable(stamp.time));
        QCOMPARE(stamp.time, stamp.time.trimmed());
    }

    void datesInChineseOnAnySystem_data()
    {
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<QString>("name");
        QTest::newRow("C") << QLocale::c() << "zh_CN";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "zh_CN";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "zh_CN";
        QTest::newRow("Chinese (China)") << QLocale(QLocale::Chinese, QLocale::China) << "zh_CN";
        // A Chinese system keeps its own regional formats.
        QTest::newRow("Chinese (Taiwan)") << QLocale(QLocale::Chinese, QLocale::Taiwan) << "zh_TW";
        QTest::newRow("Chinese (Hong Kong)") << QLocale(QLocale::Chinese, QLocale::HongKong) << "zh_HK";
    }

    void datesInChineseOnAnySystem()
    {
        QFETCH(QLocale, system);
        QFETCH(QString, name);
        const QLocale locale = programLocale(system);
        QCOMPARE(locale.name(), name);
        const QString date = locale.toString(QDate(2026, 12, 8), QLocale::ShortFormat);
        QVERIFY2(!date.contains(QStringLiteral("Dec")), qPrintable(date));
        if (name == QStringLiteral("zh_CN"))
            QCOMPARE(date, QStringLiteral("2026/12/8"));
    }

    void reportStampFollowsTheProgramLocale()
    {
        const QDateTime moment(QDate(2026, 12, 8), QTime(14, 3, 5));
        const ReportStamp stamp = reportStamp(moment);
        if (QLocale::system().language() == QLocale::Chinese)
            QCOMPARE(stamp.date, QLocale::system().toString(moment.date(), QLocale::ShortFormat));
        else
            QCOMPARE(stamp.date, QStringLiteral("2026/12/8"));
        QVERIFY2(!stamp.time.contains(QStringLiteral("PM")), qPrintable(stamp.time));
    }
};

QTEST_APPLESS_MAIN(TestReport)
#include "test_report.moc"
