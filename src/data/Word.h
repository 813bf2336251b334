#pragma once

#include <optional>
#include <QDate>
#include <QString>

// One word of the word tables as the program works with it. The two difficulty flags are
// kept as stored: a learner's file may hold "very difficult" without "difficult".
struct Word {
    qint64 id = -1;
    QString table; // "words" or "spwl"
    QString name;
    QString meaning;
    QString usage;
    std::optional<int> list; // the word list (groupid); none for a row without one
    bool difficult = false;
    bool veryDifficult = false;
    int readCount = 0;
    QDate lastRead;
    bool sessionMark = false;

    bool isValid() const { return id >= 0; }
    bool operator==(const Word&) const = default;
};

// The two difficulty flags a learner sets on a word.
struct DifficultyMarks {
    bool difficult = false;
    bool veryDifficult = false;
    bool operator==(const DifficultyMarks&) const = default;
};
