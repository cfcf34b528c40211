#pragma once

#include "settings/settings_page.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace Dovrel {

// The alert sounds and countdown format page: its options choose the sounds and the format every clock uses and
// whether the main menu shows the time of day; its keyword boxes hold what is saved to SoundSet.ini.
class SoundPage final : public SettingsPage
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form9";

    explicit SoundPage(Application &app);
    void load() override;

protected:
    // The four keyword boxes, Text1 … Text4, in the order of the lines of SoundSet.ini.
    QList<QLineEdit *> fileBoxes() const override;

private:
    std::array<QRadioButton *, 4> Option1{};
    std::array<QRadioButton *, 4> Option2{};
    std::array<QRadioButton *, 2> Option3{};
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QCheckBox *Check2 = nullptr; // show the time of day
    QLineEdit *Text3 = nullptr;
    QCheckBox *Check1 = nullptr; // listen to a sound as it is chosen
    QLineEdit *Text4 = nullptr;
    QLabel *Label4 = nullptr; // the sample time of day
    QLabel *Label6 = nullptr; // the sample clock

private slots:
    void chooseWarningSound(int index);
    void chooseTimeUpSound(int index);
    void chooseFormat(int index);
    void showSystemTime(bool shown);
};

} // namespace Dovrel
