#include "platform/execution_state_hold.h"
#include "platform/winmm_sound_output.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <utility>
#include <vector>

using namespace Dovrel;

namespace {

// What reached the stand-ins of the system calls.
struct Calls
{
    unsigned devices = 0;
    bool opens = true;
    int played = 1;
    // The wave files played from memory, in order; an empty one for each stop.
    std::vector<QByteArray> waves;
    std::vector<unsigned> soundFlags;
    std::vector<unsigned long> stateFlags;
};
Calls recorded;

WinmmCalls recordingWinmm()
{
    WinmmCalls calls;
    calls.waveOutGetNumDevs = [] { return recorded.devices; };
    calls.waveOutOpens = [] { return recorded.opens; };
    calls.sndPlaySoundW = [](const wchar_t *sound, unsigned flags) {
        recorded.soundFlags.push_back(flags);
        if (!sound) {
            recorded.waves.emplace_back();
            return 1;
        }
        // A RIFF file: its length is in its header.
        const char *bytes = reinterpret_cast<const char *>(sound);
        recorded.waves.emplace_back(bytes, qFromLittleEndian<quint32>(bytes + 4) + 8);
        return recorded.played;
    };
    return calls;
}

QByteArray waveFile(int samples)
{
    QByteArray data(samples * 2, '\x10');
    QByteArray wave = "RIFF" + QByteArray(4, 0) + "WAVEfmt " + QByteArray::fromHex("10000000010001002256000044ac0000") +
                      QByteArray::fromHex("02001000") + "data" + QByteArray(4, 0) + data;
    qToLittleEndian<quint32>(quint32(wave.size() - 8), wave.data() + 4);
    qToLittleEndian<quint32>(quint32(data.size()), wave.data() + 40);
    return wave;
}

unsigned long recordingExecutionState(unsigned long flags)
{
    recorded.stateFlags.push_back(flags);
    return 0x80000000UL;
}

} // namespace

class TestWindowsPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        recorded = Calls();
    }

    void soundsArePlayedFromMemoryWhateverTheFolderIsCalled()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("比赛 计时/sound")));
        const QString warning = dir.filePath(QStringLiteral("比赛 计时/sound/默认声音.wav"));
        const QString timeUp = dir.filePath(QStringLiteral("比赛 计时/sound/声音一.wav"));
        for (const auto &[path, samples] : {std::pair{warning, 100}, std::pair{timeUp, 300}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(waveFile(samples)) > 0);
        }
        {
            WinmmSoundOutput sound(recordingWinmm());
            recorded.devices = 2;
            QCOMPARE(sound.deviceCount(), 2);
            QVERIFY(sound.outputOpens());
            recorded.opens = false;
            QVERIFY(!sound.outputOpens());

            QCOMPARE(sound.play(warning), SoundStart::Playing);
            QCOMPARE(sound.play(timeUp), SoundStart::Playing);
            // A missing file stops what plays and is silence, not the system's ding.
            QCOMPARE(sound.play(dir.filePath(QStringLiteral("比赛 计时/sound/无声.wav"))), SoundStart::FileMissing);
            recorded.played = 0;
            QCOMPARE(sound.play(warning), SoundStart::Failed);
        }
        // SND_ASYNC | SND_NODEFAULT | SND_MEMORY for each sound, a stop for the missing one, after the refused one and
        // as the output goes.
        QCOMPARE(recorded.soundFlags, (std::vector<unsigned>{7, 7, 0, 7, 0, 0}));
        QCOMPARE(recorded.waves, (std::vector<QByteArray>{waveFile(100), waveFile(300), {}, waveFile(100), {}, {}}));
    }

    void theRealSoundCallsAnswer()
    {
        // Whatever the machine has: the calls reach winmm, and a missing file neither waits nor fails the program.
        WinmmSoundOutput sound;
        QVERIFY(sound.deviceCount() >= 0);
        QCOMPARE(sound.play(QStringLiteral("C:/no such folder/无声.wav")), SoundStart::FileMissing);
    }

    void theDisplayIsHeldThroughTheExecutionState()
    {
        {
            ExecutionStateHold hold(recordingExecutionState);
            hold.hold(true);
            hold.hold(true);
            hold.hold(false);
            hold.hold(false);
            hold.hold(true);
        }
        // Continuous, display and system required while held; continuous alone clears it, also when the program
        // ends while a clock is shown.
        const std::vector<unsigned long> expected = {0x80000003UL, 0x80000000UL, 0x80000003UL, 0x80000000UL};
        QCOMPARE(recorded.stateFlags, expected);
    }

    void theRealExecutionStateAnswers()
    {
        ExecutionStateHold hold;
        hold.hold(true);
        QVERIFY(systemExecutionStateCall()(ExecutionStateHeld) != 0);
        hold.hold(false);
    }
};

QTEST_GUILESS_MAIN(TestWindowsPlatform)
#include "test_windows_platform.moc"
