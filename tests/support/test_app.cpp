#include "support/test_app.h"

#include "core/text_encoding.h"
#include "support/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

namespace Dovrel::Testing {

TestApp::TestApp(Config config)
    // Every test runs the program from a folder whose name holds Chinese characters and a blank, as a timekeeper's
    // "D:\比赛 计时\Dovrel" does.
    : m_dir(QDir::tempPath() + QStringLiteral("/比赛 计时-XXXXXX"))
{
    QDir root(m_dir.path());
    if (config == Config::Empty)
        root.mkpath(QStringLiteral("config"));
    root.mkpath(QStringLiteral("sound/30Warn"));
    root.mkpath(QStringLiteral("sound/TimeOut"));
    root.mkpath(QStringLiteral("background"));
    m_app = std::make_unique<Program>(m_dir.path(), m_platform);
}

TestApp::~TestApp()
{
    m_app.reset();
    flushDeletes();
}

Application &TestApp::app()
{
    return *m_app;
}

ScriptedPlatform &TestApp::platform()
{
    return m_platform;
}

QString TestApp::dir() const
{
    return m_dir.path();
}

QString TestApp::configPath(const QString &fileName) const
{
    return m_dir.path() + QStringLiteral("/config/") + fileName;
}

QString TestApp::backgroundPath(const QString &fileName) const
{
    return m_dir.path() + QStringLiteral("/background/") + fileName;
}

QByteArray gbBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encodeAnsi(line) + "\r\n";
    return bytes;
}

QStringList numberedLines(const QString &pattern, int count, const QMap<int, QString> &except)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines.append(except.contains(n) ? except.value(n) : pattern.arg(n));
    return lines;
}

QStringList contestDetails()
{
    return numberedLines(QStringLiteral("项%1"), 23,
                         {{1, QStringLiteral("第二届“明理杯”大学生辩论邀请赛")},
                          {5, QStringLiteral("红队")},
                          {6, QStringLiteral("蓝队")},
                          {23, QString()}});
}

void TestApp::writeConfig(const QString &fileName, const QStringList &lines)
{
    writeConfigBytes(fileName, gbBytes(lines));
}

bool TestApp::writeConfigBytes(const QString &fileName, const QByteArray &bytes)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    return writeBytes(configPath(fileName), bytes);
}

QByteArray TestApp::readConfigBytes(const QString &fileName) const
{
    return readBytes(configPath(fileName));
}

void TestApp::writeSoundSet(const QString &format)
{
    writeConfig(SoundSet, {QStringLiteral("默认声音"), QStringLiteral("声音一"), QStringLiteral("显示"), format});
}

void tick(QTimer *timer, int times)
{
    for (int i = 0; i < times; ++i)
        QMetaObject::invokeMethod(timer, "timeout");
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace Dovrel::Testing
