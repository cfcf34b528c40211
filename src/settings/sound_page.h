#pragma once

#include "core/countdown.h"
#include "settings/settings_page.h"

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace Dovrel {

// The alert sounds and countdown format page. Its controls are the live choices every clock and the main menu
// read; the keyword boxes hold what is saved to SoundSet.ini.
class SoundPage final : public SettingsPage
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form9";

    explicit SoundPage(Application &app);
    void load() override;

    // The checked sound option of each alert, or -1 while none of that group is checked.
    int warningChoice() const;
    int timeUpChoice() const;
    // The chosen countdown format; None while neither option is checked.
    CountdownFormat countdownFormat() const;
    // Whether the main menu shows the time of day.
    bool systemTimeShown() const;

protected:
    // The four keyword boxes, Text1 … Text4, in the order of the lines of SoundSet.ini.
    QList<QLineEdit *> fileBoxes() const override;

private:
    QLabel *Picture3 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QFrame *Frame1 = nullptr;
    QFrame *Frame2 = nullptr;
    QFrame *Frame3 = nullptr;
    std::array<QRadioButton *, 4> Option1{};
    std::array<QRadioButton *, 4> Option2{};
    std::array<QRadioButton *, 2> Option3{};
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QCheckBox *Check2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QCheckBox *Check1 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Picture2 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label5 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command5 = nullptr;
    QTimer *Timer1 = nullptr;

private slots:
    void chooseWarningSound(int index);
    void chooseTimeUpSound(int index);
    void chooseFormat(int index);
    void showSystemTime(bool shown);
};

} // namespace Dovrel
