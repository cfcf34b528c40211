#pragma once

#include "shell/screen.h"

namespace Dovrel {

// About the software: its version and what it offers; it opens over the main menu, which never hides.
class AboutSoftware final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form21";

    explicit AboutSoftware(Application &app);
    void load() override;

protected:
    void closing() override;
};

} // namespace Dovrel
