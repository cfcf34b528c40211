#pragma once

#include "core/app_paths.h"
#include "core/contest.h"
#include "core/hall_state.h"
#include "core/program_settings.h"
#include "core/speaking_record.h"
#include "shell/screen_registry.h"

#include <QObject>
#include <QStringList>

class QScreen;

namespace Dovrel {

class Platform;

// Base size of the proportional layout, held once per program run and overwritten by every recording screen.
struct LayoutBase
{
    int scaleWidth = 0;
    int scaleHeight = 0;
};

// The framework's view of the program: its directory, its platform and its screens. Several can live in one process
// (tests build one per case, each with its own directory and platform). The start-up screen and the main menu come
// from the layer above the screens, which derives the whole program from this class (`Program`).
class Application : public QObject
{
    Q_OBJECT

public:
    Application(const QString &applicationDirectory, Platform &platform);
    ~Application() override;

    const AppPaths &paths() const;
    Platform &platform() const;
    // config/Dovrel.ini.
    ProgramSettings &programSettings();
    // The contest's values, which every screen reads and the settings pages edit.
    Contest &contest();
    // What the hall's clock shows now, as the clocks publish it.
    HallState &hallState();
    // The speaking-time record, records/ beside config/.
    SpeakingRecord &speakingRecord();
    ScreenRegistry &screens();
    LayoutBase &layoutBase();

    // Starts the program: the start-up screen is shown; everything else follows from it.
    void start();
    // The hub every closed screen returns to, loaded unseen when it is not loaded.
    Screen *mainMenu();
    // The main menu if it is loaded.
    Screen *loadedMainMenu() const;

    // The help file F1 opens in any window of the program, registered by the main menu. Where the system can
    // open neither it nor its web pages (helpPages()), a message says what to install.
    void setHelpFile(const QString &helpFile);
    QString helpFile() const;
    // index.html in the help/ folder beside the help file.
    QString helpPages() const;
    void showHelp(QWidget *from = nullptr);

    // Whether the screensaver is held off: from the showing of a clock or display screen until the main menu
    // comes back or the program ends.
    bool displayKeptAwake() const;
    // Whether the hall screens' text grows with their layout ([hall] scaleText), as read at start-up and changed
    // since by the timekeeper.
    bool hallTextScaled() const;
    void setHallTextScaled(bool on);
    // What the clocks do past their end ([overtime]), as read at start-up and changed since by the timekeeper.
    OvertimeRule overtimeRule() const;
    void setOvertimeRule(const OvertimeRule &rule);

    // The timekeeper's display: the one the main menu is on (the system's first while the menu is not loaded).
    // With a projector attached as a display of its own, the hall screens open maximised on the other one, and
    // move to the remaining display when theirs is unplugged.
    QScreen *timekeeperDisplay();
    // The display the hall screens open on: another than the timekeeper's where there is one.
    QScreen *hallDisplay();

    // Ends the program at once: every window goes, and exitRequested tells the event loop to stop.
    void exitProgram();
    bool exiting() const;

signals:
    void exitRequested();

protected:
    // The two ends of the program's life: the first screen shown, and the hub loaded unseen when asked for.
    virtual void startUp() = 0;
    virtual Screen *loadMainMenu() = 0;

    // F1 and the showing of screens, seen for every window of this program whichever widget has the focus.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Screen *ownScreen(QObject *object) const;
    // Where a screen goes as it shows, as it declares (Screen::Shown); `bySystem` for a show the window system
    // asked for, such as a restore.
    void place(Screen *screen, bool bySystem);
    void keepDisplayAwake(bool on);
    void placeOnHallDisplay(Screen *screen);
    void keepHallScreensOnADisplay();

    AppPaths m_paths;
    Platform &m_platform;
    ProgramSettings m_programSettings;
    bool m_hallTextScaled = false;
    OvertimeRule m_overtimeRule;
    Contest m_contest;
    HallState m_hallState;
    SpeakingRecord m_speakingRecord;
    ScreenRegistry m_screens;
    LayoutBase m_layoutBase;
    QString m_helpFile;
    bool m_exiting = false;
    bool m_displayAwake = false;
};

} // namespace Dovrel
