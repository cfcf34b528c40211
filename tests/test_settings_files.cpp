#include "core/app_paths.h"
#include "core/line_file.h"
#include "core/settings_files.h"
#include "core/settings_values.h"
#include "core/speaking_record.h"
#include "core/text_encoding.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Dovrel;
using namespace Dovrel::Testing;

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const
    {
        return m_dir.path() + QStringLiteral("/config/") + name;
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path() + QStringLiteral("/config"));
    }

    void gbkTextIsByteIdenticalAndOtherTextSurvives()
    {
        // "开篇陈词" in GBK.
        const QByteArray gbk = QByteArray::fromHex("bfaac6aab3c2b4ca");
        QCOMPARE(encodeAnsi(QStringLiteral("开篇陈词")), gbk);
        QCOMPARE(decodeAnsi(gbk), QStringLiteral("开篇陈词"));
        const QString beyondGbk = QStringLiteral("𠀀 € ß 한국");
        QCOMPARE(decodeAnsi(encodeAnsi(beyondGbk)), beyondGbk);
    }

    void writesEveryLineWithCrLfAndReadsItBack()
    {
        const QStringList lines = {QStringLiteral("自由辩论"), QString(), QStringLiteral("攻辩 "),
                                   QStringLiteral("分\\秒")};
        QVERIFY(writeLineFile(path(QStringLiteral("SoundSet.ini")), lines).ok);
        const QByteArray expected = QByteArray::fromHex("d7d4d3c9b1e7c2db") + "\r\n\r\n" +
                                    QByteArray::fromHex("b9a5b1e7") + " \r\n" + QByteArray::fromHex("b7d6") + "\\" +
                                    QByteArray::fromHex("c3eb") + "\r\n";
        QCOMPARE(readBytes(path(QStringLiteral("SoundSet.ini"))), expected);
        const LineFileContent read = readLineFile(path(QStringLiteral("SoundSet.ini")), 4);
        QVERIFY(read.exists);
        QCOMPARE(read.lines, lines);
    }

    void aValueNeverAddsALine()
    {
        // Whatever a caller gives, one value is one line: each break, CR LF counting as one, becomes a blank.
        const QStringList values = {QStringLiteral("甲\n乙\r\n丙"), QStringLiteral("\r\r"),
                                    QStringLiteral("丁\u2029戊")};
        QVERIFY(writeLineFile(path(QStringLiteral("NumSet.ini")), values).ok);
        QCOMPARE(readLineFile(path(QStringLiteral("NumSet.ini")), 10).lines,
                 (QStringList{QStringLiteral("甲 乙 丙"), QStringLiteral("  "), QStringLiteral("丁 戊")}));
    }

    void speakingRecordRowsReadBackAsWritten()
    {
        const QDateTime started(QDate(2026, 12, 8), QTime(9, 5, 7));
        QList<SpeakingRow> rows;
        for (const QString &stage : {QStringLiteral("自由辩论"), QStringLiteral("甲,乙"), QStringLiteral("说\"好\""),
                                     QStringLiteral("=1+1"), QStringLiteral("-5"), QStringLiteral("两\r\n行")})
            rows.append({started, stage, QStringLiteral("反方"), 180, 192, 12, 1});
        QByteArray bytes = recordFileStart();
        for (const SpeakingRow &row : rows)
            bytes += recordLine(row);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(parseRecord(bytes), rows);
        // A spreadsheet takes these as text, not formulas.
        QVERIFY(bytes.contains("'=1+1"));
        QVERIFY(bytes.contains("'-5"));
        QVERIFY(bytes.contains(QStringLiteral("2026-12-08,09:05:07,自由辩论,反方,180,192,12,1\r\n").toUtf8()));
        // A row cut off where a quote is open, or short of fields, is not a row.
        QCOMPARE(parseRecord(bytes + "2026-12-08,09:05:07,\"半").size(), rows.size());
        QCOMPARE(parseRecord(bytes + "2026-12-08,09:05:07,环节\r\n").size(), rows.size());
    }

    void lineEndsAndLineCounts()
    {
        QVERIFY(writeBytes(path(QStringLiteral("a.ini")), "one\ntwo\r\nthree\nfour\nfive\n"));
        QCOMPARE(readLineFile(path(QStringLiteral("a.ini")), 4).lines,
                 (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                              QStringLiteral("four")}));
        // A last line without a line end is still a line; a short file leaves the rest empty.
        QVERIFY(writeBytes(path(QStringLiteral("b.ini")), "x\r\ny"));
        QCOMPARE(padLines(readLineFile(path(QStringLiteral("b.ini")), 4).lines, 4),
                 (QStringList{QStringLiteral("x"), QStringLiteral("y"), QString(), QString()}));
        QVERIFY(writeBytes(path(QStringLiteral("empty.ini")), ""));
        const LineFileContent empty = readLineFile(path(QStringLiteral("empty.ini")), 21);
        QVERIFY(empty.exists);
        QVERIFY(empty.lines.isEmpty());
        const LineFileContent missing = readLineFile(path(QStringLiteral("missing.ini")), 21);
        QVERIFY(!missing.exists);
        QCOMPARE(padLines(missing.lines, 21).size(), 21);
    }

    void badInputNeverCrashesOrHangs()
    {
        // Binary garbage and invalid GBK sequences decode to something; the line structure still holds.
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919) % 256));
        QVERIFY(writeBytes(path(QStringLiteral("garbage.ini")), garbage));
        QVERIFY(readLineFile(path(QStringLiteral("garbage.ini")), 23).lines.size() <= 23);
        QVERIFY(writeBytes(path(QStringLiteral("invalid.ini")), QByteArray("\x81\r\n\xff\xfe\x80\r\nok\r\n", 11)));
        const QStringList invalid = readLineFile(path(QStringLiteral("invalid.ini")), 3).lines;
        QCOMPARE(invalid.size(), 3);
        QCOMPARE(invalid.at(2), QStringLiteral("ok"));

        // A 1 MB line is one value.
        QVERIFY(writeBytes(path(QStringLiteral("long.ini")), QByteArray(1024 * 1024, 'a') + "\r\nnext\r\n"));
        const QStringList longLines = readLineFile(path(QStringLiteral("long.ini")), 2).lines;
        QCOMPARE(longLines.at(0).size(), 1024 * 1024);
        QCOMPARE(longLines.at(1), QStringLiteral("next"));

        // A 50 MB file: only the lines asked for are read.
        {
            QFile big(path(QStringLiteral("big.ini")));
            QVERIFY(big.open(QIODevice::WriteOnly));
            const QByteArray block = QByteArray(1023, 'z') + '\n';
            for (int i = 0; i < 50 * 1024; ++i)
                big.write(block);
        }
        const QStringList bigLines = readLineFile(path(QStringLiteral("big.ini")), 4).lines;
        QCOMPARE(bigLines.size(), 4);
        QCOMPARE(bigLines.at(3).size(), 1023);
    }

    void numbersAndColours()
    {
        QCOMPARE(parseSettingsNumber(QStringLiteral("  12  ")), std::optional<double>(12));
        QCOMPARE(parseSettingsNumber(QStringLiteral("10.5")), std::optional<double>(10.5));
        QCOMPARE(parseSettingsNumber(QStringLiteral("\t-3 ")), std::optional<double>(-3));
        QCOMPARE(parseSettingsNumber(QStringLiteral("+ 7")), std::optional<double>(7));
        QVERIFY(!parseSettingsNumber(QString()));
        QVERIFY(!parseSettingsNumber(QStringLiteral("12pt")));
        QVERIFY(!parseSettingsNumber(QStringLiteral("宋体")));
        QCOMPARE(parseColourValue(QStringLiteral("-2147483633")), std::optional<qint32>(qint32(0x8000000F)));
        QCOMPARE(parseColourValue(QStringLiteral(" 16711680 ")), std::optional<qint32>(0xFF0000));
        QVERIFY(!parseColourValue(QStringLiteral("4294967296")));
        QCOMPARE(formatFontSize(10.5), QStringLiteral("10.5"));
        QCOMPARE(formatFontSize(36), QStringLiteral("36"));
        QCOMPARE(formatColourValue(qint32(0x80000012)), QStringLiteral("-2147483630"));
    }

    void numberLanguage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << QStringLiteral("12") << true << 12.0;
        QTest::newRow("blanks and tabs around") << QStringLiteral(" \t12 \t") << true << 12.0;
        QTest::newRow("fraction") << QStringLiteral("10.5") << true << 10.5;
        QTest::newRow("point last") << QStringLiteral("12.") << true << 12.0;
        QTest::newRow("fraction alone") << QStringLiteral(".25") << true << 0.25;
        QTest::newRow("sign, blanks, fraction alone") << QStringLiteral(" - .5 ") << true << -0.5;
        QTest::newRow("plus and tab") << QStringLiteral("+\t7") << true << 7.0;
        QTest::newRow("leading zeros") << QStringLiteral("007") << true << 7.0;
        QTest::newRow("point alone") << QStringLiteral(".") << false << 0.0;
        QTest::newRow("sign alone") << QStringLiteral("-") << false << 0.0;
        QTest::newRow("sign and point") << QStringLiteral("+.") << false << 0.0;
        QTest::newRow("two signs") << QStringLiteral("+-1") << false << 0.0;
        QTest::newRow("sign after") << QStringLiteral("1-") << false << 0.0;
        QTest::newRow("blank inside the digits") << QStringLiteral("1 2") << false << 0.0;
        QTest::newRow("two points") << QStringLiteral("1.2.3") << false << 0.0;
        QTest::newRow("exponent") << QStringLiteral("1e5") << false << 0.0;
        QTest::newRow("hex") << QStringLiteral("0x10") << false << 0.0;
        QTest::newRow("full-width digits") << QStringLiteral("１２") << false << 0.0;
        QTest::newRow("Arabic-Indic digit") << QStringLiteral("٣") << false << 0.0;
        QTest::newRow("carriage return after") << QStringLiteral("12\r") << false << 0.0;
        QTest::newRow("too large for a double")
            << (QStringLiteral("1") + QString(400, QLatin1Char('0'))) << false << 0.0;
    }
    void numberLanguage()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const std::optional<double> number = parseSettingsNumber(text);
        QCOMPARE(number.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*number, value);
    }

    void megabyteLinesAreJudgedAtOnce()
    {
        // Lines that nearly are numbers, a megabyte long: a backtracking pattern would take hours over each.
        const qsizetype mb = 1024 * 1024;
        const QString digits(mb, QLatin1Char('1'));
        const QString blanks(mb, QLatin1Char(' '));
        const QString tabs(mb, QLatin1Char('\t'));
        const QStringList notNumbers = {digits + QLatin1Char('x'),
                                        blanks + QLatin1Char('x'),
                                        QLatin1Char('-') + tabs + QLatin1Char('.'),
                                        QStringLiteral("1.") + digits + QLatin1Char('.'),
                                        QLatin1Char('+') + blanks + digits + QLatin1Char('-'),
                                        QLatin1Char('7') + blanks + QLatin1Char('7')};
        for (const QString &text : notNumbers)
            QVERIFY(!parseSettingsNumber(text));
        QCOMPARE(parseSettingsNumber(QString(mb, QLatin1Char('0')) + QLatin1Char('5')), std::optional<double>(5));
        QCOMPARE(parseSettingsNumber(blanks + QStringLiteral("-7.") + tabs), std::optional<double>(-7));
        QCOMPARE(parseColourValue(tabs + QStringLiteral("255") + blanks), std::optional<qint32>(255));

        // Opening the title screen reads seven such lines.
        QByteArray file;
        for (const QString &line : notNumbers.mid(0, 3) + notNumbers.mid(0, 3) + notNumbers.mid(3, 1))
            file += line.toLatin1() + "\r\n";
        QVERIFY(writeBytes(path(SettingsFiles::NameSet), file));
        const TitleStyle title = readTitleStyle(AppPaths(m_dir.path()));
        QVERIFY(!title.zoneOne.fontSize && !title.zoneOne.colour && !title.zoneTwo.fontSize && !title.zoneTwo.colour &&
                !title.background);
        QCOMPARE(title.zoneOne.fontName.size(), mb + 1);
    }

    void fontSizesReadBackEqual_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("written");
        QTest::newRow("half point") << 10.5 << QStringLiteral("10.5");
        QTest::newRow("whole") << 36.0 << QStringLiteral("36");
        QTest::newRow("quarter") << 26.25 << QStringLiteral("26.25");
        QTest::newRow("a tenth") << 0.1 << QStringLiteral("0.1");
        QTest::newRow("a third") << 1.0 / 3 << QStringLiteral("0.3333333333333333");
        QTest::newRow("negative") << -3.0 << QStringLiteral("-3");
        QTest::newRow("tiny, no exponent") << 0.00001 << QStringLiteral("0.00001");
        QTest::newRow("huge, no exponent") << 1e12 << QStringLiteral("1000000000000");
        QTest::newRow("13 significant digits") << 1234567.890123 << QStringLiteral("1234567.890123");
        QTest::newRow("largest double") << std::numeric_limits<double>::max() << QString();
        QTest::newRow("smallest double") << std::numeric_limits<double>::denorm_min() << QString();
    }
    void fontSizesReadBackEqual()
    {
        QFETCH(double, points);
        QFETCH(QString, written);
        const QString text = formatFontSize(points);
        if (!written.isEmpty())
            QCOMPARE(text, written);
        QVERIFY(!text.contains(QLatin1Char('e')));
        QCOMPARE(parseSettingsNumber(text), std::optional<double>(points));
    }

    void anIncompleteSequenceAtALineEndIsReplacedNotDropped()
    {
        const QString bad(QChar::ReplacementCharacter);
        QCOMPARE(decodeAnsi(QByteArray("ab\x81")), QStringLiteral("ab") + bad);
        QCOMPARE(decodeAnsi(QByteArray("ab\x81\x30")), QStringLiteral("ab") + bad + QLatin1Char('0'));
        QCOMPARE(decodeAnsi(QByteArray("ab\xff")), QStringLiteral("ab") + bad);
        QCOMPARE(decodeAnsi(QByteArray("x\n")), QStringLiteral("x\n"));
        QCOMPARE(decodeAnsi(QByteArray()), QString());
        // A complete four-byte sequence is a character.
        QCOMPARE(decodeAnsi(QByteArray("\x81\x30\x81\x30")), QString(QChar(0x80)));

        QVERIFY(writeBytes(path(QStringLiteral("tails.ini")),
                           QByteArray("\xb9\xa5\xb1\r\n\x81\x30\x81\r\nok\xff\r\nend\x81")));
        QCOMPARE(readLineFile(path(QStringLiteral("tails.ini")), 4).lines,
                 (QStringList{QStringLiteral("攻") + bad, bad + QLatin1Char('0') + bad, QStringLiteral("ok") + bad,
                              QStringLiteral("end") + bad}));
    }

    void styleFilesRoundTripByteForByte()
    {
        AppPaths paths(m_dir.path());
        const QStringList nameLines = {QStringLiteral("华文行楷"), QStringLiteral("26.25"),
                                       QStringLiteral("255"),      QStringLiteral("隶书"),
                                       QStringLiteral("10.5"),     QStringLiteral("-2147483640"),
                                       QStringLiteral("16777215")};
        QByteArray original;
        for (const QString &line : nameLines)
            original += encodeAnsi(line) + "\r\n";
        QVERIFY(writeBytes(path(SettingsFiles::NameSet), original));
        const TitleStyle title = readTitleStyle(paths);
        QCOMPARE(title.zoneOne.fontName, QStringLiteral("华文行楷"));
        QCOMPARE(title.zoneOne.fontSize, std::optional<double>(26.25));
        QCOMPARE(title.zoneTwo.colour, std::optional<qint32>(qint32(0x80000008)));
        QVERIFY(writeTitleStyle(paths, title).ok);
        QCOMPARE(readBytes(path(SettingsFiles::NameSet)), original);

        // Values that are missing or not numbers stay unset: the screen keeps its design values.
        QVERIFY(writeBytes(path(SettingsFiles::ViwerSet), "Arial\r\nbig\r\n"));
        const AudienceStyle audience = readAudienceStyle(paths);
        QCOMPARE(audience.text.fontName, QStringLiteral("Arial"));
        QVERIFY(!audience.text.fontSize);
        QVERIFY(!audience.text.colour);
        QVERIFY(!audience.background);
        QFile::remove(path(SettingsFiles::ViwerSet));
        QVERIFY(!readAudienceStyle(paths).text.fontSize);
    }

    void textSettingsRoundTrip()
    {
        AppPaths paths(m_dir.path());
        QStringList values;
        for (int i = 1; i <= SettingsFiles::TimeSetLines; ++i)
            values.append(i % 3 ? QString::number(i * 10) : QString());
        QVERIFY(writeTextSettings(paths, SettingsFiles::TimeSet, values).ok);
        QCOMPARE(readBytes(path(SettingsFiles::TimeSet)).count("\r\n"), 21);
        QCOMPARE(readTextSettings(paths, SettingsFiles::TimeSet, SettingsFiles::TimeSetLines), values);
        QCOMPARE(readTextSettings(paths, SettingsFiles::NumSet, SettingsFiles::NumSetLines),
                 QStringList(23, QString()));
    }

    void savesThatCannotBeMadeFailAndLeaveTheFile()
    {
        AppPaths paths(m_dir.path());
        QVERIFY(writeTextSettings(paths, SettingsFiles::Score, {QStringLiteral("1"), QStringLiteral("2")}).ok);
        const QString score = path(SettingsFiles::Score);
        QFile::setPermissions(score, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        const SaveResult readOnly = writeTextSettings(paths, SettingsFiles::Score, {QStringLiteral("9")});
        QVERIFY(!readOnly.ok);
        QVERIFY(!readOnly.error.isEmpty());
        QCOMPARE(readBytes(path(SettingsFiles::Score)), QByteArray("1\r\n2\r\n"));
        QFile::setPermissions(score, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        QDir(m_dir.path() + QStringLiteral("/config")).removeRecursively();
        QVERIFY(!writeTextSettings(paths, SettingsFiles::Score, {QStringLiteral("9")}).ok);
        QVERIFY(!QDir(m_dir.path() + QStringLiteral("/config")).exists());
    }

    void dataNamesResolveWithoutRegardToCase()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Sound/timeout"));
        QVERIFY(writeBytes(m_dir.path() + QStringLiteral("/Sound/timeout/声音三.WAV"), QByteArray()));
        AppPaths paths(m_dir.path());
        const QString expected = m_dir.path() + QStringLiteral("/Sound/timeout/声音三.WAV");
        for (const QString &asked :
             {QStringLiteral("sound\\TimeOut\\声音三.wav"), QStringLiteral("Sound\\TimeOut\\声音三.wav")}) {
            const QString found = paths.dataPath(asked);
            QVERIFY(QFileInfo(found).isFile());
#if !defined(Q_OS_WIN)
            // Where the file system tells case apart, the names come back as the files have them; on Windows the
            // system itself finds the file under any case.
            QCOMPARE(found, expected);
#endif
        }
        // Names that do not exist keep their spelling.
        QCOMPARE(paths.dataPath(QStringLiteral("background\\p1.jpg")),
                 m_dir.path() + QStringLiteral("/background/p1.jpg"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "test_settings_files.moc"
