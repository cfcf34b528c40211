#include "platform/execution_state_hold.h"
#include "platform/winmm_sound_output.h"

#include <QTest>

#include <string>
#include <vector>

using namespace Dovrel;

namespace {

// What reached the stand-ins of the system calls.
struct Calls
{
    unsigned devices = 0;
    std::vector<std::wstring> names;
    std::vector<unsigned> soundFlags;
    std::vector<unsigned long> stateFlags;
};
Calls recorded;

WinmmCalls recordingWinmm()
{
    WinmmCalls calls;
    calls.waveOutGetNumDevs = [] { return recorded.devices; };
    calls.sndPlaySoundW = [](const wchar_t *fileName, unsigned flags) {
        recorded.names.emplace_back(fileName);
        recorded.soundFlags.push_back(flags);
        return 1;
    };
    return calls;
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

    void soundsAreWaveFilesPlayedAsynchronouslyByWideName()
    {
        WinmmSoundOutput sound(recordingWinmm());
        recorded.devices = 0;
        QCOMPARE(sound.deviceCount(), 0);
        recorded.devices = 2;
        QCOMPARE(sound.deviceCount(), 2);

        sound.play(QStringLiteral("D:/比赛 计时/Dovrel/sound/30Warn/默认声音.wav"));
        sound.play(QStringLiteral("D:/比赛 计时/Dovrel/sound/TimeOut/声音一.wav"));
        QCOMPARE(recorded.names.size(), std::size_t(2));
        QVERIFY(recorded.names.at(0) == L"D:\\比赛 计时\\Dovrel\\sound\\30Warn\\默认声音.wav");
        QVERIFY(recorded.names.at(1) == L"D:\\比赛 计时\\Dovrel\\sound\\TimeOut\\声音一.wav");
        // SND_ASYNC | SND_NODEFAULT: never waits, and a missing file is silence, not the system's ding.
        QCOMPARE(recorded.soundFlags, (std::vector<unsigned>{3, 3}));
    }

    void theRealSoundCallsAnswer()
    {
        // Whatever the machine has: the calls reach winmm, and a missing file neither waits nor fails the program.
        WinmmSoundOutput sound;
        QVERIFY(sound.deviceCount() >= 0);
        sound.play(QStringLiteral("C:/no such folder/无声.wav"));
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
