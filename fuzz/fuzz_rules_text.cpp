// A rules file as the rules screen imports it: decoded, or refused with a reason.
#include "core/rules_text.h"
#include "support.h"

using namespace Dovrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = Fuzz::bytesOf(data, size);
    const RulesText rules = decodeRulesText(bytes);
    if (bytes.size() > MaxRulesFileBytes && rules.refusal != RulesRefusal::TooLarge)
        Fuzz::fail("a file over the limit was not refused");
    if (rules.refusal != RulesRefusal::None && !rules.text.isEmpty())
        Fuzz::fail("a refused file came with text");
    if (rules.refusal == RulesRefusal::None) {
        // Every decoding takes at least one byte for each character it gives.
        if (rules.text.size() > bytes.size())
            Fuzz::fail("more characters than bytes");
        if (rules.text.contains(QChar(0)))
            Fuzz::fail("a NUL in accepted text");
    }
    return 0;
}
