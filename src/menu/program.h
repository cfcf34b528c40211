#pragma once

#include "shell/application.h"

namespace Dovrel {

// The whole program in a given folder on a given platform: `Program(folder, platform)`, then `start()` shows the
// start-up picture, and everything else follows from it. Closed screens come back to the main menu.
class Program final : public Application
{
    Q_OBJECT

public:
    Program(const QString &applicationDirectory, Platform &platform);

protected:
    void startUp() override;
    Screen *loadMainMenu() override;
};

} // namespace Dovrel
