#pragma once

#include <QString>

// What may be stored as a word, and how texts are stored: for adding a word and for
// importing word lists.
namespace WordName {

// A typed word, either as it is stored (NFC, no blanks before or after it) or refused with
// the reason. "café" typed as e + combining accent and as é are one word.
struct Checked {
    QString word;
    QString error; // empty when the word is accepted
    bool ok() const { return error.isEmpty(); }
};
Checked check(const QString& typed);

// A meaning or usage as it is stored: NFC, without NULs and control characters other than
// line breaks and tabs.
QString cleanText(const QString& text);

inline const QString Empty =
    QStringLiteral("Please type the word you want to add. Nothing was added.");
inline const QString Invisible = QStringLiteral(
    "The word holds a character that cannot be seen (a control character, a line break, a "
    "tab or an invisible mark). Nothing was added.");
inline const QString NoLetter =
    QStringLiteral("A word needs at least one letter. Nothing was added.");

} // namespace WordName
