#include "core/app_paths.h"
#include "core/line_file.h"
#include "core/settings_files.h"
#include "core/speaking_record.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>

using namespace Dovrel;
using namespace Dovrel::Testing;

class TestCrashSafeSave : public QObject
{
    Q_OBJECT

private:
    // In memory where the system has such a folder: a kill, unlike a power cut, does not depend on the disk, and
    // without waiting for the disk the hundreds of kills take a few seconds.
    QTemporaryDir m_dir{QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                            ? QStringLiteral("/dev/shm/dovrel-crash-safe-XXXXXX")
                            : QDir::tempPath() + QStringLiteral("/dovrel-crash-safe-XXXXXX")};

    QString configDir() const
    {
        return m_dir.path() + QStringLiteral("/config");
    }
    QString configFile(const QString &name) const
    {
        return configDir() + QLatin1Char('/') + name;
    }
    QStringList entries() const
    {
        QStringList names = QDir(configDir()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }
    // A stages file whose lines are `width` characters of Chinese text, so a save takes measurable time.
    static QStringList stagesText(int width, QChar filler)
    {
        QStringList lines;
        for (int i = 0; i < SettingsFiles::TimeSetLines; ++i)
            lines.append(QString::number(i) + QStringLiteral("开篇陈词") + QString(width, filler));
        return lines;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(configDir()));
    }

    void aKilledSaveLeavesTheOldOrTheNewFile()
    {
        // Two contents of different sizes, so that any mix of the two or a cut-off copy is told apart.
        QVERIFY(QDir().mkpath(m_dir.path() + QStringLiteral("/sources")));
        const QString first = m_dir.path() + QStringLiteral("/sources/first.ini");
        const QString second = m_dir.path() + QStringLiteral("/sources/second.ini");
        QVERIFY(writeLineFile(first, stagesText(5'000, QChar(0x8FA9))).ok);
        QVERIFY(writeLineFile(second, stagesText(4'000, QChar(0x8BBA))).ok);
        const QByteArray firstBytes = readBytes(first);
        const QByteArray secondBytes = readBytes(second);
        QVERIFY(firstBytes.size() > 200'000 && secondBytes.size() > 160'000);

        const QString target = configFile(SettingsFiles::TimeSet);
        QVERIFY(writeLineFile(target, readLineFile(first, SettingsFiles::TimeSetLines).lines).ok);
        QCOMPARE(readBytes(target), firstBytes);

        QRandomGenerator random(20'240'601);
        int firstSeen = 0;
        int secondSeen = 0;
        int leftovers = 0;
        constexpr int Kills = 200;
        for (int kill = 0; kill < Kills; ++kill) {
            // The child's first save writes the first content again; the kill falls anywhere within the two saves
            // after it (the second content, then the first), timed by how long the first one took.
            // A child may be slow to start on a busy machine (and under Wine), hence the generous waits.
            QProcess child;
            child.start(QStringLiteral(DOVREL_SAVE_CHILD), {target, first, second});
            while (!child.canReadLine())
                QVERIFY2(child.waitForReadyRead(30'000), child.readAllStandardError().constData());
            const qint64 firstSaveUs = child.readLine().trimmed().toLongLong();
            QVERIFY(firstSaveUs > 0);
            QThread::usleep(random.bounded(quint32(std::min<qint64>(firstSaveUs * 2, 100'000))));
            child.kill();
            QVERIFY(child.waitForFinished(10'000));
            QVERIFY2(child.exitStatus() == QProcess::CrashExit, child.readAllStandardError().constData());

            const QByteArray now = readBytes(target);
            if (now == firstBytes)
                ++firstSeen;
            else if (now == secondBytes)
                ++secondSeen;
            else
                QFAIL(qPrintable(QStringLiteral("after kill %1 the file holds %2 bytes of neither content")
                                     .arg(kill)
                                     .arg(now.size())));
            leftovers += int(entries().size()) - 1;
        }
        qInfo("%d kills: %d left the first content, %d the second; %d leftover copies seen", Kills, firstSeen,
              secondSeen, leftovers);
        QVERIFY(firstSeen > 0 && secondSeen > 0);

        // Whatever copies the kills left, the next save clears them.
        QVERIFY(writeLineFile(target, readLineFile(second, SettingsFiles::TimeSetLines).lines).ok);
        QCOMPARE(entries(), QStringList{SettingsFiles::TimeSet});
        QCOMPARE(readBytes(target), secondBytes);
    }

    void aKilledRecordKeepsEveryRowWhole()
    {
        const QString folder = m_dir.path() + QStringLiteral("/records");
        const QString file = SpeakingRecord(folder).fileOf(QDate(2026, 12, 8));
        QRandomGenerator random(20'261'208);
        qsizetype rows = 0;
        for (int kill = 0; kill < 60; ++kill) {
            QProcess child;
            child.start(QStringLiteral(DOVREL_RECORD_CHILD), {folder});
            while (!child.canReadLine())
                QVERIFY2(child.waitForReadyRead(30'000), child.readAllStandardError().constData());
            QThread::usleep(random.bounded(20'000u));
            child.kill();
            QVERIFY(child.waitForFinished(10'000));
            // Every row whole, in the order written, none lost once written: the file holds one more run of rows.
            const QByteArray bytes = readBytes(file);
            QVERIFY(bytes.endsWith("\r\n"));
            const QList<SpeakingRow> read = parseRecord(bytes);
            QCOMPARE(bytes.count("\r\n"), read.size() + 1);
            QVERIFY(read.size() > rows);
            for (qsizetype n = rows; n < read.size(); ++n)
                QCOMPARE(read.at(n).stage, QStringLiteral("第%1轮, \"自由辩论\"").arg(n - rows));
            rows = read.size();
        }
    }

    void onlyTheSavedFilesOwnLeftoversAreCleared()
    {
        const QStringList leftovers = {QStringLiteral("TimeSet.ini.AbC123"), QStringLiteral("TimeSet.ini.zz9ZZ0")};
        const QStringList others = {
            QStringLiteral("TimeSet.ini.bak"),     QStringLiteral("TimeSet.ini.AbC12"),
            QStringLiteral("TimeSet.ini.AbC1234"), QStringLiteral("TimeSet.ini.AbC12_"),
            QStringLiteral("TimeSet.ini.AbC12é"),  QStringLiteral("TimeSet.ini.AbC123.bak"),
            QStringLiteral("timeset.ini.AbC123"),  QStringLiteral("XTimeSet.ini.AbC123"),
            QStringLiteral("TimeSet.inixAbC123"),  QStringLiteral("NumSet.ini.Xy9876"),
            QStringLiteral("Notes.txt.AbC123"),
        };
        for (const QString &name : leftovers + others)
            QVERIFY(writeBytes(configFile(name), "copy\r\n"));
        // A folder or a link of that form is no save's copy either, and a link's target is never reached.
        QVERIFY(QDir().mkpath(configFile(QStringLiteral("TimeSet.ini.Dir123"))));
        const QString outside = m_dir.path() + QStringLiteral("/outside.ini");
        QVERIFY(writeBytes(outside, "keep\r\n"));
        QVERIFY(QFile::link(outside, configFile(QStringLiteral("TimeSet.ini.Lnk123"))));

        AppPaths paths(m_dir.path());
        QVERIFY(writeTextSettings(paths, SettingsFiles::TimeSet, {QStringLiteral("开篇陈词")}).ok);
#if defined(Q_OS_WIN)
        // Names that differ only in case are one file here, so "timeset.ini.AbC123" was the save's own copy; and a
        // link is a shortcut file, a copy of that form like any other, which goes without its target being reached.
        QStringList expected =
            others + QStringList{QStringLiteral("TimeSet.ini"), QStringLiteral("TimeSet.ini.Dir123")};
        expected.removeOne(QStringLiteral("timeset.ini.AbC123"));
#else
        QStringList expected = others + QStringList{QStringLiteral("TimeSet.ini"), QStringLiteral("TimeSet.ini.Dir123"),
                                                    QStringLiteral("TimeSet.ini.Lnk123")};
#endif
        expected.sort();
        QCOMPARE(entries(), expected);
        QCOMPARE(readBytes(outside), QByteArray("keep\r\n"));
    }

    void startUpClearsTheLeftoversOfEverySettingsFile()
    {
        const QStringList files = {SettingsFiles::NumSet,  SettingsFiles::TimeSet,  SettingsFiles::SoundSet,
                                   SettingsFiles::NameSet, SettingsFiles::ViwerSet, SettingsFiles::Score};
        for (const QString &file : files) {
            QVERIFY(writeBytes(configFile(file), "1\r\n"));
            QVERIFY(writeBytes(configFile(file + QStringLiteral(".q1W2e3")), "1\r\n"));
            QVERIFY(writeBytes(configFile(file + QStringLiteral(".tmp")), "1\r\n"));
        }
        QVERIFY(writeBytes(configFile(QStringLiteral("Report.txt.q1W2e3")), "1\r\n"));
        QCOMPARE(clearInterruptedSaves(configDir()), files.size());
        QStringList expected = files;
        for (const QString &file : files)
            expected.append(file + QStringLiteral(".tmp"));
        expected.append(QStringLiteral("Report.txt.q1W2e3"));
        expected.sort();
        QCOMPARE(entries(), expected);
        QCOMPARE(clearInterruptedSaves(configDir()), 0);
        QCOMPARE(clearInterruptedSaves(m_dir.path() + QStringLiteral("/missing")), 0);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafeSave)
#include "test_crash_safe_save.moc"
