// Started by dovrel_bench_startup: the program's own start-up path, run in the given application directory.
//   dovrel_bench_startup_app APP_DIR
// Prints "main" on entry, "shown" once the splash screen has drawn its first frame, then goes on to the main menu
// with the stages and sound pages loaded and prints "hwm <kB>", the peak resident set, before it ends.
#include "child_report.h"

#include "menu/main_menu.h"
#include "menu/program.h"
#include "menu/splash_screen.h"
#include "platform/qt_platform.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "shell/qt_process.h"

#include <QApplication>

#include <string>

int main(int argc, char *argv[])
{
    Dovrel::Bench::reportLine("main");
    QApplication qtApp(argc, argv);
    Dovrel::setUpQtApplication();

    const QStringList args = QApplication::arguments();
    const QString directory = args.size() > 1 ? args.at(1) : QApplication::applicationDirPath();
    Dovrel::QtPlatform platform;
    Dovrel::Program app(directory, platform);

    Dovrel::Bench::FirstPaint menuShown([](QWidget *window) { return qobject_cast<Dovrel::MainMenu *>(window); },
                                        [] {
                                            const std::string line =
                                                "hwm " + std::to_string(Dovrel::Bench::peakResidentKb());
                                            Dovrel::Bench::reportLine(line.c_str());
                                            QApplication::exit(0);
                                        });
    Dovrel::Bench::FirstPaint splashShown([](QWidget *window) { return qobject_cast<Dovrel::SplashScreen *>(window); },
                                          [&] {
                                              Dovrel::Bench::reportLine("shown");
                                              // What the end of the splash fade does, without waiting for a click.
                                              Dovrel::ScreenRegistry &screens = app.screens();
                                              qtApp.installEventFilter(&menuShown);
                                              screens.screen<Dovrel::MainMenu>()->show();
                                              screens.unload(screens.screen<Dovrel::SplashScreen>());
                                              screens.screen<Dovrel::StagesPage>();
                                              screens.screen<Dovrel::SoundPage>();
                                          });
    qtApp.installEventFilter(&splashShown);

    app.start();
    return QApplication::exec();
}
