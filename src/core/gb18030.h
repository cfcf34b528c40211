#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// GB18030 by tables of the program's own, so that every build reads and writes the same bytes whatever converters
// its Qt and its system have. It behaves as the converter the program's files were first written with (ICU's, through
// Qt) in every detail, bad input included.
namespace Dovrel {

// Each call stands alone. A byte that starts no character, a sequence broken off (by another byte or by the end) and a
// four-byte sequence that names no character each become one U+FFFD; a sequence broken off after its first byte gives
// back the bytes after that one to be read again.
QString decodeGb18030(QByteArrayView bytes);

// Every character has a sequence. A lone surrogate becomes 0x1A, except a high surrogate at the very end, which is
// dropped as if a later call could still complete it.
QByteArray encodeGb18030(QStringView text);

} // namespace Dovrel
