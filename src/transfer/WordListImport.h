#pragma once

#include "data/WordStore.h"
#include "maintenance/NewWord.h"
#include "transfer/WordListFile.h"

#include <functional>
#include <QList>
#include <QString>
#include <stdexcept>

class Random;

// Importing a word list: each record becomes the row it will be stored as, a look at the
// whole file tells the learner what will happen, and the write stores it all at once.
namespace WordListImport {

struct PlannedRow {
    enum class Status { New, Existing, Repeated, Refused };
    qint64 line = 0;
    QString word;
    QString meaning;
    QString example;
    QString lesson;
    bool exampleMasked = false; // the example held the word, now behind the placeholder
    Status status = Status::New;
    QString refusal;
};

// A record as it will be stored: the word checked and trimmed, meaning and example cleaned
// (HTML stripped where the file holds HTML, a spreadsheet's formula guard taken off), the
// word in the example masked as the shipped examples are. Status New or Refused.
PlannedRow planRow(const SourceRecord& record, const FileLayout& layout);

inline constexpr int PreviewRows = 500;
inline constexpr int ListedRefusals = 1000;
// More rows than any word list has; past it a file is refused rather than half imported.
inline constexpr qint64 MaxRows = 1000000;

struct Preview {
    QString error; // the file cannot be imported: what and where (file and line)
    bool cancelled = false;
    qint64 newWords = 0;
    qint64 existing = 0; // already among the learner's words
    qint64 repeated = 0; // a word an earlier row of the file already has
    qint64 refused = 0;
    QList<PlannedRow> rows;      // the first rows, as they will be stored
    QList<PlannedRow> refusals;  // the first refused rows
};

// Called now and then with the bytes read and the file's size; false stops the work.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// Reads the whole file once, holding only the first rows, the first refusals and a hash of
// each word.
Preview preview(const QString& path, const FileLayout& layout, const WordStore& store,
                const Progress& progress = {});

struct Options {
    bool updateExisting = false; // duplicates: update meaning and example, or skip
    NewWord::Difficulty difficulty = NewWord::Easy;
};

struct Outcome {
    WordStore::ImportCounts counts;
    qint64 refused = 0;
    QString error;
    bool cancelled = false;
};

// Stores the file's rows in one transaction: cancelled, failed or cut short, nothing of it
// stays. New words go to list 51 or 52 (a draw for each, as Add Word draws).
Outcome importFile(WordStore& store, const QString& path, const FileLayout& layout,
                   const Options& options, Random& random, const Progress& progress = {});

// The one summary line of an import.
QString summary(const Outcome& outcome);
// "line 12: the word holds a character that cannot be seen"
QString refusalLine(const PlannedRow& row);

} // namespace WordListImport
