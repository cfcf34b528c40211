#include "shell/application.h"

#include "platform/platform.h"

namespace Dovrel {

Application::Application(const QString &applicationDirectory, Platform &platform)
    : m_paths(applicationDirectory)
    , m_platform(platform)
    , m_screens(*this)
{
}

Application::~Application() = default;

const AppPaths &Application::paths() const
{
    return m_paths;
}

Platform &Application::platform() const
{
    return m_platform;
}

ScreenRegistry &Application::screens()
{
    return m_screens;
}

LayoutBase &Application::layoutBase()
{
    return m_layoutBase;
}

void Application::setMainMenu(std::function<Screen *()> loader)
{
    m_mainMenu = std::move(loader);
}

Screen *Application::mainMenu()
{
    return m_mainMenu ? m_mainMenu() : nullptr;
}

void Application::setHelpFile(const QString &helpFile)
{
    m_helpFile = helpFile;
}

void Application::showHelp()
{
    // A missing help file is the viewer's to report; the program goes on.
    if (!m_helpFile.isEmpty())
        m_platform.openHelp(m_helpFile);
}

void Application::exitProgram()
{
    if (m_exiting)
        return;
    m_exiting = true;
    m_screens.unloadAll();
    emit exitRequested();
}

bool Application::exiting() const
{
    return m_exiting;
}

} // namespace Dovrel
