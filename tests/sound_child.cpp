// The program's sound output, driven a line at a time from standard input while its event loop runs, as in the
// program: "devices" prints the number of output devices, "opens" whether the output opens (1 or 0), "play PATH"
// what became of the sound (playing, missing, failed), "quit" ends it.
#include "platform/qt_platform.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

using namespace Dovrel;

namespace {

QString soundStartText(SoundStart start)
{
    switch (start) {
    case SoundStart::Playing:
        return QStringLiteral("playing");
    case SoundStart::FileMissing:
        return QStringLiteral("missing");
    case SoundStart::Failed:
        break;
    }
    return QStringLiteral("failed");
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QtPlatform platform;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        std::string line;
        if (!std::getline(std::cin, line) || line == "quit") {
            app.quit();
            return;
        }
        const QString command = QString::fromStdString(line);
        QString answer;
        if (command == QLatin1String("devices"))
            answer = QString::number(platform.soundDeviceCount());
        else if (command == QLatin1String("opens"))
            answer = platform.soundOutputOpens() ? QStringLiteral("1") : QStringLiteral("0");
        else if (command.startsWith(QLatin1String("play ")))
            answer = soundStartText(platform.playSound(command.mid(5)));
        std::printf("%s\n", qPrintable(answer));
        std::fflush(stdout);
    });
    return app.exec();
}
