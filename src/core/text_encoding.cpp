#include "core/text_encoding.h"

#include "core/gb18030.h"

namespace Dovrel {

QString decodeAnsi(const QByteArray &bytes)
{
    return decodeGb18030(bytes);
}

QByteArray encodeAnsi(const QString &text)
{
    return encodeGb18030(text);
}

} // namespace Dovrel
