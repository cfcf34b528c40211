#pragma once

#include <QString>

namespace Dovrel {

// A total as stored: the leading decimal number of the text, blanks, tabs and line feeds skipped anywhere, "."
// as the decimal point whatever the locale, converted to the nearest single-precision value. No digit gives 0.
float readScore(const QString &text);

// A total as shown: seven significant digits in plain notation, a blank or "-" in front, no zero before the
// point below 1, no trailing zeros, then "分": 87.5 → " 87.5分", 0.5 → " .5分", -3 → "-3分".
QString formatScore(float value);

enum class Winner { Affirmative, Negative, Draw };

// The higher single-precision total wins; equal totals are a draw.
Winner decideWinner(float affirmative, float negative);

// The winning team's name, or "互为平手！" for a draw.
QString winnerText(Winner winner, const QString &affirmativeTeam, const QString &negativeTeam);

// The result of the two stored score lines, as the result screen and the report show it.
struct ContestResult
{
    QString affirmativeTotal;
    QString negativeTotal;
    Winner winner = Winner::Draw;
};

ContestResult contestResult(const QString &affirmativeLine, const QString &negativeLine);

} // namespace Dovrel
