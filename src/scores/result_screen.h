#pragma once

#include "shell/screen.h"

class QLabel;

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

protected:
    void resized() override;

private:
    QLabel *Label6 = nullptr; // affirmative total
    QLabel *Label7 = nullptr; // negative total
    QLabel *Label5 = nullptr; // winner
};

} // namespace Dovrel
