#pragma once

namespace Dovrel {

class Application;

// Makes the main menu the screen every closed screen returns to.
void installMainMenu(Application &app);

// Starts the program: the main menu is installed and the start-up screen shown; everything else follows from it.
void startProgram(Application &app);

} // namespace Dovrel
