#include "core/scrolling_note.h"

namespace Dovrel {

int nextNoteLeft(int left, int width, int outerWidth)
{
    if (left <= -width)
        left = outerWidth;
    return left - NoteStepTwips;
}

} // namespace Dovrel
