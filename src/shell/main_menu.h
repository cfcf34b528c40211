#pragma once

#include "shell/screen.h"

class QLabel;
class QTimer;

namespace Dovrel {

// The main menu: the hub every other screen is opened from; closing it ends the program.
class Form4 : public Screen
{
    Q_OBJECT

public:
    explicit Form4(Application &app);
    void load() override;

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void closing() override;
    void resized() override;
};

} // namespace Dovrel
