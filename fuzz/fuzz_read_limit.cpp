// The starting count of a clock from a limit text, as the stages file delivers it.
#include "core/countdown.h"
#include "core/text_encoding.h"
#include "support.h"

#include <limits>

using namespace Dovrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = decodeAnsi(Fuzz::bytesOf(data, size));
    const int count = readLimit(text);
    if (count < -std::numeric_limits<int>::max())
        Fuzz::fail("a count beyond the clamp");
    // Blanks, tabs and line feeds are ignored wherever they stand.
    QString packed = text;
    packed.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    if (readLimit(packed) != count)
        Fuzz::fail("blanks changed the count");
    return 0;
}
