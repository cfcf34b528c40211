#include "menu/start_up.h"

#include "menu/main_menu.h"
#include "menu/splash_screen.h"
#include "settings/line_file.h"
#include "shell/application.h"

namespace Dovrel {

Screen *loadMainMenu(Application &app)
{
    return app.screens().screen<Form4>();
}

void startUp(Application &app)
{
    // Complete copies that a save cut off at its very end left beside the settings files.
    clearInterruptedSaves(app.paths().dataPath(QStringLiteral("config")));
    app.screens().screen<Form1>()->show();
}

} // namespace Dovrel
