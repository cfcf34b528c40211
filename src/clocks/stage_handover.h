#pragma once

#include "shell/screen.h"

class QLabel;
class QLineEdit;

namespace Dovrel {

// The stage hand-over, never shown: the main menu writes the current stage's limit and name here and the clocks
// read them.
class StageHandover final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form5";

    explicit StageHandover(Application &app);

    // The current stage: its time limit text and its name, each as last handed over.
    struct Stage
    {
        QString limit;
        QString name;
    };
    Stage stage() const;

    void handOverLimit(const QString &limit);
    void handOverName(const QString &name);

private:
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr; // time limit text
    QLineEdit *Text2 = nullptr; // stage name
};

} // namespace Dovrel
