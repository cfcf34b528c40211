#pragma once

#include "shell/screen.h"

class QLabel;
class QPushButton;
class QTimer;

namespace Dovrel {

// The stored result as shown: both totals formatted and the winning team's name or the draw, from Score.ini (a
// missing file reads as 0 and 0) and the team names of the details page as they are now.
struct ShownResult
{
    QString affirmativeTotal;
    QString negativeTotal;
    QString winner;
};

ShownResult storedResult(Application &app);

// The result screen: the two totals and the winner, each hidden until its button reveals it.
class ResultScreen final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form11";

    explicit ResultScreen(Application &app);
    void load() override;

private:
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr; // affirmative total
    QLabel *Label3 = nullptr;
    QLabel *Label7 = nullptr; // negative total
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr; // winner
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QTimer *Timer1 = nullptr; // caption

protected:
    void resized() override;
};

} // namespace Dovrel
