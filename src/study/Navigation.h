#pragma once

#include <QString>

class Recordset;

// Moving through the refined selection: previous / next with their end rules, the random
// word, and find-as-you-type.
namespace Navigation {

// The enabled state of "Previous Word" and "Next Word". Only a step changes it: a step that
// fails for want of a current row disables its own button, any step enables the other one.
struct Buttons {
    bool previous = true;
    bool next = true;
};
// Moves one row forward (or back) and applies the rule; returns whether the move succeeded.
bool step(Recordset* rs, bool forward, Buttons& buttons);

// The row index 0..n-1 drawn by r in [0, 1): each equally likely.
int randomIndex(int rows, double r);
// Moves to the first row, then k rows on. Throws when there is no row.
void moveToRandomRow(Recordset* rs, double r);

// Moves to the first refined row whose name starts with text (in either Unicode form). When
// none does, or the text cannot be searched for (a NUL), goes back to the row that was
// current and returns false (the caller says "Word Not Found"). A search stopped at the
// time limit goes back as well and throws DbErrors::TooComplex.
bool findWord(Recordset* rs, const QString& text);

QString wordNotFoundMessage();
// What the find box says after findWord: nothing when found, "Word Not Found", or that the
// search was too complex.
QString findWordMessage(Recordset* rs, const QString& text);

} // namespace Navigation
