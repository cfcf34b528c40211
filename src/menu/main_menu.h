#pragma once

#include "shell/screen.h"

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

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

private:
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr; // time of day
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QTimer *Timer1 = nullptr; // caption
    QTimer *Timer2 = nullptr; // time of day

    // Information screens.
    QPushButton *Command4 = nullptr;
    QPushButton *Command20 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command9 = nullptr;
    // Preset stages.
    QPushButton *Command37 = nullptr;
    QPushButton *Command38 = nullptr;
    QPushButton *Command39 = nullptr;
    QPushButton *Command40 = nullptr;
    QPushButton *Command41 = nullptr;
    // Custom stages one to eight.
    QPushButton *Command10 = nullptr;
    QPushButton *Command11 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command13 = nullptr;
    QPushButton *Command14 = nullptr;
    QPushButton *Command15 = nullptr;
    QPushButton *Command42 = nullptr;
    QPushButton *Command43 = nullptr;
    // Audience, guest comments, result, report.
    QPushButton *Command16 = nullptr;
    QPushButton *Command17 = nullptr;
    QPushButton *Command18 = nullptr;
    QPushButton *Command19 = nullptr;
    // About, version, settings.
    QPushButton *Command1 = nullptr;
    QPushButton *Command36 = nullptr;
    QPushButton *Command46 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command47 = nullptr; // the check before the contest

    QMenu *menu = nullptr;
    QMenu *ghbj = nullptr;
    QAction *no = nullptr;
    QAction *mr = nullptr;
    QAction *bj1 = nullptr;
    QAction *bj2 = nullptr;
    QAction *bj3 = nullptr;
    QAction *hh = nullptr;
    QAction *zdy = nullptr;
    QAction *set = nullptr;
    QAction *author = nullptr;
    QAction *soft = nullptr;
    QAction *bb = nullptr;
    QAction *check = nullptr;
    QAction *gg = nullptr;
    QAction *exit = nullptr;

protected:
    void closing() override;
    void resized() override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void showTimeOfDay();
    void confirmExit();
    // The contest title for the hall, or for working on its design.
    void presentTitle();
    void presentTitleDesign();

private:
    QPushButton *makeMenuButton(const QString &name, int left, int top, int width, const QString &caption);
    void createButtons();
    void createMenu();
    void refreshStageCaptions();
    // Shows a screen opened from the menu and hides the menu.
    void openInPlace(Screen *screen);

    std::unique_ptr<StylingCommands> m_styling;
    bool m_placed = false;
    std::unique_ptr<RulesImport> m_rulesImport;
};

} // namespace Dovrel
