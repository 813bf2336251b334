#include "ScheduleStore.h"

#include "schedule/ScheduleSchema.h"

#include "data/Database.h"
#include "data/DbError.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <QSet>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {


// One grade is one transaction; inside a transaction the caller already holds, a savepoint,
// so a failure still takes back exactly this grade. A transaction of its own starts
// IMMEDIATE: it reads before it writes, and taking the write lock first cannot deadlock with
// another connection that does the same.
class GradeTransaction {
public:
    explicit GradeTransaction(Connection& c) : c_(c), nested_(!sqlite3_get_autocommit(c.handle())) {
        run(nested_ ? "SAVEPOINT schedule_grade" : "BEGIN IMMEDIATE");
    }
    ~GradeTransaction() {
        if (done_)
            return;
        if (nested_) {
            sqlite3_exec(c_.handle(), "ROLLBACK TO schedule_grade", nullptr, nullptr, nullptr);
            sqlite3_exec(c_.handle(), "RELEASE schedule_grade", nullptr, nullptr, nullptr);
        } else if (!sqlite3_get_autocommit(c_.handle())) {
            sqlite3_exec(c_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
    GradeTransaction(const GradeTransaction&) = delete;
    GradeTransaction& operator=(const GradeTransaction&) = delete;

    void commit() {
        run(nested_ ? "RELEASE schedule_grade" : "COMMIT");
        done_ = true;
    }

private:
    void run(const char* sql) { c_.prepare(QString::fromLatin1(sql)).step(); }

    Connection& c_;
    bool nested_;
    bool done_ = false;
};

double realOrNaN(const QVariant& v) {
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : std::numeric_limits<double>::quiet_NaN();
}

int clampedInt(const QVariant& v) {
    return int(std::clamp<qint64>(v.toLongLong(), INT_MIN, INT_MAX));
}

// A state number another program or an older file may have left: anything but New is read
// as a word under review, and Fsrs corrects the memory values if they make no sense.
Fsrs::State stateOf(const QVariant& v) {
    const qint64 n = v.toLongLong();
    if (n == 0)
        return Fsrs::State::New;
    if (n >= 1 && n <= 3)
        return Fsrs::State(n);
    return Fsrs::State::Review;
}

QVariant dayOrNull(const QDate& d) {
    return d.isValid() ? QVariant(d) : QVariant();
}

QVariant finiteOrNull(double v) {
    return std::isfinite(v) ? QVariant(v) : QVariant();
}

// Throws NoCurrentRecord, before anything is written, when the word is not there.
void markStudied(Connection& c, const QString& name, qint64 wordId, const QDate& today,
                 ScheduleStore::Marks marks) {
    if (marks == ScheduleStore::Marks::Studied) {
        Statement studied =
            c.prepare(QStringLiteral("UPDATE %1 SET readcount = MIN(readcount + 1, 2147483647),"
                                     " lastread = ?, sessionbm = 1 WHERE id = ?")
                          .arg(name));
        studied.bind(1, today);
        studied.bind(2, wordId);
        studied.step();
        if (sqlite3_changes(c.handle()) == 0)
            throw DbError(DbErrorCode::NoCurrentRecord);
    } else {
        Statement exists = c.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE id = ?").arg(name));
        exists.bind(1, wordId);
        if (!exists.step())
            throw DbError(DbErrorCode::NoCurrentRecord);
    }
}

// Returns the new log row's id.
qint64 writeLogRow(Connection& c, const QString& name, qint64 wordId, Fsrs::Rating rating,
                   const QDate& today, const QDateTime& now,
                   const std::optional<Fsrs::Card>& before, const Fsrs::ReviewResult& review) {
    const Fsrs::Card& after = review.card;
    Statement log = c.prepare(QStringLiteral(
        "INSERT INTO review_log (wordtable, wordid, reviewedat, reviewday, grade, elapsed,"
        " interval, corrections, state_before, stability_before, difficulty_before, due_before,"
        " lastreview_before, state_after, stability_after, difficulty_after, due_after)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const Fsrs::Card& was = before.value_or(Fsrs::Card{});
    log.bind(1, name);
    log.bind(2, wordId);
    log.bind(3, now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate));
    log.bind(4, today);
    log.bind(5, int(std::clamp(int(rating), 1, 4)));
    log.bind(6, review.elapsedDays);
    log.bind(7, review.interval);
    log.bind(8, qint64(review.corrections));
    log.bind(9, before ? int(was.state) : 0);
    log.bind(10, before ? finiteOrNull(was.stability) : QVariant());
    log.bind(11, before ? finiteOrNull(was.difficulty) : QVariant());
    log.bind(12, dayOrNull(was.due));
    log.bind(13, dayOrNull(was.lastReview));
    log.bind(14, int(after.state));
    log.bind(15, after.stability);
    log.bind(16, after.difficulty);
    log.bind(17, after.due);
    log.step();
    return sqlite3_last_insert_rowid(c.handle());
}

void writeSchedule(Connection& c, const QString& name, qint64 wordId, const Fsrs::Card& after) {
    Statement row = c.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO schedule (wordtable, wordid, state, stability, difficulty, due,"
        " lastreview, reps, lapses) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    row.bind(1, name);
    row.bind(2, wordId);
    row.bind(3, int(after.state));
    row.bind(4, after.stability);
    row.bind(5, after.difficulty);
    row.bind(6, after.due);
    row.bind(7, after.lastReview);
    row.bind(8, after.reps);
    row.bind(9, after.lapses);
    row.step();
}

} // namespace

ScheduleStore::ScheduleStore(std::shared_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

WordTable ScheduleStore::tableOf(const QString& name) {
    return name.compare(QLatin1String("spwl"), Qt::CaseInsensitive) == 0 ? WordTable::Spwl
                                                                          : WordTable::Words;
}

QString ScheduleStore::tableName(WordTable table) {
    return table == WordTable::Spwl ? QStringLiteral("spwl") : QStringLiteral("words");
}

void ScheduleStore::createSchema(Connection& connection) {
    char* message = nullptr;
    const int rc = sqlite3_exec(connection.handle(), ScheduleSchemaSql, nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        connection.raise(rc);
    connection.noteWrite();
}

std::optional<Fsrs::Card> ScheduleStore::schedule(WordTable table, qint64 wordId) const {
    Statement q = connection_->prepare(
        QStringLiteral("SELECT state, stability, difficulty, due, lastreview, reps, lapses"
                       " FROM schedule WHERE wordtable = ? AND wordid = ?"));
    q.bind(1, tableName(table));
    q.bind(2, wordId);
    if (!q.step())
        return std::nullopt;
    Fsrs::Card c;
    c.state = stateOf(q.value(0));
    c.stability = realOrNaN(q.value(1));
    c.difficulty = realOrNaN(q.value(2));
    c.due = q.value(3).toDate();
    c.lastReview = q.value(4).toDate();
    c.reps = clampedInt(q.value(5));
    c.lapses = clampedInt(q.value(6));
    return c;
}

int ScheduleStore::dueCount(const QDate& today) const {
    Statement q = connection_->prepare(
        QStringLiteral("SELECT count(*) FROM schedule WHERE wordtable IN ('words', 'spwl')"
                       " AND due <= ?"));
    q.bind(1, today);
    q.step();
    return int(q.int64(0));
}

int ScheduleStore::dueCount(WordTable table, const QList<qint64>& wordIds,
                            const QDate& today) const {
    if (wordIds.isEmpty())
        return 0;
    QList<qint64> due = dueWords(table, today);
    if (due.isEmpty())
        return 0;
    // The due words are usually far fewer than the selection: search those, sorted.
    std::sort(due.begin(), due.end());
    due.erase(std::unique(due.begin(), due.end()), due.end());
    return int(std::count_if(wordIds.begin(), wordIds.end(), [&](qint64 id) {
        return std::binary_search(due.begin(), due.end(), id);
    }));
}

QList<qint64> ScheduleStore::dueWords(WordTable table, const QDate& today) const {
    Statement q = connection_->prepare(
        QStringLiteral("SELECT wordid FROM schedule WHERE wordtable = ? AND due <= ?"
                       " ORDER BY due, wordid"));
    q.bind(1, tableName(table));
    q.bind(2, today);
    QList<qint64> ids;
    while (q.step())
        ids.append(q.int64(0));
    return ids;
}

int ScheduleStore::newWordsStarted(const QDate& today) const {
    Statement q = connection_->prepare(
        QStringLiteral("SELECT count(*) FROM review_log WHERE reviewday = ? AND state_before = 0"));
    q.bind(1, today);
    q.step();
    return int(q.int64(0));
}

QList<qint64> ScheduleStore::newWords(WordTable table, const QList<qint64>& selection,
                                      const QDate& today, int newPerDay) const {
    const int left = newPerDay - newWordsStarted(today);
    QList<qint64> fresh;
    if (left <= 0 || selection.isEmpty())
        return fresh;
    // Early in a word list most words are new and a few look-ups find the day's words; once
    // most are scheduled, reading every scheduled id once is cheaper than asking for each.
    constexpr int LookUps = 2000;
    Statement probe = connection_->prepare(
        QStringLiteral("SELECT 1 FROM schedule WHERE wordtable = ? AND wordid = ?"));
    const QString name = tableName(table);
    qsizetype i = 0;
    for (; i < selection.size() && i < LookUps && fresh.size() < left; ++i) {
        probe.reset();
        probe.bind(1, name);
        probe.bind(2, selection[i]);
        if (!probe.step())
            fresh.append(selection[i]);
    }
    if (fresh.size() >= left || i >= selection.size())
        return fresh;
    QSet<qint64> scheduled;
    Statement all =
        connection_->prepare(QStringLiteral("SELECT wordid FROM schedule WHERE wordtable = ?"));
    all.bind(1, name);
    while (all.step())
        scheduled.insert(all.int64(0));
    for (; i < selection.size() && fresh.size() < left; ++i)
        if (!scheduled.contains(selection[i]))
            fresh.append(selection[i]);
    return fresh;
}

ScheduleStore::Waiting ScheduleStore::waiting(WordTable table, const QList<qint64>& selection,
                                              const QDate& today, int newPerDay) const {
    return {dueWords(table, today), newWords(table, selection, today, newPerDay)};
}

ScheduleStore::Graded ScheduleStore::grade(WordTable table, qint64 wordId, Fsrs::Rating rating,
                                           const QDate& today, const QDateTime& now,
                                           const Fsrs::Parameters& params, Marks marks) {
    if (!today.isValid() || !now.isValid())
        throw DbError(DbErrorCode::BadArgument,
                      QStringLiteral("A grade needs the day and the time it is given."));
    Connection& c = *connection_;
    const QString name = tableName(table);
    GradeTransaction transaction(c);

    const std::optional<Fsrs::Card> before = schedule(table, wordId);
    Graded out;
    out.review = Fsrs::review(before.value_or(Fsrs::Card{}), rating, today, params);

    // The study marks first: a word that is not there writes nothing at all.
    markStudied(c, name, wordId, today, marks);
    out.logId = writeLogRow(c, name, wordId, rating, today, now, before, out.review);
    writeSchedule(c, name, wordId, out.review.card);

    transaction.commit();
    c.noteWrite();
    return out;
}

std::optional<QDate> ScheduleStore::nextDue(WordTable table, const QDate& today) const {
    Statement q = connection_->prepare(
        QStringLiteral("SELECT min(due) FROM schedule WHERE wordtable = ? AND due > ?"));
    q.bind(1, tableName(table));
    q.bind(2, today);
    q.step();
    const QDate due = QDate::fromString(q.value(0).toString(), Qt::ISODate);
    return due.isValid() ? std::optional<QDate>(due) : std::nullopt;
}

ScheduleStore::Report ScheduleStore::report(const QDate& today) const {
    Report r;
    if (!today.isValid())
        return r;
    constexpr int Days = Report::Days;
    {
        // Grouped in the index's own order, so only a count is kept per group.
        Statement q = connection_->prepare(QStringLiteral(
            "SELECT reviewday, state_before, grade, count(*) FROM review_log"
            " WHERE reviewday > ? AND reviewday <= ? GROUP BY reviewday, state_before, grade"));
        q.bind(1, today.addDays(-Days));
        q.bind(2, today);
        qint64 underReview = 0, recalled = 0;
        while (q.step()) {
            const QDate day = q.value(0).toDate();
            const qint64 index = Days - 1 - day.daysTo(today);
            if (!day.isValid() || index < 0 || index >= Days)
                continue;
            const qint64 n = q.int64(3);
            r.reviewsPerDay[size_t(index)] += int(n);
            r.reviews += int(n);
            if (q.int64(1) != 0) {
                underReview += n;
                if (q.int64(2) > 1)
                    recalled += n;
            }
        }
        if (underReview > 0)
            r.retention = double(recalled) / double(underReview);
    }
    {
        Statement q = connection_->prepare(
            QStringLiteral("SELECT due, count(*) FROM schedule WHERE wordtable IN ('words', 'spwl')"
                           " AND due > ? AND due <= ? GROUP BY wordtable, due"));
        q.bind(1, today);
        q.bind(2, today.addDays(Days - 1));
        while (q.step()) {
            const QDate day = q.value(0).toDate();
            const qint64 index = today.daysTo(day);
            if (day.isValid() && index > 0 && index < Days)
                r.dueForecast[size_t(index)] += int(q.int64(1));
        }
    }
    r.dueToday = r.dueForecast[0] = dueCount(today);
    for (int i = 1; i <= 7; ++i)
        r.dueNext7Days += r.dueForecast[size_t(i)];
    return r;
}
