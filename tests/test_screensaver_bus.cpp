// The real platform's screensaver hold, against a stand-in desktop service on a private session bus.
#include "platform/qt_platform.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Dovrel;

namespace {

constexpr uint Cookie = 4711;

// Records the calls it gets, on a thread of its own, so that a caller that waits for an answer on the main thread
// is still answered.
class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

public slots:
    uint Inhibit(const QString &application, const QString &reason)
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append(QStringLiteral("Inhibit ") + application +
                       (reason.isEmpty() ? QString() : QStringLiteral(" +")));
        return Cookie;
    }
    void UnInhibit(uint cookie)
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append(QStringLiteral("UnInhibit %1").arg(cookie));
    }

private:
    mutable QMutex m_mutex;
    QStringList m_calls;
};

const QString Service = QStringLiteral("org.freedesktop.ScreenSaver");

} // namespace

class TestScreenSaverBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("No dbus-daemon to run a session bus with.");
        // A bus of our own, with no service files, so that nothing is started in the stand-in's place.
        QVERIFY(m_dir.isValid());
        const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                   " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                   "<busconfig><type>session</type><listen>unix:dir=" +
                   QFile::encodeName(m_dir.path()) +
                   "</listen><auth>EXTERNAL</auth>"
                   "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                   "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                   "</busconfig>\n");
        file.close();
        m_daemon.start(daemon, {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                                QStringLiteral("--print-address=1")});
        QVERIFY(m_daemon.waitForStarted());
        QVERIFY(m_daemon.waitForReadyRead(10000));
        m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLocal8Bit());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void cleanupTestCase()
    {
        stopService();
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            m_daemon.waitForFinished();
        }
    }

    void noServiceSaysNothing()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QtPlatform platform;
        platform.keepDisplayAwake(true);
        platform.keepDisplayAwake(false);
        platform.keepDisplayAwake(true);
        // The platform goes once the bus has refused: nothing was held, nothing is left to release.
    }

    void holdsOnceAndReleasesWithItsCookie()
    {
        startService();
        QtPlatform platform;
        platform.keepDisplayAwake(true);
        QTRY_COMPARE(m_fake->calls(), QStringList{QStringLiteral("Inhibit Dovrel +")});
        platform.keepDisplayAwake(true);
        platform.keepDisplayAwake(false);
        QTRY_COMPARE(m_fake->calls().size(), 2);
        QCOMPARE(m_fake->calls().at(1), QStringLiteral("UnInhibit %1").arg(Cookie));
        platform.keepDisplayAwake(false);
        platform.keepDisplayAwake(true);
        QTRY_COMPARE(m_fake->calls().size(), 3);
        QCOMPARE(m_fake->calls().at(2), QStringLiteral("Inhibit Dovrel +"));
    }

    void releaseBeforeTheAnswerStillReleases()
    {
        startService();
        QtPlatform platform;
        platform.keepDisplayAwake(true);
        platform.keepDisplayAwake(false);
        QTRY_COMPARE(m_fake->calls(),
                     (QStringList{QStringLiteral("Inhibit Dovrel +"), QStringLiteral("UnInhibit %1").arg(Cookie)}));
    }

    void endOfTheProgramReleases_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::newRow("hold answered") << true;
        QTest::newRow("hold on its way") << false;
    }

    void endOfTheProgramReleases()
    {
        QFETCH(bool, answered);
        startService();
        {
            QtPlatform platform;
            platform.keepDisplayAwake(true);
            if (answered)
                QTRY_COMPARE(m_fake->calls().size(), 1);
        }
        // Sent and answered before the platform went.
        QCOMPARE(m_fake->calls(),
                 (QStringList{QStringLiteral("Inhibit Dovrel +"), QStringLiteral("UnInhibit %1").arg(Cookie)}));
    }

    void cleanup()
    {
        stopService();
    }

private:
    void startService()
    {
        m_fake = new FakeScreenSaver;
        m_thread.start();
        m_fake->moveToThread(&m_thread);
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, QStringLiteral("fake-screensaver"));
        QVERIFY(bus.isConnected());
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), m_fake,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(Service));
    }

    void stopService()
    {
        if (!m_fake)
            return;
        QDBusConnection bus(QStringLiteral("fake-screensaver"));
        bus.unregisterService(Service);
        bus.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-screensaver"));
        m_thread.quit();
        m_thread.wait();
        delete m_fake;
        m_fake = nullptr;
    }

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QThread m_thread;
    FakeScreenSaver *m_fake = nullptr;
};

QTEST_GUILESS_MAIN(TestScreenSaverBus)
#include "test_screensaver_bus.moc"
