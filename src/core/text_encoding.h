#pragma once

#include <QByteArray>
#include <QString>

// Text files of the system are in the simplified-Chinese ANSI code page. GB18030 is byte-identical to GBK for
// every GBK character and can still represent any other character, so nothing typed is ever lost on a save. The
// program's own codec (core/gb18030.h) does it, so every build writes the same bytes.
namespace Dovrel {

// Each call stands alone: an invalid byte and an incomplete sequence at the end both become U+FFFD.
QString decodeAnsi(const QByteArray &bytes);
QByteArray encodeAnsi(const QString &text);

} // namespace Dovrel
