#include "menu/program.h"

#include "core/line_file.h"
#include "menu/main_menu.h"
#include "menu/splash_screen.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "viewers/viewer_service.h"

namespace Dovrel {

Program::Program(const QString &applicationDirectory, Platform &platform) : Application(applicationDirectory, platform)
{
    // A value of a settings page's file asked for while the page is not loaded loads the page unseen, as reading
    // one of its boxes would.
    contest().setPageLoader(PageFile::Details, [this] { screens().screen<ContestDetailsPage>(); });
    contest().setPageLoader(PageFile::Stages, [this] { screens().screen<StagesPage>(); });
    contest().setPageLoader(PageFile::Alerts, [this] { screens().screen<SoundPage>(); });
}

void Program::startUp()
{
    // Complete copies that a save cut off at its very end left beside the settings files.
    clearInterruptedSaves(paths().dataPath(QStringLiteral("config")));
    screens().screen<SplashScreen>()->show();
    startViewersIfChosen(*this);
}

Screen *Program::loadMainMenu()
{
    return screens().screen<MainMenu>();
}

} // namespace Dovrel
