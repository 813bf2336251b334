// The schedule and the review log in the word database: a grade writes the log row, the
// schedule and the study marks together or not at all; the due words, the day's new words
// and the report's figures; stored nonsense and a clock set back.
#include "data/Database.h"
#include "data/DbError.h"
#include "schedule/ScheduleStore.h"
#include "support/Fixture.h"

#include <QtTest>

using Fsrs::Rating;

namespace {

const QDate Today(2025, 3, 14);
const QDateTime Now(Today, QTime(9, 30));

struct Db {
    FixtureDb fixture;
    std::shared_ptr<Connection> conn;
    ScheduleStore store;

    Db() : conn(Connection::open(ConnectionStrings::ReadWrite)), store(conn) {
        ScheduleStore::createSchema(*conn);
    }
    void run(const QString& sql) const { conn->prepare(sql).step(); }
    qint64 id(const char* name, const char* table = "words") const {
        return scalar(QStringLiteral("SELECT id FROM %1 WHERE name = '%2'")
                          .arg(QLatin1String(table), QLatin1String(name)))
            .toLongLong();
    }
    // Through the store's own connection: opening another derives the key again, which is slow.
    QVariant scalar(const QString& sql) const {
        Statement q = conn->prepare(sql);
        return q.step() ? q.value(0) : QVariant();
    }
    // Everything a grade may touch, to compare before and after.
    QString state() const {
        return fixture.dump() + u'\n' +
               scalar("SELECT group_concat(wordtable || wordid || '/' || state || '/' || stability"
                      " || '/' || due, ';') FROM schedule")
                   .toString() +
               u'\n' + scalar("SELECT count(*) || '/' || max(id) FROM review_log").toString();
    }
    void schedule(const char* table, qint64 id, const QDate& due, const QDate& last) const {
        Statement q = conn->prepare(
            QStringLiteral("INSERT INTO schedule VALUES (?, ?, 2, 5.0, 5.0, ?, ?, 3, 0)"));
        q.bind(1, QString::fromLatin1(table));
        q.bind(2, id);
        q.bind(3, due);
        q.bind(4, last);
        q.step();
    }
    void logged(const QDate& day, int grade, int stateBefore) const {
        Statement q = conn->prepare(QStringLiteral(
            "INSERT INTO review_log (wordtable, wordid, reviewedat, reviewday, grade, elapsed,"
            " interval, state_before, state_after, stability_after, difficulty_after, due_after)"
            " VALUES ('words', 1, '', ?1, ?2, 0, 1, ?3, 2, 1.0, 5.0, ?1)"));
        q.bind(1, day);
        q.bind(2, grade);
        q.bind(3, stateBefore);
        q.step();
    }
};

} // namespace

class TestScheduleStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void theSchemaCanBeCreatedAgain() {
        Db db;
        ScheduleStore::createSchema(*db.conn);
        QCOMPARE(db.scalar("SELECT count(*) FROM sqlite_master WHERE name IN ('schedule',"
                           " 'review_log', 'schedule_due', 'review_log_day')")
                     .toInt(),
                 4);
    }

    void aGradeWritesLogScheduleAndMarks() {
        Db db;
        const qint64 abate = db.id("abate"); // read twice, last in 2004, no session mark
        const auto first = db.store.grade(WordTable::Words, abate, Rating::Good, Today, Now);
        QCOMPARE(first.review.interval, 3); // FSRS-6 defaults: a first Good waits 3 days
        // Read through a handle of its own: the grade has reached the file.
        QCOMPARE(db.fixture
                     .scalar(QStringLiteral("SELECT readcount || lastread || sessionbm FROM words"
                                            " WHERE id = %1")
                                 .arg(abate))
                     .toString(),
                 QStringLiteral("32025-03-141"));
        const std::optional<Fsrs::Card> saved = db.store.schedule(WordTable::Words, abate);
        QVERIFY(saved);
        QCOMPARE(*saved, first.review.card);
        QCOMPARE(db.scalar(QStringLiteral("SELECT wordtable || wordid || '|' || reviewday || '|' ||"
                                          " grade || interval || state_before || '|' ||"
                                          " coalesce(stability_before, '-') || '|' || due_after"
                                          " FROM review_log WHERE id = %1")
                               .arg(first.logId))
                     .toString(),
                 QStringLiteral("words%1|2025-03-14|330|-|2025-03-17").arg(abate));
        QVERIFY(db.scalar("SELECT reviewedat FROM review_log")
                    .toString()
                    .startsWith(QStringLiteral("2025-03-14T09:30:00")));

        // On the due day the stored state is the one graded.
        const QDate due = first.review.card.due;
        const auto second = db.store.grade(WordTable::Words, abate, Rating::Again, due,
                                           QDateTime(due, QTime(8, 0)));
        const auto expected = Fsrs::review(first.review.card, Rating::Again, due);
        QCOMPARE(second.review.card, expected.card);
        QCOMPARE(second.review.card.lapses, 1);
        QCOMPARE(db.scalar(QStringLiteral("SELECT elapsed || '/' || state_before || '/' ||"
                                          " stability_before || '/' || due_before FROM review_log"
                                          " WHERE id = %1")
                               .arg(second.logId))
                     .toString(),
                 QStringLiteral("3/2/2.3065/2025-03-17"));
        QCOMPARE(db.scalar("SELECT count(*) FROM review_log").toInt(), 2);
        QCOMPARE(db.scalar(QStringLiteral("SELECT readcount FROM words WHERE id = %1").arg(abate))
                     .toInt(),
                 4);
    }

    void theReadCountStopsAtItsLimit() {
        Db db;
        const qint64 epoch = db.id("epoch", "spwl");
        db.run(QStringLiteral("UPDATE spwl SET readcount = 2147483647 WHERE id = %1").arg(epoch));
        db.store.grade(WordTable::Spwl, epoch, Rating::Easy, Today, Now);
        QCOMPARE(db.scalar(QStringLiteral("SELECT readcount FROM spwl WHERE id = %1").arg(epoch))
                     .toLongLong(),
                 2147483647LL);
        QVERIFY(db.store.schedule(WordTable::Spwl, epoch));
        QVERIFY(!db.store.schedule(WordTable::Words, epoch));
    }

    // Whatever step fails, the database is as it was before the grade.
    void aFailedGradeWritesNothing_data() {
        QTest::addColumn<QString>("sabotage");
        QTest::addColumn<qint64>("wordId");
        QTest::addColumn<qint64>("error");
        QTest::newRow("the marks are refused")
            << "CREATE TRIGGER t BEFORE UPDATE ON words BEGIN SELECT RAISE(ABORT, 'no'); END"
            << qint64(2) << qint64(3314);
        QTest::newRow("the log row is refused")
            << "CREATE TRIGGER t BEFORE INSERT ON review_log BEGIN SELECT RAISE(ABORT, 'no'); END"
            << qint64(2) << qint64(3314);
        QTest::newRow("the schedule, written last, is refused")
            << "CREATE TRIGGER t BEFORE INSERT ON schedule BEGIN SELECT RAISE(ABORT, 'no'); END"
            << qint64(2) << qint64(3314);
        QTest::newRow("no such word") << "" << qint64(999) << qint64(3021);
    }
    void aFailedGradeWritesNothing() {
        QFETCH(QString, sabotage);
        QFETCH(qint64, wordId);
        QFETCH(qint64, error);
        Db db;
        db.store.grade(WordTable::Words, 2, Rating::Good, Today.addDays(-9), Now.addDays(-9));
        if (!sabotage.isEmpty())
            db.run(sabotage);
        const QString before = db.state();
        try {
            db.store.grade(WordTable::Words, wordId, Rating::Hard, Today, Now);
            QFAIL("the grade went through");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), error);
        }
        QCOMPARE(db.state(), before);
        // The connection is usable again at once.
        db.run(QStringLiteral("DROP TRIGGER IF EXISTS t"));
        db.store.grade(WordTable::Words, 2, Rating::Hard, Today, Now);
        QCOMPARE(db.scalar("SELECT count(*) FROM review_log").toInt(), 2);
    }

    void aReadOnlyDatabaseRefusesTheGrade() {
        Db db;
        const QString before = db.state();
        ScheduleStore readOnly(Connection::open(ConnectionStrings::ReadOnly));
        try {
            readOnly.grade(WordTable::Words, 2, Rating::Good, Today, Now);
            QFAIL("the grade went through");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), qint64(3027));
        }
        QCOMPARE(db.state(), before);
    }

    // Inside a transaction of the caller's, a failed grade takes back only itself.
    void aGradeNestsInTheCallersTransaction() {
        Db db;
        db.run(QStringLiteral("BEGIN"));
        db.run(QStringLiteral("UPDATE words SET bookmark = 1 WHERE id = 1"));
        db.store.grade(WordTable::Words, 3, Rating::Good, Today, Now);
        db.run(QStringLiteral("CREATE TRIGGER t BEFORE INSERT ON schedule BEGIN"
                              " SELECT RAISE(ABORT, 'no'); END"));
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 db.store.grade(WordTable::Words, 4, Rating::Good, Today, Now));
        db.run(QStringLiteral("COMMIT"));
        QCOMPARE(db.scalar("SELECT bookmark FROM words WHERE id = 1").toInt(), 1);
        QCOMPARE(db.scalar("SELECT group_concat(wordid) FROM review_log").toString(),
                 QStringLiteral("3"));
        QCOMPARE(db.scalar("SELECT sessionbm FROM words WHERE id = 4").toInt(), 1); // fixture's
        QCOMPARE(db.scalar("SELECT readcount FROM words WHERE id = 4").toInt(), 1);
    }

    void dueWordsAndTheDaysNewWords() {
        Db db;
        // words 1..8, spwl 1..4; due: 6 (overdue a month), 2 and 5 (overdue a week), 3 today,
        // 7 tomorrow; spwl 2 overdue.
        db.schedule("words", 6, Today.addDays(-30), Today.addDays(-40));
        db.schedule("words", 5, Today.addDays(-7), Today.addDays(-9));
        db.schedule("words", 2, Today.addDays(-7), Today.addDays(-12));
        db.schedule("words", 3, Today, Today.addDays(-2));
        db.schedule("words", 7, Today.addDays(1), Today.addDays(-2));
        db.schedule("spwl", 2, Today.addDays(-1), Today.addDays(-3));
        QCOMPARE(db.store.dueCount(Today), 5);
        QCOMPARE(db.store.dueCount(Today.addDays(-8)), 1);
        QCOMPARE(db.store.dueWords(WordTable::Words, Today), (QList<qint64>{6, 2, 5, 3}));
        QCOMPARE(db.store.dueWords(WordTable::Spwl, Today), (QList<qint64>{2}));
        QCOMPARE(db.store.dueCount(WordTable::Words, {3, 7, 8, 5, 99}, Today), 2);
        QCOMPARE(db.store.dueCount(WordTable::Spwl, {3, 7, 8, 5}, Today), 0);

        // New words come from the selection in its order, skipping scheduled ones.
        const QList<qint64> selection{8, 7, 6, 1, 4, 3, 2};
        QCOMPARE(db.store.newWords(WordTable::Words, selection, Today, 2), (QList<qint64>{8, 1}));
        QCOMPARE(db.store.newWords(WordTable::Words, selection, Today, 10),
                 (QList<qint64>{8, 1, 4}));
        QCOMPARE(db.store.newWords(WordTable::Spwl, {2, 3}, Today, 10), (QList<qint64>{3}));
        // A word started today uses up one of the day's new words, whichever table it is in.
        db.store.grade(WordTable::Spwl, 4, Rating::Good, Today, Now);
        QCOMPARE(db.store.newWordsStarted(Today), 1);
        QCOMPARE(db.store.newWords(WordTable::Words, selection, Today, 2), (QList<qint64>{8}));
        // A second grade of a word under review is no new word.
        db.store.grade(WordTable::Words, 6, Rating::Good, Today, Now);
        const auto waiting = db.store.waiting(WordTable::Words, selection, Today, 3);
        QCOMPARE(waiting.all(), (QList<qint64>{2, 5, 3, 8, 1}));
        QCOMPARE(waiting.count(), 5);
        QCOMPARE(db.store.newWords(WordTable::Words, selection, Today, 0), QList<qint64>());
    }

    // Past the probing of the first look-ups, the selection is checked against every
    // scheduled id at once; both ways give the same words.
    void newWordsFromALongSelection() {
        Db db;
        QList<qint64> selection;
        for (qint64 i = 5000; i > 0; --i)
            selection.append(i);
        db.run(QStringLiteral("BEGIN"));
        Statement q = db.conn->prepare(QStringLiteral(
            "INSERT INTO schedule VALUES ('words', ?, 2, 5, 5, '2025-01-01', NULL, 1, 0)"));
        for (qint64 i = 5000; i > 2; --i) {
            if (i == 4000 || i == 20)
                continue;
            q.reset();
            q.bind(1, i);
            q.step();
        }
        db.run(QStringLiteral("COMMIT"));
        QCOMPARE(db.store.newWords(WordTable::Words, selection, Today, 3),
                 (QList<qint64>{4000, 20, 2}));
    }

    // Stored values that make no sense are corrected at the grade, and the log says how.
    void nonsenseInTheScheduleIsCorrectedAndLogged_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("corrections");
        QTest::addColumn<int>("elapsed");
        QTest::newRow("text for stability")
            << "2, 'abc', 5, '2025-03-01', '2025-03-01', 3, 0" << int(Fsrs::MemoryReset) << 0;
        QTest::newRow("unknown state, huge stability")
            << "9, 1e12, 5, '2025-03-01', '2025-03-01', 3, 0" << int(Fsrs::StabilityClamped) << 13;
        QTest::newRow("reviewed in the future")
            << "2, 4.0, 5, '2025-03-20', '2025-03-18', 3, 0" << int(Fsrs::LastReviewInFuture) << 0;
        QTest::newRow("no last review, negative reps")
            << "2, 4.0, 5, 'soon', NULL, -8, 0"
            << int(Fsrs::LastReviewMissing | Fsrs::CountsClamped) << 0;
        QTest::newRow("difficulty 99")
            << "2, 4.0, 99, '2025-03-01', '2025-03-01', 3, 0" << int(Fsrs::DifficultyClamped) << 13;
    }
    void nonsenseInTheScheduleIsCorrectedAndLogged() {
        QFETCH(QString, row);
        QFETCH(int, corrections);
        QFETCH(int, elapsed);
        Db db;
        db.run(QStringLiteral("PRAGMA ignore_check_constraints = 1"));
        db.run(QStringLiteral("INSERT INTO schedule VALUES ('words', 5, %1)").arg(row));
        db.run(QStringLiteral("PRAGMA ignore_check_constraints = 0"));
        const auto graded = db.store.grade(WordTable::Words, 5, Rating::Good, Today, Now);
        QCOMPARE(int(graded.review.corrections), corrections);
        QCOMPARE(graded.review.elapsedDays, elapsed);
        QCOMPARE(db.scalar("SELECT corrections || '/' || elapsed FROM review_log").toString(),
                 QStringLiteral("%1/%2").arg(corrections).arg(elapsed));
        const std::optional<Fsrs::Card> now = db.store.schedule(WordTable::Words, 5);
        QVERIFY(now && now->stability > 0 && now->difficulty >= 1 && now->difficulty <= 10);
        QCOMPARE(now->lastReview, Today);
        QVERIFY(now->due > Today);
        QVERIFY(now->reps >= 1);
    }

    void theReportsFigures() {
        Db db;
        db.logged(Today, 3, 2);
        db.logged(Today, 1, 2);
        db.logged(Today, 3, 0); // first seen: not a recall
        db.logged(Today.addDays(-29), 2, 2);
        db.logged(Today.addDays(-29), 1, 0);
        db.logged(Today.addDays(-30), 3, 2); // too old
        db.logged(Today.addDays(2), 1, 2);   // logged by a clock that was ahead
        db.schedule("words", 1, Today.addDays(-100), Today.addDays(-200));
        db.schedule("words", 2, Today, Today.addDays(-3));
        db.schedule("spwl", 1, Today.addDays(1), Today.addDays(-3));
        db.schedule("words", 3, Today.addDays(7), Today.addDays(-3));
        db.schedule("words", 4, Today.addDays(8), Today.addDays(-3));
        db.schedule("words", 5, Today.addDays(29), Today.addDays(-3));
        db.schedule("words", 6, Today.addDays(30), Today.addDays(-3));

        const ScheduleStore::Report r = db.store.report(Today);
        QCOMPARE(r.dueToday, 2);
        QCOMPARE(r.dueNext7Days, 2);
        QCOMPARE(r.reviews, 5);
        QVERIFY(r.retention);
        QCOMPARE(*r.retention, 2.0 / 3.0);
        std::array<int, 30> perDay{};
        perDay[0] = 2;
        perDay[29] = 3;
        QCOMPARE(r.reviewsPerDay, perDay);
        std::array<int, 30> forecast{};
        forecast[0] = 2;
        forecast[1] = forecast[7] = forecast[8] = forecast[29] = 1;
        QCOMPARE(r.dueForecast, forecast);

        const ScheduleStore::Report empty = db.store.report(Today.addDays(400));
        QCOMPARE(empty.reviews, 0);
        QVERIFY(!empty.retention);
        QCOMPARE(empty.dueToday, 7);
    }

    void deletingAWordUnschedulesItAndKeepsItsLog() {
        Db db;
        db.store.grade(WordTable::Words, 2, Rating::Good, Today, Now);
        db.store.grade(WordTable::Spwl, 2, Rating::Good, Today, Now);
        db.run(QStringLiteral("DELETE FROM words WHERE id = 2"));
        QVERIFY(!db.store.schedule(WordTable::Words, 2));
        QVERIFY(db.store.schedule(WordTable::Spwl, 2));
        QCOMPARE(db.scalar("SELECT count(*) FROM review_log").toInt(), 2);
    }
};

QTEST_GUILESS_MAIN(TestScheduleStore)
#include "tst_schedulestore.moc"
