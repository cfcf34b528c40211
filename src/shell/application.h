#pragma once

#include "settings/app_paths.h"
#include "shell/screen_registry.h"

#include <QObject>

#include <functional>

namespace Dovrel {

class Platform;

// Base size of the proportional layout, held once per program run and overwritten by every recording screen.
struct LayoutBase
{
    int scaleWidth = 0;
    int scaleHeight = 0;
};

// The program: its directory, its platform and its screens. Several can live in one process (tests build one per
// case, each with its own directory and platform).
class Application : public QObject
{
    Q_OBJECT

public:
    Application(const QString &applicationDirectory, Platform &platform);
    ~Application() override;

    const AppPaths &paths() const;
    Platform &platform() const;
    ScreenRegistry &screens();
    LayoutBase &layoutBase();

    // The hub every closed screen returns to. The framework knows it only as a screen: the menu above the
    // screens tells the application how to load it.
    void setMainMenu(std::function<Screen *()> loader);
    // The main menu, loaded unseen when it is not loaded; null until one is set.
    Screen *mainMenu();

    // The help file F1 opens, registered by the main menu.
    void setHelpFile(const QString &helpFile);
    void showHelp();

    // Ends the program at once: every window goes, and exitRequested tells the event loop to stop.
    void exitProgram();
    bool exiting() const;

signals:
    void exitRequested();

private:
    AppPaths m_paths;
    Platform &m_platform;
    ScreenRegistry m_screens;
    LayoutBase m_layoutBase;
    std::function<Screen *()> m_mainMenu;
    QString m_helpFile;
    bool m_exiting = false;
};

// Gives the five font names of the designs installed fallbacks, so the look holds where they are missing.
void installFontSubstitutes();

// The process-wide settings of the program's Qt application: names, style, fonts, and no quitting on the last
// window closed (the program ends when the main menu says so).
void setUpQtApplication();

} // namespace Dovrel
