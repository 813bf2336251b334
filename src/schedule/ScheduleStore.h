#pragma once

// The spaced-repetition schedule of each word and the log of every grade, in tables of their
// own beside `words` and `spwl` in the same database.
//
//   ScheduleStore::createSchema(conn)        the tables, indexes and triggers; the schema
//                                            upgrade calls it inside its own transaction
//   store.waiting(table, selection, today, n) the words waiting today: due ones, most overdue
//                                            first, then up to n new ones a day from the
//                                            selection in its order
//   store.dueCount(today)                    the toolbar's count of scheduled words due
//   store.grade(table, id, rating, today, now, params)
//                                            one learner action, one transaction: the log
//                                            row, the schedule and the study marks
//   store.report(today)                      the progress report's figures
//
// Days are the learner's local days (QDate). Values are always bound; the only text chosen
// by the caller is a word table, from the WordTable enum. Failures throw DbError and leave
// nothing half-written. Fsrs.h says how nonsense in a stored schedule or a clock that went
// backwards is corrected; the corrections a grade made are kept in its log row.

#include "schedule/Fsrs.h"

#include <array>
#include <memory>
#include <optional>
#include <QDateTime>
#include <QList>
#include <QStringList>

class Connection;

enum class WordTable { Words, Spwl };

class ScheduleStore {
public:
    explicit ScheduleStore(std::shared_ptr<Connection> connection);

    // The schedule and the review log (ScheduleSchema.h), on the caller's transaction; running
    // it twice is harmless.
    static void createSchema(Connection& connection);

    // The word's schedule, or none for a word never graded.
    std::optional<Fsrs::Card> schedule(WordTable table, qint64 wordId) const;

    // Scheduled words of both tables due on or before today.
    int dueCount(const QDate& today) const;
    // ... of one table, among the given words.
    int dueCount(WordTable table, const QList<qint64>& wordIds, const QDate& today) const;
    // Scheduled words of one table due on or before today, most overdue first (then by id).
    QList<qint64> dueWords(WordTable table, const QDate& today) const;
    // Words of both tables graded today for the first time (they use up the day's new words).
    int newWordsStarted(const QDate& today) const;
    // Never-graded words of the selection, in its order, as many as the day has left of
    // newPerDay.
    QList<qint64> newWords(WordTable table, const QList<qint64>& selection, const QDate& today,
                           int newPerDay) const;

    struct Waiting {
        QList<qint64> due;   // dueWords()
        QList<qint64> fresh; // newWords()
        int count() const { return int(due.size() + fresh.size()); }
        QList<qint64> all() const { return due + fresh; }
    };
    Waiting waiting(WordTable table, const QList<qint64>& selection, const QDate& today,
                    int newPerDay) const;

    struct Graded {
        Fsrs::ReviewResult review;
        qint64 logId = 0;
    };
    // Schedules the word, writes its log row and, when it counts as studied, marks it so (read
    // count + 1, stopping at 2147483647; last read today; session mark), all in one
    // transaction, nested in the caller's when one is open. A quiz answer grades without the
    // marks: the quiz never counted as studying. A word that is not there:
    // DbErrorCode::NoCurrentRecord.
    enum class Marks { Studied, None };
    Graded grade(WordTable table, qint64 wordId, Fsrs::Rating rating, const QDate& today,
                 const QDateTime& now, const Fsrs::Parameters& params = {},
                 Marks marks = Marks::Studied);

    // The first day after today on which a word of the table is due, if any.
    std::optional<QDate> nextDue(WordTable table, const QDate& today) const;

    struct Report {
        static constexpr int Days = 30;
        int dueToday = 0;     // due today or overdue
        int dueNext7Days = 0; // due on one of the 7 days after today
        int reviews = 0;      // grades given in the 30 days ending today
        // Of those, the share of words under review (not first seen) that were recalled:
        // any grade but Again. None when there was no such grade.
        std::optional<double> retention;
        std::array<int, Days> reviewsPerDay{}; // [0] 29 days ago .. [29] today
        std::array<int, Days> dueForecast{};   // [0] today, overdue included; [i] today + i
    };
    // Grades logged after today (the clock was set back since) are left out until their day.
    Report report(const QDate& today) const;

    static QString tableName(WordTable table);
    static WordTable tableOf(const QString& name); // "spwl", else the main table

private:
    std::shared_ptr<Connection> connection_;
};
