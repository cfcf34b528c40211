#pragma once

#include "core/stage_boxes.h"
#include "shell/screen.h"

#include <QList>
#include <QPair>

#include <memory>

class QLabel;
class QMenu;
class QPushButton;

namespace Dovrel {

class RulesImport;
class StylingCommands;

// The main menu: the hub every other screen is opened from; closing it ends the program.
class MainMenu final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form4";

    explicit MainMenu(Application &app);
    ~MainMenu() override;
    void load() override;

    // Opens the stage of a stage button (`Command37`, `Command10`, …) as its click does.
    void startStage(const QString &button);

    // What the menu's buttons and entries open.
    template <class ShownScreen> void open();
    template <class SmallWindow> void openOver();
    void openSettings();
    void presentTitle();
    void presentTitleDesign();
    void importRules();
    void openGuestComments();
    void openNewVersionPage();
    void confirmExit();

protected:
    void closing() override;
    void resized() override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void showTimeOfDay();

private:
    void createButtons();
    void createMenu();
    void refreshStageCaptions();
    // Shows a screen opened from the menu and hides the menu.
    void openInPlace(Screen *screen);

    QLabel *Image1 = nullptr; // the background, where the right button opens the pop-up menu
    QLabel *Label2 = nullptr; // time of day
    QMenu *menu = nullptr;
    // The custom stages' buttons, captioned with the stages' names.
    QList<QPair<StageBox, QPushButton *>> m_stageCaptions;
    std::unique_ptr<StylingCommands> m_styling;
    std::unique_ptr<RulesImport> m_rulesImport;
};

} // namespace Dovrel
