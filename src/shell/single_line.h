#pragma once

class QLineEdit;

namespace Dovrel {

// Keeps a single-line box on one line: of text typed, pasted, dropped or set that holds a line break, the box keeps
// what a single-line edit box on Windows keeps, the inserted text up to its first break.
void keepOnOneLine(QLineEdit *box);

} // namespace Dovrel
