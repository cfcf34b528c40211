#pragma once

#include "settings/app_paths.h"
#include "shell/screen_registry.h"

#include <QObject>

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

    // Shows the start-up screen; everything else follows from it.
    void start();

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
    QString m_helpFile;
    bool m_exiting = false;
};

// Gives the five font names of the designs installed fallbacks, so the look holds where they are missing.
void installFontSubstitutes();

// The process-wide settings of the program's Qt application: names, style, fonts, and no quitting on the last
// window closed (the program ends when the main menu says so).
void setUpQtApplication();

} // namespace Dovrel
