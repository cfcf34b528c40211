#include "core/app_paths.h"
#include "core/design_faces.h"
#include "core/limit_verdict.h"
#include "core/pre_contest_check.h"
#include "core/wave_check.h"
#include "support/files.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char *id, const QByteArray &body)
{
    QByteArray bytes = QByteArray(id, 4) + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        bytes += '\0';
    return bytes;
}

QByteArray format(quint16 tag, quint16 channels, quint16 bits, quint16 blockAlign = 0)
{
    if (blockAlign == 0)
        blockAlign = quint16(channels * bits / 8);
    const quint32 rate = 44100;
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) + le16(bits);
}

// The extensible form: the plain fields, the extension and the sub-format's GUID, whose first word is the tag.
QByteArray extensibleFormat(quint16 subFormat, quint16 bits)
{
    return format(0xFFFE, 2, bits) + le16(22) + le16(bits) + le32(3) + le16(subFormat) +
           QByteArray::fromHex("000000001000800000aa00389b71");
}

QByteArray riff(const QByteArray &chunks, const char *type = "WAVE")
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + QByteArray(type, 4) + chunks;
}

const QByteArray Sound(200, '\x10');

CheckFacts cleanFacts()
{
    CheckFacts facts;
    facts.soundDevices = 1;
    facts.soundOutputOpens = true;
    facts.sounds = {{Alert::Warning, 0, WaveStatus::Playable}, {Alert::TimeUp, 1, WaveStatus::Playable}};
    facts.format = CountdownFormat::MinutesSeconds;
    for (const StageBoxes &stage : checkedStages())
        facts.stages.append({stageTitle(stage, QString()), QStringLiteral("180")});
    facts.configWritable = true;
    facts.details = {{QStringLiteral("正方辩题"), QStringLiteral("甲")},
                     {QStringLiteral("反方代表队"), QStringLiteral("乙")}};
    facts.faces = {{QStringLiteral("宋体"), QStringLiteral("SimSun")},
                   {QStringLiteral("隶书"), QStringLiteral("隶书")}};
    return facts;
}

} // namespace

class TestPreContestCheck : public QObject
{
    Q_OBJECT

private slots:
    void limitVerdict_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fine");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("sentence");

        QTest::newRow("whole seconds") << "90" << true << 90 << "限时“90”将按 90 秒计时";
        QTest::newRow("blanks around") << " 90\t" << true << 90 << "限时“90”将按 90 秒计时";
        QTest::newRow("leading zeros") << "0090" << true << 90 << "限时“0090”将按 90 秒计时";
        QTest::newRow("one") << "1" << true << 1 << "限时“1”将按 1 秒计时";
        QTest::newRow("largest") << "32767" << true << 32767 << "限时“32767”将按 32767 秒计时";
        QTest::newRow("minutes typed") << "1:30" << false << 1 << "限时“1:30”将按 1 秒计时";
        QTest::newRow("blank inside") << "1 20" << false << 120 << "限时“1 20”将按 120 秒计时";
        QTest::newRow("fraction") << "90.5" << false << 90 << "限时“90.5”将按 90 秒计时";
        QTest::newRow("unit typed") << "180秒" << false << 180 << "限时“180秒”将按 180 秒计时";
        QTest::newRow("plus sign") << "+90" << false << 90 << "限时“+90”将按 90 秒计时";
        QTest::newRow("empty") << "" << false << 0 << "限时为空，将按 0 秒计时，一开始就时间到";
        QTest::newRow("only blanks") << "  " << false << 0 << "限时为空，将按 0 秒计时，一开始就时间到";
        QTest::newRow("zero") << "0" << false << 0 << "限时“0”将按 0 秒计时，一开始就时间到";
        QTest::newRow("negative") << "-5" << false << -5 << "限时“-5”将按 -5 秒计时，一开始就时间到";
        QTest::newRow("no number") << "三分钟" << false << 0 << "限时“三分钟”将按 0 秒计时，一开始就时间到";
        QTest::newRow("too long") << "32768" << false << 32768 << "限时“32768”超过 32767 秒，将按 32768 秒计时";
        QTest::newRow("beyond any count")
            << "99999999999" << false << 2147483647 << "限时“99999999999”超过 32767 秒，将按 2147483647 秒计时";
        QTest::newRow("percent signs") << "%1%2" << false << 0 << "限时“%1%2”将按 0 秒计时，一开始就时间到";
    }

    void limitVerdict()
    {
        QFETCH(QString, text);
        QFETCH(bool, fine);
        QFETCH(int, seconds);
        QFETCH(QString, sentence);
        const LimitVerdict verdict = Dovrel::limitVerdict(text);
        QCOMPARE(verdict.fine, fine);
        QCOMPARE(verdict.seconds, seconds);
        QCOMPARE(verdict.sentence, sentence);
    }

    void waveHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<WaveStatus>("status");

        const QByteArray pcm16 = chunk("fmt ", format(1, 1, 16));
        const QByteArray data = chunk("data", Sound);
        QTest::newRow("16-bit mono") << riff(pcm16 + data) << WaveStatus::Playable;
        QTest::newRow("8-bit stereo") << riff(chunk("fmt ", format(1, 2, 8)) + data) << WaveStatus::Playable;
        QTest::newRow("format with extra size field")
            << riff(chunk("fmt ", format(1, 1, 16) + le16(0)) + data) << WaveStatus::Playable;
        QTest::newRow("odd chunks before and between")
            << riff(chunk("LIST", QByteArray(5, 'x')) + pcm16 + chunk("fact", QByteArray(3, 'y')) + data)
            << WaveStatus::Playable;
        QTest::newRow("extensible pcm") << riff(chunk("fmt ", extensibleFormat(1, 16)) + data) << WaveStatus::Playable;
        QTest::newRow("data shorter than declared")
            << riff(pcm16) + "data" + le32(100000) + Sound << WaveStatus::Playable;

        QTest::newRow("extensible float")
            << riff(chunk("fmt ", extensibleFormat(3, 32)) + data) << WaveStatus::UnplayableFormat;
        QTest::newRow("float") << riff(chunk("fmt ", format(3, 1, 32)) + data) << WaveStatus::UnplayableFormat;
        QTest::newRow("adpcm") << riff(chunk("fmt ", format(2, 1, 4, 256)) + data) << WaveStatus::UnplayableFormat;
        QTest::newRow("mp3 in wave") << riff(chunk("fmt ", format(0x55, 2, 0, 1)) + data)
                                     << WaveStatus::UnplayableFormat;
        QTest::newRow("24-bit") << riff(chunk("fmt ", format(1, 2, 24)) + data) << WaveStatus::UnplayableFormat;
        QTest::newRow("six channels") << riff(chunk("fmt ", format(1, 6, 16)) + data) << WaveStatus::UnplayableFormat;
        QTest::newRow("no channels") << riff(chunk("fmt ", format(1, 0, 16, 2)) + data) << WaveStatus::UnplayableFormat;
        QTest::newRow("block size off") << riff(chunk("fmt ", format(1, 2, 16, 2)) + data)
                                        << WaveStatus::UnplayableFormat;

        QTest::newRow("empty file") << QByteArray() << WaveStatus::NotWave;
        QTest::newRow("text") << QByteArray("一、比赛流程\r\n") << WaveStatus::NotWave;
        QTest::newRow("big-endian riff") << "RIFX" + riff(pcm16 + data).mid(4) << WaveStatus::NotWave;
        QTest::newRow("avi") << riff(pcm16 + data, "AVI ") << WaveStatus::NotWave;
        QTest::newRow("riff size too small") << "RIFF" + le32(2) + "WAVE" + pcm16 + data << WaveStatus::NotWave;
        QTest::newRow("header cut short") << riff(pcm16 + data).left(10) << WaveStatus::NotWave;
        QTest::newRow("short format") << riff(chunk("fmt ", format(1, 1, 16).left(14)) + data) << WaveStatus::NotWave;
        QTest::newRow("format cut off") << riff(pcm16).left(30) << WaveStatus::NotWave;
        QTest::newRow("data before format") << riff(data + pcm16) << WaveStatus::NotWave;
        QTest::newRow("no format") << riff(chunk("LIST", "abcd")) << WaveStatus::NotWave;

        QTest::newRow("no data chunk") << riff(pcm16) << WaveStatus::NoSound;
        QTest::newRow("empty data") << riff(pcm16 + chunk("data", QByteArray())) << WaveStatus::NoSound;
        QTest::newRow("data header only") << riff(pcm16) + "data" + le32(200) << WaveStatus::NoSound;
    }

    void waveHeader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(WaveStatus, status);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(checkWave(buffer), status);
    }

    void waveFiles()
    {
        // The sounds the program ships play.
        const QDir sounds(QStringLiteral(DOVREL_ASSETS_DIR "/sound"));
        for (const char *folder : {"30Warn", "TimeOut"}) {
            for (int choice = 0; choice < AlertChoices; ++choice) {
                const QString path = sounds.filePath(QLatin1String(folder) + QLatin1Char('/') + alertFileName(choice));
                QVERIFY2(checkWaveFile(path) == WaveStatus::Playable, qPrintable(path));
            }
        }
        QTemporaryDir dir;
        QCOMPARE(checkWaveFile(dir.filePath(QStringLiteral("无此文件.wav"))), WaveStatus::Missing);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.wav")));
        QCOMPARE(checkWaveFile(dir.filePath(QStringLiteral("folder.wav"))), WaveStatus::Unreadable);
    }

    void stageTitles_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<StageBox>("limitBox");

        QTest::newRow("first preset") << 0 << QString() << "开篇陈词" << StageBox::OpeningLimit;
        QTest::newRow("last preset") << 4 << "不看"
                                     << "总结陈词" << StageBox::ClosingLimit;
        QTest::newRow("stage one named") << 5 << "盘问"
                                         << "环节一 盘问" << StageBox::StageOneLimit;
        QTest::newRow("stage two unnamed") << 6 << QString() << "环节二" << StageBox::StageTwoLimit;
        QTest::newRow("stage five blank name") << 9 << "  "
                                               << "环节五" << StageBox::StageFiveLimit;
        QTest::newRow("stage six") << 10 << "质询"
                                   << "环节六 质询" << StageBox::StageSixLimit;
        QTest::newRow("stage seven") << 11 << "自由辩论"
                                     << "环节七 自由辩论" << StageBox::StageSevenLimit;
        QTest::newRow("stage eight") << 12 << " 自由辩论（加时） "
                                     << "环节八 自由辩论（加时）" << StageBox::StageEightLimit;
    }

    void stageTitles()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(StageBox, limitBox);
        QCOMPARE(checkedStages().size(), 13);
        QCOMPARE(stageTitle(checkedStages().at(index), name), title);
        QCOMPARE(checkedStages().at(index).limitBox, limitBox);
    }

    void theSoundOutputAndTheHallsTextAreChecked_data()
    {
        QTest::addColumn<bool>("opens");
        QTest::addColumn<double>("hallScale");
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<QString>("line");
        QTest::newRow("listed but silent")
            << false << 1.0 << false << QStringLiteral("× 声音输出设备：找到 1 个，但无法打开，提示音无法播放");
        QTest::newRow("a projector twice the design")
            << true << 1.9 << false << QStringLiteral("! 投影显示器是设计尺寸的 1.9 倍");
        QTest::newRow("its text scaled") << true << 1.9 << true << QString();
        QTest::newRow("a little larger") << true << 1.5 << false << QString();
    }

    void theSoundOutputAndTheHallsTextAreChecked()
    {
        QFETCH(bool, opens);
        QFETCH(double, hallScale);
        QFETCH(bool, scaled);
        QFETCH(QString, line);
        CheckFacts facts = cleanFacts();
        facts.soundOutputOpens = opens;
        facts.hallScale = hallScale;
        facts.hallTextScaled = scaled;
        const QStringList lines = findingsText(checkFindings(facts)).split(QLatin1Char('\n'));
        const QStringList notFine = lines.filter(QRegularExpression(QStringLiteral("^[×!]")));
        QCOMPARE(notFine.size(), line.isEmpty() ? 0 : 1);
        if (!line.isEmpty())
            QVERIFY2(notFine.constFirst().startsWith(line), qPrintable(notFine.constFirst()));
    }

    void cleanCheckReadsAsOne()
    {
        const QString text = findingsText(checkFindings(cleanFacts()));
        QCOMPARE(text.split(QLatin1Char('\n')),
                 (QStringList{
                     QStringLiteral("√ 声音输出设备：找到 1 个"),
                     systemSeparators(QStringLiteral("√ 剩余30秒时提示音：sound\\30Warn\\默认声音.wav 可以播放")),
                     systemSeparators(QStringLiteral("√ 时间到时提示音：sound\\TimeOut\\声音一.wav 可以播放")),
                     QStringLiteral("√ 倒计时显示格式：已选择"),
                     QStringLiteral("√ 13 个环节的限时都是 1 至 32767 秒的整数"),
                     systemSeparators(QStringLiteral("√ config\\ 文件夹：可以写入")),
                     QStringLiteral("√ 双方辩题和代表队：都已填写"),
                     QStringLiteral("√ 字体已安装：宋体、隶书"),
                 }));
    }

    void faultsComeFirstThenNotes()
    {
        CheckFacts facts = cleanFacts();
        facts.soundDevices = 0;
        facts.sounds = {{Alert::Warning, 2, WaveStatus::UnplayableFormat}, {Alert::TimeUp, -1, WaveStatus::Missing}};
        facts.format = CountdownFormat::None;
        facts.stages[0].limit = QStringLiteral("1:30");
        facts.stages[12].limit = QString();
        facts.configWritable = false;
        facts.details[1].text = QStringLiteral(" ");
        facts.faces[1].used = QStringLiteral("AR PL UKai CN");

        const QString text = findingsText(checkFindings(facts));
        QCOMPARE(text.split(QLatin1Char('\n')),
                 (QStringList{
                     QStringLiteral("× 声音输出设备：未找到，提示音无法播放"),
                     systemSeparators(QStringLiteral("× 剩余30秒时提示音：sound\\30Warn\\声音二.wav "
                                                     "声音格式无法播放（应为 8 位或 16 位 PCM，单声道或立体声）")),
                     QStringLiteral("× 时间到时提示音：未选择，到时不会发声"),
                     QStringLiteral("× 倒计时显示格式：未选择，单方计时屏幕不显示剩余时间"),
                     QStringLiteral("× 开篇陈词：限时“1:30”将按 1 秒计时"),
                     QStringLiteral("× 环节八：限时为空，将按 0 秒计时，一开始就时间到"),
                     systemSeparators(QStringLiteral("× config\\ 文件夹：无法写入，设置和成绩无法保存")),
                     QStringLiteral("! 反方代表队：未填写"),
                     QStringLiteral("! 字体“隶书”：未安装，以“AR PL UKai CN”代替"),
                     QStringLiteral("√ 其余 11 个环节的限时是 1 至 32767 秒的整数"),
                     QStringLiteral("√ 字体已安装：宋体"),
                 }));
    }

    void configFolderIsTriedAndLeftAsItWas()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkdir(QStringLiteral("config")));
        QVERIFY(writeBytes(root.filePath(QStringLiteral("config/TimeSet.ini")), "90\r\n"));

        QVERIFY(folderWritable(root.filePath(QStringLiteral("config"))));
        QCOMPARE(QDir(root.filePath(QStringLiteral("config")))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("TimeSet.ini")});
        QVERIFY(!folderWritable(root.filePath(QStringLiteral("无此文件夹"))));
        QVERIFY(!folderWritable(root.filePath(QStringLiteral("config/TimeSet.ini"))));
    }

    void designFacesByEitherName_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("used");
        QTest::addColumn<bool>("same");
        QTest::newRow("chinese name") << "宋体"
                                      << "宋体" << true;
        QTest::newRow("latin name") << "宋体"
                                    << "SimSun" << true;
        QTest::newRow("latin name in any case") << "楷体_GB2312"
                                                << "kaiti_gb2312" << true;
        QTest::newRow("wei") << "华文新魏"
                             << "STXinwei" << true;
        QTest::newRow("substitute") << "隶书"
                                    << "AR PL UKai CN" << false;
        QTest::newRow("another design face") << "华文行楷"
                                             << "STXinwei" << false;
        QTest::newRow("unknown design, empty face") << "黑体"
                                                    << "" << false;
    }

    void designFacesByEitherName()
    {
        QFETCH(QString, design);
        QFETCH(QString, used);
        QFETCH(bool, same);
        QCOMPARE(isDesignFace(design, used), same);
    }
};

QTEST_APPLESS_MAIN(TestPreContestCheck)
#include "test_pre_contest_check.moc"
