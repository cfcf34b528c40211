#include "core/text_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Dovrel {

QString decodeAnsi(const QByteArray &bytes)
{
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return QString::fromLocal8Bit(bytes);
    // The decoder would keep an incomplete sequence at the end as state for input that never comes, and drop it.
    // A line feed after the text ends that sequence, so it becomes U+FFFD like an invalid byte anywhere else; a
    // line feed is never part of a multi-byte sequence, so it comes out as itself and is taken off again.
    QString text = decoder.decode(bytes + '\n');
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QByteArray encodeAnsi(const QString &text)
{
    QStringEncoder encoder("GB18030");
    if (!encoder.isValid())
        return text.toLocal8Bit();
    return encoder.encode(text);
}

} // namespace Dovrel
