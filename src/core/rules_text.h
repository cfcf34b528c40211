#pragma once

#include <QByteArray>
#include <QString>

namespace Dovrel {

// Why a rules file is not shown.
enum class RulesRefusal { None, Unreadable, TooLarge, NotText };

// The text of a rules file, or the reason it is refused (then `text` is empty).
struct RulesText
{
    RulesRefusal refusal = RulesRefusal::None;
    QString text;
};

// A contest's rules run to a few kilobytes. The text box lays out this much within a few hundred milliseconds
// even as one unbroken paragraph, so anything larger is not rules text and would only stall the screen.
inline constexpr qint64 MaxRulesFileBytes = 256 * 1024;

// Decodes a rules file: UTF-16 with a byte-order mark, valid UTF-8 (with or without a byte-order mark), anything
// else as the ANSI code page. Line ends are kept as they are. Files over the limit and binary files are refused.
RulesText decodeRulesText(const QByteArray &bytes);

// Reads and decodes the file at `path`, never reading more than the limit.
RulesText readRulesFile(const QString &path);

// What the timekeeper is told about a refused file, naming it.
QString rulesRefusalMessage(const QString &path, RulesRefusal refusal);

} // namespace Dovrel
