#pragma once

#include <QString>
#include <QVariantMap>

// The rules of adding a word of the learner's own to the word table: the new row, the
// word-list draw and the texts of the add-word window.
namespace NewWord {

// The three difficulty options, in the window's order.
enum Difficulty { Easy = 0, Difficult = 1, VeryDifficult = 2 };

// New words go to word list 51 or 52, one of them drawn with r uniform in [0, 1).
int wordList(double r);

// The word as it is stored: blanks before and after it are no part of it, so "abase " is
// the duplicate of "abase" it looks like.
QString storedName(const QString& typed);

// The columns of the new row; every other column takes the table's default.
QVariantMap row(const QString& word, const QString& meaning, const QString& usage,
                Difficulty difficulty, double r);

inline const QString AddedAskAnother =
    QStringLiteral("Word Added Successfully\r\n\r\nAdd Another Word?");
inline const QString AlreadyExists = QStringLiteral("Word Already Exists");
inline const QString EmptyWord =
    QStringLiteral("Please type the word you want to add. Nothing was added.");

// Any other failure: "Error: ", the number with its sign position, ". ", the description.
QString errorText(qint64 number, const QString& description);

} // namespace NewWord
