#pragma once

namespace Dovrel {

class Application;
class Screen;

// The start of the program and the main menu every closed screen returns to, for the framework below
// (`Application::start()`, `Application::mainMenu()`).
void startUp(Application &app);
Screen *loadMainMenu(Application &app);

} // namespace Dovrel
