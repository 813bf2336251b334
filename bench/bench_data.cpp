// The word database's interactive operations at 100,000 words.
#include "data/Database.h"
#include "data/Recordset.h"
#include "SyntheticDb.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <random>

namespace {

constexpr int kWords = 100000;

SyntheticDb& db() {
    static SyntheticDb instance(kWords);
    return instance;
}

std::shared_ptr<Recordset> openAll() {
    db();
    return Recordset::open(Connection::open(ConnectionStrings::Shared),
                           QStringLiteral("select * from words"));
}

void OpenAllWordsWithCount(benchmark::State& state) {
    auto keep = openAll(); // the connection stays open, as in the program
    for (auto _ : state) {
        auto rs = openAll();
        benchmark::DoNotOptimize(rs->recordCount());
    }
}
BENCHMARK(OpenAllWordsWithCount)->Unit(benchmark::kMillisecond);

void MoveNextPreviousWithRow(benchmark::State& state) {
    auto rs = openAll();
    rs->move(kWords / 2);
    bool forward = true;
    for (auto _ : state) {
        forward ? rs->moveNext() : rs->movePrevious();
        forward = !forward;
        benchmark::DoNotOptimize(rs->value(QStringLiteral("name")));
    }
}
BENCHMARK(MoveNextPreviousWithRow)->Unit(benchmark::kMicrosecond);

void RandomMoveWithRow(benchmark::State& state) {
    auto rs = openAll();
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pick(0, kWords - 1);
    for (auto _ : state) {
        rs->moveFirst();
        rs->move(pick(rng));
        benchmark::DoNotOptimize(rs->value(QStringLiteral("meaning")));
    }
}
BENCHMARK(RandomMoveWithRow)->Unit(benchmark::kMicrosecond);

void FindPrefixFromFirstRow(benchmark::State& state) {
    auto rs = openAll();
    for (auto _ : state) {
        rs->moveFirst();
        rs->find(QStringLiteral("name like 'abc%'"));
        benchmark::DoNotOptimize(rs->absolutePosition());
    }
}
BENCHMARK(FindPrefixFromFirstRow)->Unit(benchmark::kMillisecond);

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

void ApplyFilter(benchmark::State& state) {
    auto rs = openAll();
    const QString filter = QString::fromLatin1(kFilters[state.range(0)]);
    state.SetLabel(filter.toStdString());
    for (auto _ : state) {
        rs->setFilter(filter);
        benchmark::DoNotOptimize(rs->recordCount());
    }
}
BENCHMARK(ApplyFilter)->DenseRange(0, 15)->Unit(benchmark::kMillisecond);

void SixCriteriaSelection(benchmark::State& state) {
    auto keep = openAll();
    const QString statement = QStringLiteral(
        "select * from words where (name like 'A%' OR name like 'C%' OR name like 'M%') AND "
        "(readcount <3) AND (groupid = 2 OR groupid = 5 OR groupid = 17) AND (lastread between "
        "#01/01/2020# AND #12/31/2024#) AND (bookmark = NO OR (bookmark = YES AND doublebm = "
        "NO)) AND (specialwl like '%' OR specialwl Is NULL)");
    for (auto _ : state) {
        auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared), statement);
        benchmark::DoNotOptimize(rs->recordCount());
    }
}
BENCHMARK(SixCriteriaSelection)->Unit(benchmark::kMillisecond);

void ReportCounts(benchmark::State& state) {
    auto keep = openAll();
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
BENCHMARK(ReportCounts)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    db();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
