#pragma once

#include "menu/program.h"
#include "support/scripted_platform.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

class QTimer;

namespace Dovrel::Testing {

// A fresh application directory (config/, sound/30Warn, sound/TimeOut, background/) with a program started in
// it on a scripted platform.
class TestApp
{
public:
    enum class Config { Empty, Missing };
    explicit TestApp(Config config = Config::Empty);
    ~TestApp();

    Application &app();
    ScriptedPlatform &platform();
    QString dir() const;
    QString configPath(const QString &fileName) const;

    // Writes a settings file the way the program does: GB18030, CR LF after every line.
    void writeConfig(const QString &fileName, const QStringList &lines);
    QByteArray readConfigBytes(const QString &fileName) const;

    // Settings files for a usual contest: sounds chosen, time shown, the given countdown format.
    void writeSoundSet(const QString &format = QStringLiteral("秒"));

    template <class T> T *screen()
    {
        return app().screens().screen<T>();
    }

private:
    QTemporaryDir m_dir;
    ScriptedPlatform m_platform;
    std::unique_ptr<Application> m_app;
};

// Runs one timeout of a timer as its tick would.
void tick(QTimer *timer, int times = 1);

// Lets windows scheduled for deletion go.
void flushDeletes();

template <class T = QObject> T *child(QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

QByteArray gbBytes(const QStringList &lines);

} // namespace Dovrel::Testing
