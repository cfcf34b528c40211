// The whole program with its phones' viewer server on, for a browser to watch (tests/viewer_browser.py):
// viewer_child [AFFIRMATIVE_TEAM], in a fresh copy of the default data, the affirmative team named as given or else
// like markup. It prints "ready PORT", then answers each line on standard input with one line while its event loop
// runs: "single LIMIT" (the single-side clock from the main menu, set to LIMIT), "side a|n", "start" (the first
// step's deadline), "dual", "turn a|n" (the side's next deadline), "pause", "close", "label" (the clock's text, the
// dual clock's sides joined by "|"), "overtime on|off", "server off|on", "now" (the program's monotonic clock, ms),
// "quit".
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "core/app_paths.h"
#include "core/settings_files.h"
#include "menu/main_menu.h"
#include "menu/program.h"
#include "shell/qt_process.h"
#include "unattended.h"
#include "viewers/viewer_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QSettings>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

#include <unistd.h>

using namespace Dovrel;

namespace {

void click(QWidget *screen, const char *button)
{
    if (auto *found = screen->findChild<QAbstractButton *>(QLatin1String(button)))
        found->click();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication qtApp(argc, argv);
    setUpQtApplication();
    QTemporaryDir dir;
    Unattended::layOutStockFolders(dir.path());
    const AppPaths paths(dir.path());
    QStringList details = readTextSettings(paths, SettingsFiles::NumSet, SettingsFiles::NumSetLines);
    details[int(ContestDetail::AffirmativeTeam)] =
        QApplication::arguments().value(1, QStringLiteral("<img src=x onerror=alert(1)>"));
    writeTextSettings(paths, SettingsFiles::NumSet, details);
    QSettings(paths.configFile(QStringLiteral("Dovrel.ini")), QSettings::IniFormat)
        .setValue(QStringLiteral("viewers/port"), Unattended::freePort());

    Unattended::Platform platform;
    Program app(dir.path(), platform);
    ScreenRegistry &screens = app.screens();
    MainMenu *menu = screens.screen<MainMenu>();
    menu->show();
    ViewerService &viewers = viewerService(app);
    if (!viewers.setEnabled(true)) {
        std::printf("error %s\n", qPrintable(viewers.error()));
        return 1;
    }

    const auto deadline = [&] {
        const auto &sides = app.hallState().view().sides;
        return QString::number(sides[0].running ? sides[0].nextStepMs : sides[1].nextStepMs);
    };
    const auto obey = [&](const QString &command, const QString &argument) -> QString {
        auto *single = static_cast<SingleSideClock *>(screens.loaded(QLatin1String(SingleSideClock::ScreenName)));
        auto *dual = static_cast<DualClock *>(screens.loaded(QLatin1String(DualClock::ScreenName)));
        ClockScreen *clock = single ? static_cast<ClockScreen *>(single) : dual;
        const bool on = argument == QLatin1String("on") || argument == QLatin1String("a");
        const auto label = [clock](const char *name) {
            return clock->findChild<QLabel *>(QLatin1String(name))->text();
        };
        if (command == QLatin1String("single")) {
            menu->startStage(QStringLiteral("Command37"));
            app.contest().handOverLimit(argument);
            // "清零" reads the handed-over limit afresh.
            click(screens.loaded(QLatin1String(SingleSideClock::ScreenName)), "Command4");
        } else if (command == QLatin1String("side") && single) {
            click(single, on ? "Command1" : "Command2");
        } else if (command == QLatin1String("start") && single) {
            click(single, "Command3");
            return deadline();
        } else if (command == QLatin1String("dual")) {
            menu->startStage(QStringLiteral("Command40"));
        } else if (command == QLatin1String("turn") && dual) {
            QKeyEvent key(QEvent::KeyPress, on ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
            QCoreApplication::sendEvent(dual, &key);
            return deadline();
        } else if (command == QLatin1String("pause") && clock) {
            clock->spaceBar();
        } else if (command == QLatin1String("close") && clock) {
            clock->close();
        } else if (command == QLatin1String("label") && clock) {
            return dual ? label("Label4") + QLatin1Char('|') + label("Label5") : label("Label2");
        } else if (command == QLatin1String("overtime")) {
            app.setOvertimeRule({.countUp = on, .bellSeconds = 15});
        } else if (command == QLatin1String("server")) {
            if (!viewers.setEnabled(on))
                return QStringLiteral("error ") + viewers.error();
        } else if (command == QLatin1String("now")) {
            return QString::number(platform.monotonicMs());
        } else {
            return QStringLiteral("unknown");
        }
        return QStringLiteral("ok");
    };

    QSocketNotifier input(0, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &qtApp, [&] {
        // Read as it comes, never waiting: the clocks run on the same loop.
        char bytes[4096];
        const ssize_t read = ::read(0, bytes, sizeof bytes);
        if (read <= 0)
            return qtApp.quit();
        pending.append(bytes, qsizetype(read));
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QStringList words = QString::fromUtf8(pending.left(end)).split(QLatin1Char(' '));
            pending.remove(0, end + 1);
            if (words[0] == QLatin1String("quit"))
                return qtApp.quit();
            std::printf("%s\n", obey(words[0], words.value(1)).toUtf8().constData());
            std::fflush(stdout);
        }
    });
    std::printf("ready %d\n", int(viewers.port()));
    std::fflush(stdout);
    return qtApp.exec();
}
