#pragma once

#include "data/WordStore.h"

#include <QString>

// The rules of adding a word of the learner's own to the word table: the new row, the
// word-list draw and the texts of the add-word window.
namespace NewWord {

// The three difficulty options, in the window's order.
enum Difficulty { Easy = 0, Difficult = 1, VeryDifficult = 2 };

// New words go to word list 51 or 52, one of them drawn with r uniform in [0, 1).
int wordList(double r);

// The new row; every other column takes the table's default. The word is stored as
// WordName::check gives it (the caller has checked it), meaning and usage as
// WordName::cleanText gives them.
WordStore::NewWord row(const QString& word, const QString& meaning, const QString& usage,
                       Difficulty difficulty, double r);

inline const QString AddedAskAnother =
    QStringLiteral("Word Added Successfully\r\n\r\nAdd Another Word?");
inline const QString AlreadyExists = QStringLiteral("Word Already Exists");

// Any other failure: "Error: ", the number with its sign position, ". ", the description.
QString errorText(qint64 number, const QString& description);

} // namespace NewWord
