#pragma once

#include <QString>

// What happens to a cell's text between a word-list file and the word tables.
namespace FieldText {

// Flashcard programs keep fields as HTML: tags go (a line break or a block's end becomes a
// line break), character references are decoded, "[sound:...]" references are dropped.
QString stripHtml(const QString& html);

// A spreadsheet runs a cell that starts with =, +, -, @ (or a tab or carriage return, which
// some strip first) as a formula. Such a cell is written with an apostrophe in front, which
// spreadsheets take as "text follows" and which reading the file back removes.
QString guardFormula(const QString& cell);
QString unguardFormula(const QString& cell);

} // namespace FieldText
