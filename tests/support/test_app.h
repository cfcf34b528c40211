#pragma once

#include "core/settings_files.h"
#include "menu/program.h"
#include "support/scripted_platform.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QTimer;

namespace Dovrel::Testing {

// The settings files by the names the program gives them in its config folder (NumSet, TimeSet, …).
using namespace SettingsFiles;

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
    // Writes a settings file byte for byte, such as an installed one or one the program never writes; whether it was
    // written whole.
    bool writeConfigBytes(const QString &fileName, const QByteArray &bytes);
    QByteArray readConfigBytes(const QString &fileName) const;

    QString backgroundPath(const QString &fileName) const;

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

QByteArray gbBytes(const QStringList &lines);

// Lines that tell apart which line a value came from: `pattern` with the numbers 1 to `count`, but for the lines given
// by their number.
QStringList numberedLines(const QString &pattern, int count, const QMap<int, QString> &except = {});

// A contest as its details page holds it: "项1" … "项22" with the contest's name, the teams 红队 and 蓝队, and no
// ninth judge.
QStringList contestDetails();

} // namespace Dovrel::Testing
