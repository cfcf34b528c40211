#pragma once

#include "core/stage_boxes.h"
#include "settings/settings_page.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace Dovrel {

// The stages and time limits page. Its boxes are the live stage names and limits the main menu and the clocks
// read, saved or not, while the page stays loaded.
class StagesPage final : public SettingsPage
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form3";

    explicit StagesPage(Application &app);
    void load() override;

    // The design names of the two stages the page cannot enter ("攻辩 " keeps its trailing blank).
    static QString stageThreeDesignName();
    static QString stageSevenDesignName();

    // A stage's name or time limit as its box holds it now.
    QString stageName(StageBox box) const;
    QString stageLimit(StageBox box) const;

protected:
    // Text1 … Text21 in the order of the lines of TimeSet.ini.
    QList<QLineEdit *> fileBoxes() const override;
    // All but the names of stages three and seven, which the page cannot enter.
    QList<QLineEdit *> clearedBoxes() const override;

private:
    static void markUnreadableLimit(QLineEdit *box);

    QLabel *Picture1 = nullptr;
    std::array<QLabel *, 6> Label2{};
    std::array<QLabel *, 13> Label1{};
    QLineEdit *Text17 = nullptr;
    QLineEdit *Text18 = nullptr;
    QLineEdit *Text19 = nullptr;
    QLineEdit *Text20 = nullptr;
    QLineEdit *Text21 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    std::array<QLabel *, 3> Label5{};
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    std::array<QLabel *, 3> Label11{};
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    QLineEdit *Text10 = nullptr;
    QLineEdit *Text11 = nullptr;
    QLineEdit *Text12 = nullptr;
    QLineEdit *Text13 = nullptr;
    QLineEdit *Text14 = nullptr;
    QLineEdit *Text15 = nullptr;
    QLineEdit *Text16 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command3 = nullptr;
    QTimer *Timer1 = nullptr;
};

} // namespace Dovrel
