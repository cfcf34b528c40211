#include "support/test_app.h"

#include "core/text_encoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

namespace Dovrel::Testing {

TestApp::TestApp(Config config)
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

QByteArray gbBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encodeAnsi(line) + "\r\n";
    return bytes;
}

void TestApp::writeConfig(const QString &fileName, const QStringList &lines)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QFile file(configPath(fileName));
    if (file.open(QIODevice::WriteOnly))
        file.write(gbBytes(lines));
}

QByteArray TestApp::readConfigBytes(const QString &fileName) const
{
    QFile file(configPath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestApp::writeSoundSet(const QString &format)
{
    writeConfig(QStringLiteral("SoundSet.ini"),
                {QStringLiteral("默认声音"), QStringLiteral("声音一"), QStringLiteral("显示"), format});
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
