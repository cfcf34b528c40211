#pragma once

namespace Dovrel {

// Twips the title screen's reminder moves to the left on every step.
inline constexpr int NoteStepTwips = 10;

// One step of the reminder that scrolls from right to left: once it has left the screen completely
// (left <= -width) it re-enters just beyond the right edge (`outerWidth`), then it moves one step left.
// All values in twips.
int nextNoteLeft(int left, int width, int outerWidth);

} // namespace Dovrel
