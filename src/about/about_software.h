#pragma once

#include "shell/screen.h"

class QLabel;
class QTimer;

namespace Dovrel {

// About the software: its version and what it offers; it opens over the main menu, which never hides.
class AboutSoftware final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form21";

    explicit AboutSoftware(Application &app);
    void load() override;

private:
    QLabel *Label1 = nullptr; // heading
    QLabel *Label2 = nullptr; // version
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr; // first paragraph, three lines
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr; // second paragraph, two lines
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr; // signature
    QTimer *Timer1 = nullptr; // caption

protected:
    void closing() override;
};

} // namespace Dovrel
