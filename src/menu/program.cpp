#include "menu/program.h"

#include "core/line_file.h"
#include "menu/main_menu.h"
#include "menu/splash_screen.h"

namespace Dovrel {

Program::Program(const QString &applicationDirectory, Platform &platform) : Application(applicationDirectory, platform)
{
}

void Program::startUp()
{
    // Complete copies that a save cut off at its very end left beside the settings files.
    clearInterruptedSaves(paths().dataPath(QStringLiteral("config")));
    screens().screen<SplashScreen>()->show();
}

Screen *Program::loadMainMenu()
{
    return screens().screen<MainMenu>();
}

} // namespace Dovrel
