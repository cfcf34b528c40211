#include "menu/start_up.h"

#include "menu/main_menu.h"
#include "menu/splash_screen.h"
#include "settings/line_file.h"
#include "shell/application.h"

namespace Dovrel {

void installMainMenu(Application &app)
{
    app.setMainMenu([&app] { return app.screens().screen<Form4>(); });
}

void startProgram(Application &app)
{
    // Complete copies that a save cut off at its very end left beside the settings files.
    clearInterruptedSaves(app.paths().dataPath(QStringLiteral("config")));
    installMainMenu(app);
    app.screens().screen<Form1>()->show();
}

} // namespace Dovrel
