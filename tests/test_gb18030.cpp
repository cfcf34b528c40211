#include "core/gb18030.h"

#include <QScopeGuard>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <set>
#include <utility>
#include <vector>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define DOVREL_HAVE_ICONV 1
#endif

using namespace Dovrel;

namespace {

constexpr int FourByteCount = 126 * 10 * 126 * 10;
constexpr int FourByteBmpCount = 39420;
constexpr int SupplementaryStart = 189000; // 0x90308130

QString utf16(std::initializer_list<char16_t> units)
{
    return QString(reinterpret_cast<const QChar *>(units.begin()), qsizetype(units.size()));
}

// Unlike QString::fromUcs4(), keeps a leading U+FEFF.
void appendCodePoint(QString &text, char32_t u)
{
    if (QChar::requiresSurrogates(u)) {
        text.append(QChar(QChar::highSurrogate(u)));
        text.append(QChar(QChar::lowSurrogate(u)));
    } else {
        text.append(QChar(char16_t(u)));
    }
}

QString unitsOf(const QString &text)
{
    QStringList units;
    for (QChar c : text)
        units.append(QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper());
    return units.join(QLatin1Char(' '));
}

QString hexOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void appendTwoBytes(QByteArray &bytes, int lead, int trail)
{
    bytes.append(char(lead));
    bytes.append(char(trail));
}

void appendFourBytes(QByteArray &bytes, int index)
{
    char sequence[4];
    sequence[3] = char(0x30 + index % 10);
    index /= 10;
    sequence[2] = char(0x81 + index % 126);
    index /= 126;
    sequence[1] = char(0x30 + index % 10);
    sequence[0] = char(0x81 + index / 10);
    bytes.append(sequence, 4);
}

bool isTrailByte(int b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
}

// Every two-byte sequence that names a character, in order.
QByteArray everyTwoByteSequence()
{
    QByteArray bytes;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0; trail <= 0xFF; ++trail) {
            if (isTrailByte(trail))
                appendTwoBytes(bytes, lead, trail);
        }
    }
    return bytes;
}

// Every Unicode scalar value, in order.
QString everyCharacter()
{
    QString text;
    text.reserve(0x10000 + 2 * 0x100000);
    for (char32_t u = 0; u <= 0x10FFFF; ++u) {
        if (u < 0xD800 || u > 0xDFFF)
            appendCodePoint(text, u);
    }
    return text;
}

// The system's converter as the program used it before it had a codec of its own: a line feed after the bytes ends
// any sequence left open.
QString systemDecode(QStringDecoder &decoder, const QByteArray &bytes)
{
    decoder.resetState();
    QString text = decoder.decode(bytes + '\n');
    text.chop(1);
    return text;
}

QByteArray systemEncode(const QString &text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

// Decodes `bytes`, made of pieces of `pieceSize` bytes that each end every sequence they open, with the codec and
// the system's converter at once; where the two differ, names the first piece that decodes differently.
QString decodingDifference(QStringDecoder &decoder, const QByteArray &bytes, int pieceSize)
{
    if (decodeGb18030(bytes) == systemDecode(decoder, bytes))
        return QString();
    for (qsizetype at = 0; at < bytes.size(); at += pieceSize) {
        const QByteArray piece = bytes.mid(at, pieceSize);
        const QString ours = decodeGb18030(piece);
        const QString system = systemDecode(decoder, piece);
        if (ours != system)
            return QStringLiteral("%1 decodes to %2, the system's converter gives %3")
                .arg(hexOf(piece), unitsOf(ours), unitsOf(system));
    }
    return QStringLiteral("the whole decodes differently, no single piece does");
}

QString encodingDifference(const QString &piece)
{
    const QByteArray ours = encodeGb18030(piece);
    const QByteArray system = systemEncode(piece);
    if (ours == system)
        return QString();
    return QStringLiteral("%1 encodes to %2, the system's converter gives %3")
        .arg(unitsOf(piece), hexOf(ours), hexOf(system));
}

// Encodes `text` at once with the codec and the system's converter; where the two differ, names the first character
// that encodes differently.
QString everyEncodingDifference(const QString &text)
{
    if (encodeGb18030(text) == systemEncode(text))
        return QString();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString difference = encodingDifference(text.mid(i, length));
        if (!difference.isEmpty())
            return difference;
        i += length;
    }
    return QStringLiteral("the whole encodes differently, no single character does");
}

#ifdef DOVREL_HAVE_ICONV
QString fromCodePoint(char32_t u)
{
    QString text;
    appendCodePoint(text, u);
    return text;
}

// What iconv makes of `in`, units of `unitSize` bytes each: the output of the units it takes and the index of each
// unit it refuses, in order.
struct IconvOutput
{
    bool ok = true;
    QByteArray bytes;
    std::vector<qsizetype> refused;
};

IconvOutput iconvEach(iconv_t cd, const QByteArray &in, int unitSize)
{
    IconvOutput output;
    output.bytes.resize(in.size() * 2);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char *target = output.bytes.data();
    std::size_t targetLeft = std::size_t(output.bytes.size());
    // In pieces, as AddressSanitizer checks all the input left at each call, and there is one per refused unit.
    const qsizetype pieceSize = 1024 * unitSize;
    for (qsizetype piece = 0; piece < in.size() && output.ok; piece += pieceSize) {
        char *source = const_cast<char *>(in.constData()) + piece;
        std::size_t sourceLeft = std::size_t(std::min(pieceSize, in.size() - piece));
        while (iconv(cd, &source, &sourceLeft, &target, &targetLeft) == std::size_t(-1)) {
            const qsizetype at = source - in.constData();
            if (errno != EILSEQ || at % unitSize != 0) {
                output.ok = false;
                break;
            }
            output.refused.push_back(at / unitSize);
            source += unitSize;
            sourceLeft -= std::size_t(unitSize);
        }
    }
    output.bytes.truncate(target - output.bytes.constData());
    return output;
}

// The length of the well-formed GB18030 sequence at `p`.
int sequenceLength(const char *p)
{
    if (uchar(p[0]) < 0x80)
        return 1;
    return uchar(p[1]) >= 0x30 && uchar(p[1]) <= 0x39 ? 4 : 2;
}
#endif

} // namespace

class TestGb18030 : public QObject
{
    Q_OBJECT

private slots:
    void knownSequences_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII and control characters")
            << QByteArray("\x00\x1a\x7f A\r\n", 7) << utf16({0x00, 0x1A, 0x7F, ' ', 'A', '\r', '\n'});
        QTest::newRow("GBK: 开篇陈词") << QByteArray::fromHex("bfaac6aab3c2b4ca") << QStringLiteral("开篇陈词");
        QTest::newRow("GBK: 分\\秒") << QByteArray::fromHex("b7d65cc3eb") << QStringLiteral("分\\秒");
        QTest::newRow("first two-byte sequence") << QByteArray::fromHex("8140") << QStringLiteral("丂");
        QTest::newRow("last two-byte sequence") << QByteArray::fromHex("fefe") << utf16({0xE4C5});
        // Windows code page 936 has the euro sign at 0x80 too; GB18030 only here.
        QTest::newRow("euro sign") << QByteArray::fromHex("a2e3") << QStringLiteral("€");
        QTest::newRow("user-defined area") << QByteArray::fromHex("a3a0") << utf16({0xE5E5});
        // Where the 2005 edition of the standard swapped U+1E3F and U+E7C7.
        QTest::newRow("m with acute: two bytes") << QByteArray::fromHex("a8bc") << utf16({0x1E3F});
        QTest::newRow("U+E7C7: four bytes") << QByteArray::fromHex("8135f437") << utf16({0xE7C7});
        // Characters that GBK had only in its user-defined area keep that mapping, as in every file written so far.
        QTest::newRow("vertical comma: user-defined area") << QByteArray::fromHex("a6d9") << utf16({0xE78D});
        QTest::newRow("vertical comma: four bytes") << QByteArray::fromHex("84318236") << utf16({0xFE10});
        QTest::newRow("first four-byte sequence") << QByteArray::fromHex("81308130") << utf16({0x80});
        QTest::newRow("four bytes: Hangul") << QByteArray::fromHex("83368433") << QStringLiteral("한");
        QTest::newRow("four bytes: byte order mark kept") << QByteArray::fromHex("84319533") << utf16({0xFEFF});
        QTest::newRow("four bytes: U+FFFD") << QByteArray::fromHex("8431a437") << utf16({0xFFFD});
        QTest::newRow("four bytes: U+FFFF") << QByteArray::fromHex("8431a439") << utf16({0xFFFF});
        QTest::newRow("first supplementary") << QByteArray::fromHex("90308130") << utf16({0xD800, 0xDC00});
        QTest::newRow("supplementary: 𠀀") << QByteArray::fromHex("95328236") << QStringLiteral("𠀀");
        QTest::newRow("last supplementary") << QByteArray::fromHex("e3329a35") << utf16({0xDBFF, 0xDFFF});
        QTest::newRow("mixed") << QByteArray::fromHex("41b9a59532823642") << QStringLiteral("A攻𠀀B");
    }
    void knownSequences()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(unitsOf(decodeGb18030(bytes)), unitsOf(text));
        QCOMPARE(hexOf(encodeGb18030(text)), hexOf(bytes));
    }

    // Bytes that are no character, as the system's converter read them: one U+FFFD for the bytes up to the first that
    // can start a character.
    void badBytes_data()
    {
        const QChar bad = QChar::ReplacementCharacter;
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << QByteArray() << QString();
        QTest::newRow("0x80") << QByteArray("a\x80z") << QStringLiteral("a") + bad + QLatin1Char('z');
        QTest::newRow("0xFF") << QByteArray("a\xffz") << QStringLiteral("a") + bad + QLatin1Char('z');
        QTest::newRow("lead byte at the end") << QByteArray("ab\x81") << QStringLiteral("ab") + bad;
        QTest::newRow("lead byte, ASCII") << QByteArray("\x81 ") << bad + QLatin1Char(' ');
        QTest::newRow("lead byte, 0x7F") << QByteArray("\x81\x7f") << bad + QChar(0x7F);
        QTest::newRow("lead byte, line feed") << QByteArray("\xfe\n") << bad + QLatin1Char('\n');
        QTest::newRow("lead byte, 0xFF: one for both") << QByteArray("\x81\xffz") << bad + QLatin1Char('z');
        QTest::newRow("0xFF, 0x80") << QByteArray("\xff\x80") << QString(1, bad) + bad;
        QTest::newRow("two of four bytes") << QByteArray("ab\x81\x30") << QStringLiteral("ab") + bad + QLatin1Char('0');
        QTest::newRow("three of four bytes") << QByteArray("\x81\x30\x81") << bad + QLatin1Char('0') + bad;
        QTest::newRow("digit, no lead byte") << QByteArray("\x81\x30\x30\x30") << bad + QStringLiteral("000");
        QTest::newRow("digit, 0x80") << QByteArray("\x81\x30\x80") << bad + QLatin1Char('0') + bad;
        QTest::newRow("digit, 0xFF") << QByteArray("\x81\x30\xff") << bad + QLatin1Char('0') + bad;
        QTest::newRow("no last digit: two-byte character after")
            << QByteArray("\x81\x30\x81\x80") << bad + QLatin1Char('0') + QChar(0x4E90);
        QTest::newRow("no last digit: 0xFF") << QByteArray("\x81\x30\x81\xff") << bad + QLatin1Char('0') + bad;
        QTest::newRow("no last digit: ASCII")
            << QByteArray("\x84\x31\xa4 ") << bad + QLatin1Char('1') + bad + QLatin1Char(' ');
        QTest::newRow("four bytes after U+FFFF") << QByteArray("\x84\x31\xa5\x30z") << bad + QLatin1Char('z');
        QTest::newRow("four bytes below the supplementary planes") << QByteArray("\x8f\x39\xfe\x39") << QString(bad);
        QTest::newRow("four bytes after U+10FFFF") << QByteArray("\xe3\x32\x9a\x36") << QString(bad);
        QTest::newRow("last four-byte sequence") << QByteArray("\xfe\x39\xfe\x39") << QString(bad);
    }
    void badBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(unitsOf(decodeGb18030(bytes)), unitsOf(text));
        QStringDecoder system("GB18030");
        if (system.isValid())
            QCOMPARE(unitsOf(systemDecode(system, bytes)), unitsOf(text));
    }

    // The system's converter wrote 0x1A for a lone surrogate, and kept a high surrogate at the end for a next call.
    void loneSurrogates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("high surrogate alone") << utf16({0xD800}) << QByteArray();
        QTest::newRow("high surrogate at the end") << utf16({'x', 0xDBFF}) << QByteArray("x");
        QTest::newRow("low surrogate alone") << utf16({0xDC00}) << QByteArray("\x1a");
        QTest::newRow("low surrogate at the end") << utf16({'x', 0xDFFF}) << QByteArray("x\x1a");
        QTest::newRow("high surrogate, ASCII") << utf16({0xD800, 'x'}) << QByteArray("\x1ax");
        QTest::newRow("two high surrogates") << utf16({0xD800, 0xD800, 'x'}) << QByteArray("\x1a\x1ax");
        QTest::newRow("two high surrogates at the end") << utf16({0xD800, 0xDBFF}) << QByteArray("\x1a");
        QTest::newRow("low, then high surrogate") << utf16({0xDC00, 0xD800, 0x4E00}) << QByteArray("\x1a\x1a\xd2\xbb");
        QTest::newRow("high surrogate, then a pair")
            << utf16({0xD800, 0xD800, 0xDC00}) << QByteArray::fromHex("1a90308130");
    }
    void loneSurrogates()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(hexOf(encodeGb18030(text)), hexOf(bytes));
        if (QStringDecoder("GB18030").isValid())
            QCOMPARE(hexOf(systemEncode(text)), hexOf(bytes));
    }

    void everythingRoundTrips()
    {
        // Every character, written and read back.
        const QString characters = everyCharacter();
        const QByteArray written = encodeGb18030(characters);
        QVERIFY(decodeGb18030(written) == characters);

        // Every sequence that names a character, read and written back.
        QByteArray sequences = everyTwoByteSequence();
        for (int index = 0; index < FourByteBmpCount; ++index)
            appendFourBytes(sequences, index);
        for (int index = SupplementaryStart; index < SupplementaryStart + 0x100000; ++index)
            appendFourBytes(sequences, index);
        QVERIFY(encodeGb18030(decodeGb18030(sequences)) == sequences);
    }

    void everyTwoByteSequenceAsTheSystemConverter()
    {
        QStringDecoder system("GB18030");
        if (!system.isValid())
            QSKIP("this Qt has no GB18030 converter (built without ICU) to compare with");
        // Every trail byte after every lead byte, each pair ended by a line feed.
        QByteArray bytes;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0; trail <= 0xFF; ++trail) {
                appendTwoBytes(bytes, lead, trail);
                bytes.append('\n');
            }
        }
        const QString difference = decodingDifference(system, bytes, 3);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void everyFourByteSequenceAsTheSystemConverter()
    {
        QStringDecoder system("GB18030");
        if (!system.isValid())
            QSKIP("this Qt has no GB18030 converter (built without ICU) to compare with");
        // Each four-byte sequence is complete, named character or not, so they need nothing between them.
        QByteArray bytes;
        bytes.reserve(qsizetype(FourByteCount) * 4);
        for (int index = 0; index < FourByteCount; ++index)
            appendFourBytes(bytes, index);
        const QString difference = decodingDifference(system, bytes, 4);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void everyCodePointAsTheSystemConverter()
    {
        if (!QStringDecoder("GB18030").isValid())
            QSKIP("this Qt has no GB18030 converter (built without ICU) to compare with");
        const QString difference = everyEncodingDifference(everyCharacter());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));

        // The surrogate code points, alone: followed by a character, and at the very end.
        for (char16_t u = 0xD800; u <= 0xDFFF; ++u) {
            for (const QString &piece : {utf16({u, 'x'}), utf16({u})}) {
                const QString difference = encodingDifference(piece);
                QVERIFY2(difference.isEmpty(), qPrintable(difference));
            }
        }
    }

    // glibc's iconv reads and writes 24 characters otherwise than ICU, whose way the program keeps since its files
    // were written so; it refuses the four-byte sequences that name no character, where ICU reads U+FFFD. Broken
    // sequences are not compared: iconv stops at them.
    void iconvDiffersOnlyInKnownCharacters()
    {
#ifndef DOVREL_HAVE_ICONV
        QSKIP("no iconv on this system");
#else
        const iconv_t decoder = iconv_open("UTF-32LE", "GB18030");
        const iconv_t encoder = iconv_open("GB18030", "UTF-32LE");
        const auto closeBoth = qScopeGuard([&] {
            for (iconv_t cd : {decoder, encoder}) {
                if (cd != iconv_t(-1))
                    iconv_close(cd);
            }
        });
        if (decoder == iconv_t(-1) || encoder == iconv_t(-1))
            QSKIP("iconv has no GB18030 here");
        // Two-byte sequence, ICU's character (GBK's user-defined area), glibc's character.
        const struct
        {
            const char *bytes;
            char16_t icu;
            char32_t glibc;
        } known[] = {
            {"a6d9", 0xE78D, 0xFE10},  {"a6da", 0xE78E, 0xFE12},  {"a6db", 0xE78F, 0xFE11},  {"a6dc", 0xE790, 0xFE13},
            {"a6dd", 0xE791, 0xFE14},  {"a6de", 0xE792, 0xFE15},  {"a6df", 0xE793, 0xFE16},  {"a6ec", 0xE794, 0xFE17},
            {"a6ed", 0xE795, 0xFE18},  {"a6f3", 0xE796, 0xFE19},  {"fe51", 0xE816, 0x20087}, {"fe52", 0xE817, 0x20089},
            {"fe53", 0xE818, 0x200CC}, {"fe59", 0xE81E, 0x9FB4},  {"fe61", 0xE826, 0x9FB5},  {"fe66", 0xE82B, 0x9FB6},
            {"fe67", 0xE82C, 0x9FB7},  {"fe6c", 0xE831, 0x215D7}, {"fe6d", 0xE832, 0x9FB8},  {"fe76", 0xE83B, 0x2298F},
            {"fe7e", 0xE843, 0x9FB9},  {"fe90", 0xE854, 0x9FBA},  {"fe91", 0xE855, 0x241FE}, {"fea0", 0xE864, 0x9FBB},
        };
        std::set<QByteArray> knownSequences;
        std::set<char32_t> knownCharacters;
        for (const auto &k : known) {
            QCOMPARE(unitsOf(decodeGb18030(QByteArray::fromHex(k.bytes))), unitsOf(utf16({k.icu})));
            knownSequences.insert(QByteArray::fromHex(k.bytes));
            knownSequences.insert(encodeGb18030(fromCodePoint(k.glibc)));
            knownCharacters.insert(k.icu);
            knownCharacters.insert(k.glibc);
        }

        int differences = 0;
        QStringList unexpected;
        const auto differ = [&](bool known, const QString &what) {
            ++differences;
            if (!known && unexpected.size() < 10)
                unexpected.append(what);
        };

        // Reading every two-byte sequence that names a character, and every four-byte sequence.
        QByteArray fourByteSequences;
        fourByteSequences.reserve(qsizetype(FourByteCount) * 4);
        for (int index = 0; index < FourByteCount; ++index)
            appendFourBytes(fourByteSequences, index);
        for (const auto &[bytes, unitSize] : {std::pair(everyTwoByteSequence(), 2), std::pair(fourByteSequences, 4)}) {
            const QString ours = decodeGb18030(bytes);
            const IconvOutput theirs = iconvEach(decoder, bytes, unitSize);
            QVERIFY(theirs.ok);
            qsizetype ourAt = 0;
            qsizetype theirAt = 0;
            std::size_t refused = 0;
            for (qsizetype unit = 0; unit * unitSize < bytes.size(); ++unit) {
                char32_t our = ours.at(ourAt++).unicode();
                if (QChar::isHighSurrogate(our))
                    our = QChar::surrogateToUcs4(char16_t(our), ours.at(ourAt++).unicode());
                char32_t their = QChar::ReplacementCharacter;
                if (refused < theirs.refused.size() && theirs.refused[refused] == unit) {
                    ++refused;
                } else {
                    their = qFromLittleEndian<char32_t>(theirs.bytes.constData() + theirAt);
                    theirAt += 4;
                }
                if (our != their) {
                    const QByteArray sequence = bytes.mid(unit * unitSize, unitSize);
                    differ(knownSequences.count(sequence),
                           QStringLiteral("%1: U+%2, iconv U+%3")
                               .arg(hexOf(sequence), QString::number(our, 16), QString::number(their, 16)));
                }
            }
        }

        // Writing every character; iconv refuses some.
        QByteArray utf32;
        utf32.reserve(0x110000 * 4);
        for (char32_t u = 0; u <= 0x10FFFF; ++u) {
            if (u < 0xD800 || u > 0xDFFF) {
                const char32_t littleEndian = qToLittleEndian(u);
                utf32.append(reinterpret_cast<const char *>(&littleEndian), 4);
            }
        }
        const QByteArray ours = encodeGb18030(everyCharacter());
        const IconvOutput theirs = iconvEach(encoder, utf32, 4);
        QVERIFY(theirs.ok);
        qsizetype ourAt = 0;
        qsizetype theirAt = 0;
        std::size_t refused = 0;
        for (qsizetype unit = 0; unit * 4 < utf32.size(); ++unit) {
            const char32_t u = qFromLittleEndian<char32_t>(utf32.constData() + unit * 4);
            const QByteArrayView our(ours.constData() + ourAt, sequenceLength(ours.constData() + ourAt));
            ourAt += our.size();
            QByteArrayView their;
            if (refused < theirs.refused.size() && theirs.refused[refused] == unit) {
                ++refused;
            } else {
                their = QByteArrayView(theirs.bytes.constData() + theirAt,
                                       sequenceLength(theirs.bytes.constData() + theirAt));
                theirAt += their.size();
            }
            if (our != their)
                differ(knownCharacters.count(u),
                       QStringLiteral("U+%1: %2, iconv %3")
                           .arg(QString::number(u, 16), hexOf(our.toByteArray()), hexOf(their.toByteArray())));
        }
        qInfo("iconv differs from ICU in %d sequences and characters", differences);
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral("; "))));
#endif
    }
};

QTEST_GUILESS_MAIN(TestGb18030)
#include "test_gb18030.moc"
