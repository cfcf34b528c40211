#include "core/gb18030.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace Dovrel {

namespace {

struct FourByteRange
{
    std::uint16_t index;
    char16_t codePoint;
};

#include "core/gb18030_table.inc"

constexpr int Trails = 190;
// The index of 0x90308130, U+10000; the supplementary planes follow it in order up to U+10FFFF.
constexpr int SupplementaryStart = 189000;
constexpr int SupplementaryEnd = SupplementaryStart + 0x100000;
constexpr char16_t Replacement = QChar::ReplacementCharacter;
// ICU's substitute byte for a character it cannot write.
constexpr char Substitute = 0x1A;

static_assert(std::size(TwoByteTable) == (0xFE - 0x81 + 1) * Trails);
static_assert(FourByteBmpCount == 0x10000 - 0x80 - 0x800 - int(std::size(TwoByteTable)),
              "every character of the Basic Multilingual Plane has exactly one sequence");

bool isLead(uchar b)
{
    return b >= 0x81 && b <= 0xFE;
}

bool isDigit(uchar b)
{
    return b >= 0x30 && b <= 0x39;
}

// The column of a trail byte in TwoByteTable, or -1.
int trailColumn(uchar b)
{
    if (b >= 0x40 && b <= 0x7E)
        return b - 0x40;
    if (b >= 0x80 && b <= 0xFE)
        return b - 0x41;
    return -1;
}

// The character of a four-byte sequence, by its index; U+FFFD where the index names none.
char32_t fourByteCharacter(int index)
{
    if (index < FourByteBmpCount) {
        const auto next = std::upper_bound(std::begin(FourByteBmpRanges), std::end(FourByteBmpRanges), index,
                                           [](int i, const FourByteRange &range) { return i < range.index; });
        const FourByteRange &range = *std::prev(next);
        return char32_t(range.codePoint + (index - range.index));
    }
    if (index >= SupplementaryStart && index < SupplementaryEnd)
        return char32_t(0x10000 + (index - SupplementaryStart));
    return Replacement;
}

char *putFourBytes(char *out, int index)
{
    out[3] = char(0x30 + index % 10);
    index /= 10;
    out[2] = char(0x81 + index % 126);
    index /= 126;
    out[1] = char(0x30 + index % 10);
    out[0] = char(0x81 + index / 10);
    return out + 4;
}

// The reverse of the tables, made once.
class EncodeTables
{
public:
    EncodeTables()
    {
        for (int i = 0; i < int(std::size(TwoByteTable)); ++i) {
            const int trail = i % Trails < 0x3F ? 0x40 + i % Trails : 0x41 + i % Trails;
            m_twoByte[TwoByteTable[i]] = std::uint16_t((0x81 + i / Trails) << 8 | trail);
        }
        std::copy(std::begin(FourByteBmpRanges), std::end(FourByteBmpRanges), m_byCodePoint.begin());
        std::sort(m_byCodePoint.begin(), m_byCodePoint.end(),
                  [](const FourByteRange &a, const FourByteRange &b) { return a.codePoint < b.codePoint; });
    }

    // The sequence of a character of the Basic Multilingual Plane above ASCII, not a surrogate.
    char *put(char *out, char16_t c) const
    {
        if (const std::uint16_t code = m_twoByte[c]) {
            out[0] = char(code >> 8);
            out[1] = char(code & 0xFF);
            return out + 2;
        }
        // Every character without a two-byte sequence lies in a range, and the ranges do not overlap.
        const auto next = std::upper_bound(m_byCodePoint.begin(), m_byCodePoint.end(), c,
                                           [](char16_t u, const FourByteRange &range) { return u < range.codePoint; });
        const FourByteRange &range = *std::prev(next);
        return putFourBytes(out, range.index + (c - range.codePoint));
    }

private:
    // Lead byte and trail byte, 0 for a character without a two-byte sequence.
    std::array<std::uint16_t, 0x10000> m_twoByte{};
    std::array<FourByteRange, std::size(FourByteBmpRanges)> m_byCodePoint{};
};

const EncodeTables &encodeTables()
{
    static const EncodeTables tables;
    return tables;
}

} // namespace

QString decodeGb18030(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    // No character takes more code units than it has bytes, and U+FFFD always stands for at least one byte.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;
    const uchar *p = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = p + bytes.size();
    while (p < end) {
        const uchar first = *p++;
        if (first < 0x80) {
            *out++ = first;
            continue;
        }
        if (!isLead(first) || p == end) {
            *out++ = Replacement;
            continue;
        }
        const uchar second = *p;
        if (const int column = trailColumn(second); column >= 0) {
            *out++ = TwoByteTable[(first - 0x81) * Trails + column];
            ++p;
            continue;
        }
        if (isDigit(second) && end - p >= 3 && isLead(p[1]) && isDigit(p[2])) {
            const int index = (((first - 0x81) * 10 + (second - 0x30)) * 126 + (p[1] - 0x81)) * 10 + (p[2] - 0x30);
            const char32_t c = fourByteCharacter(index);
            if (QChar::requiresSurrogates(c)) {
                *out++ = QChar::highSurrogate(c);
                *out++ = QChar::lowSurrogate(c);
            } else {
                *out++ = char16_t(c);
            }
            p += 3;
            continue;
        }
        // A broken sequence is one U+FFFD up to the first of its later bytes that can start a character, which is
        // read again. Its second byte can (a byte below 0x80, a lead byte, a digit) unless it is 0xFF.
        if (second == 0xFF)
            ++p;
        *out++ = Replacement;
    }
    text.truncate(out - begin);
    return text;
}

QByteArray encodeGb18030(QStringView text)
{
    const EncodeTables &tables = encodeTables();
    QByteArray bytes(text.size() * 4, Qt::Uninitialized);
    char *out = bytes.data();
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    while (p < end) {
        const char16_t c = *p++;
        if (c < 0x80) {
            *out++ = char(c);
        } else if (!QChar::isSurrogate(c)) {
            out = tables.put(out, c);
        } else if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p)) {
            out = putFourBytes(out, SupplementaryStart + int(QChar::surrogateToUcs4(c, *p++) - 0x10000));
        } else if (!QChar::isHighSurrogate(c) || p < end) {
            *out++ = Substitute;
        }
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

} // namespace Dovrel
