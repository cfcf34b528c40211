#include "core/rules_text.h"

#include "core/text_encoding.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <optional>

namespace Dovrel {

namespace {

// Control characters that plain text does not hold, and characters the decoder could not make sense of.
bool isOddCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f')
        return false;
    return u < 0x20 || u == 0x7F || u == QChar::ReplacementCharacter;
}

// Binary data holds NUL bytes, or many control characters or undecodable bytes; a text file may have a stray one.
bool looksBinary(const QString &text)
{
    qsizetype odd = 0;
    for (QChar c : text) {
        if (c.isNull())
            return true;
        if (isOddCharacter(c))
            ++odd;
    }
    return odd * 20 > text.size();
}

std::optional<QString> decodeStrictly(QStringDecoder::Encoding encoding, const QByteArray &bytes)
{
    // The decoder drops a leading byte-order mark.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes);
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes);
    // A GBK text of any length is practically never valid UTF-8, and ASCII reads the same either way.
    if (std::optional<QString> utf8 = decodeStrictly(QStringDecoder::Utf8, bytes))
        return *utf8;
    return decodeAnsi(bytes);
}

} // namespace

RulesText decodeRulesText(const QByteArray &bytes)
{
    if (bytes.size() > MaxRulesFileBytes)
        return {RulesRefusal::TooLarge, QString()};
    QString text = decodeText(bytes);
    if (looksBinary(text))
        return {RulesRefusal::NotText, QString()};
    return {RulesRefusal::None, text};
}

RulesText readRulesFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {RulesRefusal::Unreadable, QString()};
    if (file.size() > MaxRulesFileBytes)
        return {RulesRefusal::TooLarge, QString()};
    // One byte past the limit tells a file that grew, or a device without a size, from one that fits.
    const QByteArray bytes = file.read(MaxRulesFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {RulesRefusal::Unreadable, QString()};
    return decodeRulesText(bytes);
}

QString rulesRefusalMessage(const QString &path, RulesRefusal refusal)
{
    const QString name = QFileInfo(path).fileName();
    switch (refusal) {
    case RulesRefusal::None:
        break;
    case RulesRefusal::Unreadable:
        return QStringLiteral("无法读取文件“%1”，比赛规则未导入。").arg(name);
    case RulesRefusal::TooLarge:
        return QStringLiteral("文件“%1”超过 %2 KB，不像比赛规则文本，未导入。请导入TXT文件。")
            .arg(name, QString::number(MaxRulesFileBytes / 1024));
    case RulesRefusal::NotText:
        return QStringLiteral("文件“%1”不是文本文件，未导入。请导入TXT文件。").arg(name);
    }
    return QString();
}

} // namespace Dovrel
