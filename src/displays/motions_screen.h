#pragma once

#include "displays/info_screen.h"

#include <memory>

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

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<StylingCommands> m_styling;
    QMenu *menu = nullptr;
};

} // namespace Dovrel
