// The schedule at 100,000 and 1,000,000 words with 1,000,000 review-log rows: the due count,
// the words waiting today, one grade, the progress report's figures; and the same steps as
// the learner takes them through the study session.
#include "data/Database.h"
#include "schedule/ScheduleStore.h"
#include "study/StudySession.h"
#include "SyntheticDb.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <map>
#include <random>

namespace {

constexpr int kLogRows = 1000000;
const QDate kToday(2025, 6, 1);

struct ScheduledDb {
    explicit ScheduledDb(int words) : kWords(words), words(words) { build(); }
    const int kWords;
    SyntheticDb words;
    std::shared_ptr<Connection> conn = Connection::open(ConnectionStrings::ReadWrite);
    QList<qint64> selection; // every word in name order, as a selection lists them

    void build() {
        QElapsedTimer timer;
        timer.start();
        ScheduleStore::createSchema(*conn);
        // The day index is built after the rows, in one sort, rather than row by row.
        conn->prepare(QStringLiteral("DROP INDEX review_log_day")).step();
        conn->prepare(QStringLiteral("BEGIN")).step();
        fill();
        conn->prepare(QStringLiteral("COMMIT")).step();
        ScheduleStore::createSchema(*conn);
        Statement q = conn->prepare(QStringLiteral("SELECT id FROM words ORDER BY name"));
        while (q.step())
            selection.append(q.int64(0));
        qInfo("schedule of %d words, %d log rows, %s due today: built in %lld ms", kWords, kLogRows,
              qPrintable(QString::number(ScheduleStore(conn).dueCount(kToday))), timer.elapsed());
    }

    // Every tenth word is new; the others have 6 to 16 grades each, given on their due day
    // or a few days late, the last of them between today and one interval ago.
    void fill() {
        std::mt19937 rng(4711);
        std::uniform_int_distribution<int> grade(1, 20), late(0, 3), count(6, 16);
        Statement log = conn->prepare(QStringLiteral(
            "INSERT INTO review_log (wordtable, wordid, reviewedat, reviewday, grade, elapsed,"
            " interval, state_before, stability_before, difficulty_before, due_before,"
            " state_after, stability_after, difficulty_after, due_after)"
            " VALUES ('words', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 2, ?, ?, ?)"));
        Statement row = conn->prepare(
            QStringLiteral("INSERT INTO schedule VALUES ('words', ?, 2, ?, ?, ?, ?, ?, ?)"));
        int rows = 0;
        for (qint64 id = 1; id <= kWords; ++id) {
            if (id % 10 == 0)
                continue;
            const int grades = std::min(count(rng), kLogRows - rows);
            if (grades <= 0)
                break;
            // A history from day 0, moved afterwards so that its last grade falls before today.
            struct Step {
                int rating;
                Fsrs::ReviewResult r;
                Fsrs::Card before;
            };
            std::vector<Step> steps;
            Fsrs::Card card;
            QDate day(2000, 1, 1);
            for (int k = 0; k < grades; ++k) {
                if (k > 0)
                    day = card.due.addDays(late(rng));
                const int g = grade(rng);
                const int rating = g <= 3 ? 1 : g <= 6 ? 2 : g <= 18 ? 3 : 4;
                const auto r = Fsrs::review(card, Fsrs::Rating(rating), day);
                steps.push_back({rating, r, card});
                card = r.card;
            }
            const int lastInterval = steps.back().r.interval;
            const int back =
                std::uniform_int_distribution<int>(0, lastInterval + lastInterval / 10)(rng);
            const qint64 shift = day.daysTo(kToday) - back;
            for (const Step& s : steps) {
                const QDate when = s.r.card.lastReview.addDays(shift);
                log.reset();
                log.bind(1, id);
                log.bind(2, when.toString(Qt::ISODate) + QStringLiteral("T10:00:00+01:00"));
                log.bind(3, when);
                log.bind(4, s.rating);
                log.bind(5, s.r.elapsedDays);
                log.bind(6, s.r.interval);
                log.bind(7, int(s.before.state));
                log.bind(8, s.before.stability);
                log.bind(9, s.before.difficulty);
                log.bind(10, s.before.due.isValid() ? QVariant(s.before.due.addDays(shift))
                                                    : QVariant());
                log.bind(11, s.r.card.stability);
                log.bind(12, s.r.card.difficulty);
                log.bind(13, s.r.card.due.addDays(shift));
                log.step();
            }
            rows += grades;
            row.reset();
            row.bind(1, id);
            row.bind(2, card.stability);
            row.bind(3, card.difficulty);
            row.bind(4, card.due.addDays(shift));
            row.bind(5, card.lastReview.addDays(shift));
            row.bind(6, card.reps);
            row.bind(7, card.lapses);
            row.step();
        }
        // What the history above left short of the million goes to the first words again.
        for (qint64 id = 1; rows < kLogRows; id = id % kWords + 1, ++rows) {
            log.reset();
            log.bind(1, id);
            log.bind(2, QStringLiteral("2022-01-01T10:00:00+01:00"));
            log.bind(3, QDate(2022, 1, 1));
            log.bind(4, 3);
            log.bind(5, 0);
            log.bind(6, 1);
            log.bind(7, 2);
            log.bind(8, 1.0);
            log.bind(9, 5.0);
            log.bind(10, QDate(2022, 1, 1));
            log.bind(11, 1.0);
            log.bind(12, 5.0);
            log.bind(13, QDate(2022, 1, 2));
            log.step();
        }
    }
};

// One per size, made on first use; the one asked for is the current directory's.
ScheduledDb& db(const benchmark::State& state) {
    static std::map<int, std::unique_ptr<ScheduledDb>> dbs;
    auto& db = dbs[int(state.range(0))];
    if (!db)
        db = std::make_unique<ScheduledDb>(int(state.range(0)));
    db->words.use();
    return *db;
}

void atBothSizes(benchmark::internal::Benchmark* b) {
    b->Arg(100000)->Arg(1000000)->ArgName("words");
}

void DueCount(benchmark::State& state) {
    ScheduleStore store(db(state).conn);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.dueCount(kToday));
}
BENCHMARK(DueCount)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

void DueCountAmongSelection(benchmark::State& state) {
    ScheduleStore store(db(state).conn);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.dueCount(WordTable::Words, db(state).selection, kToday));
}
BENCHMARK(DueCountAmongSelection)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// The due words in order and the day's ten new words from a 100,000-word selection.
void WaitingWords(benchmark::State& state) {
    ScheduleStore store(db(state).conn);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.waiting(WordTable::Words, db(state).selection, kToday, 10));
}
BENCHMARK(WaitingWords)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// A grade of a word due today: log row, schedule and study marks, committed.
void GradeOneWord(benchmark::State& state) {
    ScheduleStore store(db(state).conn);
    const QList<qint64> due = store.dueWords(WordTable::Words, kToday);
    const QDateTime now(kToday, QTime(10, 0));
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.grade(WordTable::Words, due[i % due.size()],
                                             Fsrs::Rating(1 + i % 4), kToday, now));
        ++i;
    }
}
BENCHMARK(GradeOneWord)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

void ReportFigures(benchmark::State& state) {
    ScheduleStore store(db(state).conn);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.report(kToday));
}
BENCHMARK(ReportFigures)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// The study session over the scheduled words on the benchmark's day, all words selected.
struct ScheduledSession {
    explicit ScheduledSession(const benchmark::State& state) {
        db(state);
        session.setClock([] { return QDateTime(kToday, QTime(10, 0)); });
        session.start();
    }
    StudySession session{ConnectionStrings::ReadWrite};
};

// The toolbar's "Due Words (n)" counted again after an action, over every word.
void WaitingCountThroughTheSession(benchmark::State& state) {
    ScheduledSession s(state);
    for (auto _ : state) {
        s.session.recountWaiting();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(s.session.waitingCount());
    }
    state.counters["waiting"] = s.session.waitingCount();
}
BENCHMARK(WaitingCountThroughTheSession)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// "Due Words": the waiting words become the selection and the most overdue is shown.
void DueSelectionThroughTheSession(benchmark::State& state) {
    ScheduledSession s(state);
    int opened = 0;
    for (auto _ : state) {
        opened = s.session.openDueWords();
        state.PauseTiming();
        s.session.applySelection(StudySession::AllWords);
        state.ResumeTiming();
    }
    state.counters["words"] = opened;
}
BENCHMARK(DueSelectionThroughTheSession)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// A grade on the card during "Due Words": stored and the next due word shown.
void GradeThroughTheSession(benchmark::State& state) {
    ScheduledSession s(state);
    s.session.openDueWords();
    int i = 0;
    for (auto _ : state) {
        const bool graded = s.session.grade(Fsrs::Rating(1 + i++ % 4));
        // The toolbar's count follows the shown word; it is timed on its own above.
        state.PauseTiming();
        QCoreApplication::processEvents();
        if (!graded)
            s.session.openDueWords();
        state.ResumeTiming();
    }
}
BENCHMARK(GradeThroughTheSession)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
