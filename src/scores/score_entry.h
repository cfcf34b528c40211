#pragma once

#include "shell/screen.h"

class QLineEdit;

namespace Dovrel {

// The score entry: both totals typed twice into masked boxes; when both pairs agree they are stored and the result
// screen opens.
class ScoreEntry final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form16";

    explicit ScoreEntry(Application &app);

private:
    QLineEdit *Text1 = nullptr; // affirmative, first entry
    QLineEdit *Text2 = nullptr; // affirmative, second entry
    QLineEdit *Text3 = nullptr; // negative, first entry
    QLineEdit *Text4 = nullptr; // negative, second entry

private slots:
    void confirmScores();
};

} // namespace Dovrel
