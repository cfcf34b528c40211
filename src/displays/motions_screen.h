#pragma once

#include "displays/info_screen.h"

#include <memory>

class QAction;
class QMenu;

namespace Dovrel {

class StylingCommands;

// The two sides' motions.
class MotionsScreen final : public InfoScreen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form7";

    explicit MotionsScreen(Application &app);
    ~MotionsScreen() override;

private:
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr; // affirmative motion
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr; // negative motion

    QMenu *menu = nullptr;
    QMenu *bj = nullptr;
    QAction *bj1 = nullptr;
    QAction *bj2 = nullptr;
    QAction *bj3 = nullptr;
    QAction *bj4 = nullptr;
    QAction *bj5 = nullptr;
    QAction *s = nullptr;
    QAction *zdy = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createMenu();

    std::unique_ptr<StylingCommands> m_styling;
};

} // namespace Dovrel
