#pragma once

#include "data/Word.h"

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

    // Start of a run: the marks of the last session go. Only marked rows are touched.
    void clearSessionMarks();

private:
    static const QString& checkedTable(const QString& table);

    std::shared_ptr<Connection> connection_;
};
