// The word database's interactive operations at 100,000 and 1,000,000 words.
#include "data/Database.h"
#include "data/KeyOrder.h"
#include "data/KeyScan.h"
#include "data/Recordset.h"
#include "data/WordStore.h"
#include "SyntheticDb.h"

#include <benchmark/benchmark.h>
#include <map>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <random>

namespace {

// One database per size, made on first use; the folder of the one asked for is current.
void use(int words) {
    static std::map<int, std::unique_ptr<SyntheticDb>> dbs;
    auto& db = dbs[words];
    if (!db)
        db = std::make_unique<SyntheticDb>(words);
    db->use();
}

void atBothSizes(benchmark::internal::Benchmark* b) {
    b->Arg(100000)->Arg(1000000)->ArgName("words");
}

std::shared_ptr<Recordset> openAll(const benchmark::State& state) {
    use(int(state.range(0)));
    return Recordset::open(Connection::open(ConnectionStrings::Shared),
                           QStringLiteral("select * from words"));
}

void OpenAllWordsWithCount(benchmark::State& state) {
    auto keep = openAll(state); // the connection stays open, as in the program
    for (auto _ : state) {
        auto rs = openAll(state);
        benchmark::DoNotOptimize(rs->recordCount());
    }
}
BENCHMARK(OpenAllWordsWithCount)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// Opening the file: deriving its key from the password, or with the key kept from before.
void OpenFile(benchmark::State& state) {
    use(100000);
    const bool kept = state.range(0) != 0;
    state.SetLabel(kept ? "key kept" : "key derived");
    Connection::rememberKeysIn(kept ? QDir::current().filePath(QStringLiteral("keys"))
                                    : QString());
    Connection::open(ConnectionStrings::ReadOnly); // keeps the key when asked to
    for (auto _ : state)
        benchmark::DoNotOptimize(Connection::open(ConnectionStrings::ReadOnly)->readOnly());
    Connection::rememberKeysIn(QString());
}
BENCHMARK(OpenFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Clearing last session's marks at start, with some marked (one write each, not timed).
void ClearSessionMarks(benchmark::State& state) {
    auto rs = openAll(state);
    WordStore store(rs->connection());
    store.clearSessionMarks(); // the synthetic rows come with one word in nine marked
    std::mt19937 rng(11);
    std::uniform_int_distribution<qint64> pick(1, rs->recordCount());
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 20; ++i)
            store.markStudied(QStringLiteral("words"), pick(rng), QDate(2026, 1, 2));
        state.ResumeTiming();
        store.clearSessionMarks();
    }
}
BENCHMARK(ClearSessionMarks)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

void MoveNextPreviousWithRow(benchmark::State& state) {
    auto rs = openAll(state);
    rs->move(rs->recordCount() / 2);
    bool forward = true;
    for (auto _ : state) {
        forward ? rs->moveNext() : rs->movePrevious();
        forward = !forward;
        benchmark::DoNotOptimize(rs->value(QStringLiteral("name")));
    }
}
BENCHMARK(MoveNextPreviousWithRow)->Apply(atBothSizes)->Unit(benchmark::kMicrosecond);

void RandomMoveWithRow(benchmark::State& state) {
    auto rs = openAll(state);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pick(0, rs->recordCount() - 1);
    for (auto _ : state) {
        rs->moveFirst();
        rs->move(pick(rng));
        benchmark::DoNotOptimize(rs->value(QStringLiteral("meaning")));
    }
}
BENCHMARK(RandomMoveWithRow)->Apply(atBothSizes)->Unit(benchmark::kMicrosecond);

void FindPrefixFromFirstRow(benchmark::State& state) {
    auto rs = openAll(state);
    for (auto _ : state) {
        rs->moveFirst();
        rs->find(QStringLiteral("name like 'abc%'"));
        benchmark::DoNotOptimize(rs->absolutePosition());
    }
}
BENCHMARK(FindPrefixFromFirstRow)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// The find box's first letter: the first word of the selection starting with it ("m", the
// letter of most words), over all words and over a refined selection of one word in 50.
void FindOneLetter(benchmark::State& state) {
    auto rs = openAll(state);
    if (state.range(1))
        rs->setFilter(QStringLiteral("groupid = 7"));
    state.SetLabel(state.range(1) ? "refined to 1 in 50" : "all words");
    for (auto _ : state)
        benchmark::DoNotOptimize(rs->firstMatch(QStringLiteral("name like 'm%'")));
}
BENCHMARK(FindOneLetter)
    ->ArgsProduct({{100000, 1000000}, {0, 1}})
    ->ArgNames({"words", "refined"})
    ->Unit(benchmark::kMillisecond);

// A prefix no word has: the other way ends it (the name index).
void FindNothing(benchmark::State& state) {
    auto rs = openAll(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(rs->firstMatch(QStringLiteral("name like 'qqq%'")));
}
BENCHMARK(FindNothing)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

const char* const kFilters[] = {"bookmark = 1  or bookmark = 0 ",
                                "bookmark = 0",
                                "bookmark = 1 and doublebm = 0",
                                "doublebm = 1",
                                "bookmark = 1",
                                "highfw = 1",
                                "sessionbm = 1",
                                "sessionbm = 0",
                                "name like 'ab%'",
                                "name like '%ab%'",
                                "meaning like '%abc%'",
                                "Meaning like '%abc%' or Meaning like '%xyz%'",
                                "example like '%abc%'",
                                "Example like '%abc%' or Example like '%xyz%'",
                                "readcount = 3",
                                "groupid = 7"};

// A refine filter applied at once, whatever it takes.
void ApplyFilter(benchmark::State& state) {
    auto rs = openAll(state);
    const QString filter = QString::fromLatin1(kFilters[state.range(1)]);
    state.SetLabel(filter.toStdString());
    for (auto _ : state) {
        rs->setFilter(filter);
        benchmark::DoNotOptimize(rs->recordCount());
    }
}
BENCHMARK(ApplyFilter)
    ->ArgsProduct({{100000, 1000000}, benchmark::CreateDenseRange(0, 15, 1)})
    ->ArgNames({"words", "filter"})
    ->Unit(benchmark::kMillisecond);

// The same filter as the refine window applies it: the keystroke (done at once when it fits
// in one, else the first of the steps) and the longest step after it, the whole as the time.
void FilterInSteps(benchmark::State& state) {
    auto rs = openAll(state);
    const QString filter = QString::fromLatin1(kFilters[state.range(1)]);
    state.SetLabel(filter.toStdString());
    double keystroke = 0;
    double longestStep = 0;
    for (auto _ : state) {
        rs->setFilter(QString());
        QElapsedTimer clock;
        clock.start();
        const bool atOnce = rs->filterInSteps(filter);
        keystroke = std::max(keystroke, clock.nsecsElapsed() / 1e6);
        while (!atOnce && rs->isFiltering()) {
            clock.restart();
            QCoreApplication::processEvents();
            longestStep = std::max(longestStep, clock.nsecsElapsed() / 1e6);
        }
        benchmark::DoNotOptimize(rs->recordCount());
    }
    state.counters["keystroke_ms"] = keystroke;
    state.counters["longest_step_ms"] = longestStep;
}
BENCHMARK(FilterInSteps)
    ->ArgsProduct({{100000, 1000000}, {0, 4, 7, 8, 11, 13, 15}})
    ->ArgNames({"words", "filter"})
    ->Unit(benchmark::kMillisecond);

const QString kSixCriteria = QStringLiteral(
    "select * from words where (name like 'A%' OR name like 'C%' OR name like 'M%') AND "
    "(readcount <3) AND (groupid = 2 OR groupid = 5 OR groupid = 17) AND (lastread between "
    "#01/01/2020# AND #12/31/2024#) AND (bookmark = NO OR (bookmark = YES AND doublebm = "
    "NO)) AND (specialwl like '%' OR specialwl Is NULL)");

void SixCriteriaSelection(benchmark::State& state) {
    auto keep = openAll(state);
    for (auto _ : state) {
        auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared), kSixCriteria);
        benchmark::DoNotOptimize(rs->recordCount());
    }
}
BENCHMARK(SixCriteriaSelection)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// ... in slices between events, as Intelli Select's "Get Results" runs it: the whole, and
// the longest slice.
void SixCriteriaSelectionInSteps(benchmark::State& state) {
    auto keep = openAll(state);
    double longest = 0;
    for (auto _ : state) {
        auto scan = Recordset::scanSource(keep->connection(), kSixCriteria);
        QElapsedTimer clock;
        for (bool more = true; more;) {
            clock.start();
            more = scan->step();
            longest = std::max(longest, clock.nsecsElapsed() / 1e6);
        }
        benchmark::DoNotOptimize(scan->takeKeys().size());
    }
    state.counters["longest_step_ms"] = longest;
}
BENCHMARK(SixCriteriaSelectionInSteps)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

void ReportCounts(benchmark::State& state) {
    auto keep = openAll(state);
    const std::pair<const char*, const char*> groups[] = {
        {"select * from words", "readcount >= 1"},
        {"select * from words where bookmark = no and doublebm = no", "readcount < 3"},
        {"select * from words where bookmark = yes and doublebm = yes", "readcount < 5"},
        {"select * from words where bookmark = yes and doublebm = no", "readcount < 4"}};
    for (auto _ : state) {
        for (const auto& [source, filter] : groups) {
            auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                                      QString::fromLatin1(source));
            benchmark::DoNotOptimize(rs->recordCount());
            rs->setFilter(QString::fromLatin1(filter));
            benchmark::DoNotOptimize(rs->recordCount());
        }
    }
}
BENCHMARK(ReportCounts)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// The list view's sort by word: the first rows (a screenful and more) at once, and the
// whole order page by page.
void OrderByNameFirstRows(benchmark::State& state) {
    auto rs = openAll(state);
    for (auto _ : state) {
        KeyOrder order(rs->connection(), rs->table(), false, rs->keys());
        order.readUntil(256);
        benchmark::DoNotOptimize(order.keyAt(0));
    }
}
BENCHMARK(OrderByNameFirstRows)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

void OrderByNameWhole(benchmark::State& state) {
    auto rs = openAll(state);
    for (auto _ : state) {
        KeyOrder order(rs->connection(), rs->table(), false, rs->keys());
        order.readUntil(rs->recordCount());
        benchmark::DoNotOptimize(order.known());
    }
}
BENCHMARK(OrderByNameWhole)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// What an import of 100,000 new words costs the table: the inserts with the index updates and
// the kept count's triggers, in one transaction (rolled back, so every run starts alike).
void InsertHundredThousandWords(benchmark::State& state) {
    auto rs = openAll(state);
    const std::shared_ptr<Connection> conn = rs->connection();
    const auto rows = syntheticWords(100000);
    for (auto _ : state) {
        conn->prepare(QStringLiteral("BEGIN IMMEDIATE")).step();
        Statement insert = conn->prepare(
            QStringLiteral("INSERT INTO words (name, meaning, example, groupid, bookmark, doublebm)"
                           " VALUES (?, ?, ?, ?, ?, ?)"));
        for (const auto& row : rows) {
            insert.reset();
            insert.bind(1, row.name + QStringLiteral("2")); // no synthetic name has a digit
            insert.bind(2, row.meaning);
            insert.bind(3, row.example);
            insert.bind(4, row.groupid);
            insert.bind(5, row.bookmark);
            insert.bind(6, row.doublebm);
            insert.step();
        }
        state.PauseTiming();
        conn->prepare(QStringLiteral("ROLLBACK")).step();
        state.ResumeTiming();
    }
}
BENCHMARK(InsertHundredThousandWords)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
