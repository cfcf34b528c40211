#pragma once

namespace Dovrel {

class Screen;

// Opens the page of new versions in the system's browser; the program goes on whatever happens.
void openNewVersionPage(Screen *from);

} // namespace Dovrel
