#include "settings/app_paths.h"
#include "settings/line_file.h"
#include "settings/settings_files.h"
#include "settings/settings_values.h"
#include "settings/text_encoding.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Dovrel;

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const
    {
        return m_dir.path() + QStringLiteral("/config/") + name;
    }
    void writeBytes(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readBytes(const QString &name)
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        QCOMPARE(readBytes(QStringLiteral("SoundSet.ini")), expected);
        const LineFileContent read = readLineFile(path(QStringLiteral("SoundSet.ini")), 4);
        QVERIFY(read.exists);
        QCOMPARE(read.lines, lines);
    }

    void lineEndsAndLineCounts()
    {
        writeBytes(QStringLiteral("a.ini"), "one\ntwo\r\nthree\nfour\nfive\n");
        QCOMPARE(readLineFile(path(QStringLiteral("a.ini")), 4).lines,
                 (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                              QStringLiteral("four")}));
        // A last line without a line end is still a line; a short file leaves the rest empty.
        writeBytes(QStringLiteral("b.ini"), "x\r\ny");
        QCOMPARE(padLines(readLineFile(path(QStringLiteral("b.ini")), 4).lines, 4),
                 (QStringList{QStringLiteral("x"), QStringLiteral("y"), QString(), QString()}));
        writeBytes(QStringLiteral("empty.ini"), "");
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
        writeBytes(QStringLiteral("garbage.ini"), garbage);
        QVERIFY(readLineFile(path(QStringLiteral("garbage.ini")), 23).lines.size() <= 23);
        writeBytes(QStringLiteral("invalid.ini"), QByteArray("\x81\r\n\xff\xfe\x80\r\nok\r\n", 11));
        const QStringList invalid = readLineFile(path(QStringLiteral("invalid.ini")), 3).lines;
        QCOMPARE(invalid.size(), 3);
        QCOMPARE(invalid.at(2), QStringLiteral("ok"));

        // A 1 MB line is one value.
        writeBytes(QStringLiteral("long.ini"), QByteArray(1024 * 1024, 'a') + "\r\nnext\r\n");
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

    void styleFilesRoundTripByteForByte()
    {
        AppPaths paths(m_dir.path());
        const QStringList nameLines = {QStringLiteral("华文行楷"), QStringLiteral("26.25"), QStringLiteral("255"),
                                       QStringLiteral("隶书"),     QStringLiteral("10.5"),  QStringLiteral("-2147483640"),
                                       QStringLiteral("16777215")};
        QByteArray original;
        for (const QString &line : nameLines)
            original += encodeAnsi(line) + "\r\n";
        writeBytes(SettingsFiles::nameSet(), original);
        const TitleStyle title = readTitleStyle(paths);
        QCOMPARE(title.zoneOne.fontName, QStringLiteral("华文行楷"));
        QCOMPARE(title.zoneOne.fontSize, std::optional<double>(26.25));
        QCOMPARE(title.zoneTwo.colour, std::optional<qint32>(qint32(0x80000008)));
        QVERIFY(writeTitleStyle(paths, title).ok);
        QCOMPARE(readBytes(SettingsFiles::nameSet()), original);

        // Values that are missing or not numbers stay unset: the screen keeps its design values.
        writeBytes(SettingsFiles::viwerSet(), "Arial\r\nbig\r\n");
        const AudienceStyle audience = readAudienceStyle(paths);
        QCOMPARE(audience.text.fontName, QStringLiteral("Arial"));
        QVERIFY(!audience.text.fontSize);
        QVERIFY(!audience.text.colour);
        QVERIFY(!audience.background);
        QFile::remove(path(SettingsFiles::viwerSet()));
        QVERIFY(!readAudienceStyle(paths).text.fontSize);
    }

    void textSettingsRoundTrip()
    {
        AppPaths paths(m_dir.path());
        QStringList values;
        for (int i = 1; i <= SettingsFiles::TimeSetLines; ++i)
            values.append(i % 3 ? QString::number(i * 10) : QString());
        QVERIFY(writeTextSettings(paths, SettingsFiles::timeSet(), values).ok);
        QCOMPARE(readBytes(SettingsFiles::timeSet()).count("\r\n"), 21);
        QCOMPARE(readTextSettings(paths, SettingsFiles::timeSet(), SettingsFiles::TimeSetLines), values);
        QCOMPARE(readTextSettings(paths, SettingsFiles::numSet(), SettingsFiles::NumSetLines),
                 QStringList(23, QString()));
    }

    void savesThatCannotBeMadeFailAndLeaveTheFile()
    {
        AppPaths paths(m_dir.path());
        QVERIFY(writeTextSettings(paths, SettingsFiles::score(), {QStringLiteral("1"), QStringLiteral("2")}).ok);
        const QString score = path(SettingsFiles::score());
        QFile::setPermissions(score, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        const SaveResult readOnly = writeTextSettings(paths, SettingsFiles::score(), {QStringLiteral("9")});
        QVERIFY(!readOnly.ok);
        QVERIFY(!readOnly.error.isEmpty());
        QCOMPARE(readBytes(SettingsFiles::score()), QByteArray("1\r\n2\r\n"));
        QFile::setPermissions(score, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        QDir(m_dir.path() + QStringLiteral("/config")).removeRecursively();
        QVERIFY(!writeTextSettings(paths, SettingsFiles::score(), {QStringLiteral("9")}).ok);
        QVERIFY(!QDir(m_dir.path() + QStringLiteral("/config")).exists());
    }

    void dataNamesResolveWithoutRegardToCase()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Sound/timeout"));
        QFile wav(m_dir.path() + QStringLiteral("/Sound/timeout/声音三.WAV"));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        wav.close();
        AppPaths paths(m_dir.path());
        const QString expected = m_dir.path() + QStringLiteral("/Sound/timeout/声音三.WAV");
        QCOMPARE(paths.dataPath(QStringLiteral("sound\\TimeOut\\声音三.wav")), expected);
        QCOMPARE(paths.dataPath(QStringLiteral("Sound\\TimeOut\\声音三.wav")), expected);
        // Names that do not exist keep their spelling.
        QCOMPARE(paths.dataPath(QStringLiteral("background\\p1.jpg")),
                 m_dir.path() + QStringLiteral("/background/p1.jpg"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "test_settings_files.moc"
