#pragma once

namespace Dovrel {

// The process-wide settings of the program's Qt application: names, style, fonts, Qt's own dialogs and dates in
// Chinese, and no quitting on the last window closed (the program ends when the main menu says so).
void setUpQtApplication();

// Gives the five font names of the designs installed fallbacks, so the look holds where they are missing.
void installFontSubstitutes();
// Qt's own dialogs (file, font, colour) in simplified Chinese, where Qt's translations are installed.
void installChineseQtTranslation();
// Chinese (China) as the program's locale where the system's language is another (programLocale()).
void installProgramLocale();

} // namespace Dovrel
