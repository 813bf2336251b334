#pragma once

#include <array>
#include <QString>

class DbError;

// The fourteen ways to refine a selection, each an expression over the open rows, and the
// counts the refine window reports.
namespace RefineFilters {

// Option buttons 0..7 (their on-screen numbers differ; see the window).
QString optionExpression(int index);

// Text boxes 0..7: the expression for a change in box `index`, given all eight texts.
// Texts go in as typed, but an apostrophe is doubled so it finds what it says. The number
// boxes (6, 7) take a whole number and nothing else: for any other text, no expression.
QString textExpression(int index, const std::array<QString, 8>& texts);

// What the window shows in place of a count when a change in a text box refined nothing,
// so that the count of the refinement still in force is not taken for this one's: a box
// that gave no expression, or the database's refusal of the expression.
QString noExpressionText(int index);
QString refusalText(const DbError& error);

inline const QString NotANumber = QStringLiteral("Type a whole number.");
inline const QString CannotSearch =
    QStringLiteral("This text cannot be used to refine your selection.");

// Every row of the current selection: the refine window's opening count, "DON'T Refine My
// Current Selection", and a new selection's refinement.
inline const QString Everything = QStringLiteral("bookmark = 1  or bookmark = 0 ");

QString currentSelectionText(int count); // "You have n words in your Current Selection "
QString openingRefinedText(int count);   // "n words after Refining your Selection."
QString optionRefinedText(int count);    // "n WORDS After Refining your Selection"
QString textRefinedText(int count);      // "n in your POCKET."

} // namespace RefineFilters
