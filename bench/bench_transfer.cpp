// Importing and exporting word lists at 100,000 rows: the preview and the write of an
// import (with the peak memory it takes above the process's size before it), and exports to
// CSV and KVTML.
#include "app/Random.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "data/WordStore.h"
#include "SyntheticDb.h"
#include "transfer/WordListExport.h"
#include "transfer/WordListImport.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kRows = 100000;

qint64 statusKiB(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').first().toLongLong();
    return 0;
}

// A teacher's list: word, meaning and an example holding the word, in a CSV file.
QString writeList(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QByteArray block = "Word,Meaning,Example\n";
    for (int i = 0; i < kRows; ++i) {
        const QByteArray word = "imported" + QByteArray::number(i, 36);
        block += word + ",\"a meaning, of some length, for " + word + "\",They " + word +
                 "ed the crowd at dawn.\n";
        if (block.size() > (1 << 20)) {
            f.write(block);
            block.clear();
        }
    }
    f.write(block);
    return path;
}

// Each pass starts from a fresh database of the shipped list's size.
void ImportPreviewAndWrite(benchmark::State& state) {
    QTemporaryDir dir;
    const QString list = writeList(dir);
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<SyntheticDb>(5000);
        // Open, as the program holds it: deriving the key is no part of an import.
        auto connection = Connection::open(ConnectionStrings::Shared);
        const qint64 before = statusKiB("VmRSS:");
        QFile reset(QStringLiteral("/proc/self/clear_refs"));
        if (reset.open(QIODevice::WriteOnly))
            reset.write("5");
        reset.close();
        state.ResumeTiming();

        WordStore store(connection);
        QString error;
        const FileLayout layout = WordListFile::inspect(list, &error);
        const auto preview = WordListImport::preview(list, layout, store);
        const auto outcome =
            WordListImport::importFile(store, list, layout, {}, Random::global());
        if (outcome.counts.added != kRows || preview.newWords != kRows)
            state.SkipWithError("not every row was imported");

        state.PauseTiming();
        state.counters["peak_MiB_above_start"] =
            double(statusKiB("VmHWM:") - before) / 1024.0;
        connection.reset();
        db.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ImportPreviewAndWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

void ExportWords(benchmark::State& state) {
    static SyntheticDb db(kRows);
    QTemporaryDir dir;
    const auto format = WordListExport::Format(state.range(0));
    const auto rows = Recordset::open(Connection::open(ConnectionStrings::Shared),
                                      QStringLiteral("select * from words"));
    for (auto _ : state) {
        QString error;
        if (!WordListExport::write(dir.filePath(QStringLiteral("out")), {format, state.range(1) != 0, true},
                                   *rows, &error))
            state.SkipWithError(qPrintable(error));
    }
}
// Arguments: the format, and 1 to keep the examples masked.
BENCHMARK(ExportWords)
    ->Args({int(WordListExport::Format::Csv), 0})
    ->Args({int(WordListExport::Format::Csv), 1})
    ->Args({int(WordListExport::Format::Kvtml), 0})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
