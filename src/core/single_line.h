#pragma once

#include <QString>

namespace Dovrel {

// Whether `c` ends a line: CR, LF, and Unicode's line and paragraph separators.
bool isLineBreak(QChar c);

// A value as one line of a settings file: every line break (CR LF counting as one) becomes a blank, so nothing a
// caller gives can add a line to the file.
QString oneLine(const QString &value);

// What a single-line box keeps of an edit that brought a line break (a paste, a drop, an input method): as a
// single-line edit box on Windows does, the inserted text only up to its first break. `text` is the box's text
// after the edit, with the cursor at `cursor`, just after the inserted text; the box held no break before it.
struct SingleLineEdit
{
    QString text;
    int cursor = 0;
};
SingleLineEdit keepFirstLineOfInsert(const QString &text, int cursor);

} // namespace Dovrel
