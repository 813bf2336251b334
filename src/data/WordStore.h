#pragma once

#include "data/Word.h"

#include <functional>
#include <memory>
#include <QDate>
#include <QString>

class Connection;

// The only code that knows the word tables' columns. Reads are typed; each learner action
// is one method and one transaction, with every value bound. A failure throws DbError and
// leaves the row as it was.
class WordStore {
public:
    explicit WordStore(std::shared_ptr<Connection> connection);

    const std::shared_ptr<Connection>& connection() const { return connection_; }

    // The row, or an invalid Word when it is gone. table is "words" or "spwl".
    Word word(const QString& table, qint64 id) const;

    // The word of that name in "words" (names are unique there, in any case); invalid when
    // there is none.
    Word wordNamed(const QString& name) const;

    // "Mark it. I've Studied.": the count goes up by one in the statement itself (two
    // programs on one file both count), saturating; the date and the session mark with it.
    void markStudied(const QString& table, qint64 id, const QDate& today);
    void setDifficulty(const QString& table, qint64 id, DifficultyMarks marks);
    void updateMeaningAndUsage(const QString& table, qint64 id, const QString& meaning,
                               const QString& usage);

    struct NewWord {
        QString name;
        QString meaning;
        QString usage;
        DifficultyMarks marks;
        int list = 51;
    };
    // Appends to "words"; a name already there (in any case) throws DbErrorCode::Duplicate.
    qint64 addWord(const NewWord& word);

    // Every name in "words", for telling an import's new words from those already there.
    void forEachWordName(const std::function<void(const QString&)>& visit) const;

    struct ImportCounts {
        qint64 added = 0;
        qint64 updated = 0;
        qint64 skipped = 0;
    };
    // An import: every word next() hands out (false when there are no more), in ONE
    // transaction. A name already there, in any case, is skipped, or with updateExisting
    // takes the new meaning and example where they are not empty. Whatever throws, next()
    // too (a learner's cancel), rolls all of it back and goes on to the caller.
    ImportCounts importWords(const std::function<bool(NewWord&)>& next, bool updateExisting);

    // Start of a run: the marks of the last session go. Only marked rows are touched.
    void clearSessionMarks();

private:
    static const QString& checkedTable(const QString& table);

    std::shared_ptr<Connection> connection_;
};
