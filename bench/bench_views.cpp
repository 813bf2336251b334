// The review views at 100,000 and 1,000,000 words, offscreen: opening the list view, a click
// on a column heading there, the progress report, and laying out the printed list.
#include "data/Database.h"
#include "data/DataSource.h"
#include "data/Recordset.h"
#include "views/ProgressReport.h"
#include "views/ProgressReportDialog.h"
#include "views/WordListReport.h"
#include "views/WordListWindow.h"
#include "WindowBench.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QTableView>

namespace {

WordListWindow* listWindow(const LargeMainWindow& large) {
    return large.form->findChild<WordListWindow*>();
}

// From the toolbar click to the first screenful of rows painted, with the navigate window.
void OpenListView(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    large.session->randomWord(); // somewhere in the middle: the grid scrolls there
    for (auto _ : state) {
        large.form->runToolbarAction(QStringLiteral("Listy"));
        WordListWindow* list = listWindow(large);
        QApplication::processEvents();
        auto* grid = child<QTableView>(list, "DataGrid1");
        grid->viewport()->repaint();
        benchmark::DoNotOptimize(grid->currentIndex().row());
        state.PauseTiming();
        delete list;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenListView)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// A click on the Word heading (ascending, descending, back to the selection's order), with
// the screenful repainted: what the learner waits for. The rest of the order follows in
// steps, left out here and timed below.
void SortListByWordClick(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    large.session->randomWord();
    large.form->runToolbarAction(QStringLiteral("Listy"));
    WordListWindow* list = listWindow(large);
    QApplication::processEvents();
    auto* grid = child<QTableView>(list, "DataGrid1");
    QHeaderView* header = grid->horizontalHeader();
    int i = 0;
    for (auto _ : state) {
        const int step = i++ % 3;
        header->setSortIndicator(step == 2 ? -1 : 2,
                                 step == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
        grid->viewport()->repaint();
        benchmark::DoNotOptimize(grid->currentIndex().row());
    }
    delete list;
    QApplication::processEvents();
}
BENCHMARK(SortListByWordClick)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// The whole order read, page by page between events, until the current word's row is known.
void SortListByWordWhole(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    large.form->runToolbarAction(QStringLiteral("Listy"));
    WordListWindow* list = listWindow(large);
    QApplication::processEvents();
    auto* grid = child<QTableView>(list, "DataGrid1");
    auto* caption = child<QLabel>(list, "DataGrid1Caption");
    const QString done = caption->text();
    QHeaderView* header = grid->horizontalHeader();
    bool descending = false;
    for (auto _ : state) {
        header->setSortIndicator(2, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        descending = !descending;
        processEventsUntil([&] { return caption->text() == done; });
    }
    header->setSortIndicator(-1, Qt::AscendingOrder);
    delete list;
    QApplication::processEvents();
}
BENCHMARK(SortListByWordWhole)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// The four counts over the whole table and the filled window (shown modal in the program).
void ProgressReportCounts(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    for (auto _ : state) {
        const auto counts = ProgressReport::count(*large.session->connection());
        ProgressReportDialog report(large.form.get());
        report.fill(counts);
        benchmark::DoNotOptimize(child<QLabel>(&report, "lblAllOne")->text());
    }
}
BENCHMARK(ProgressReportCounts)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

std::shared_ptr<Recordset> fiveThousand() {
    largeMainWindow();
    auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                              QStringLiteral("select * from words where groupid <= 5"));
    rs->setFilter(QStringLiteral("bookmark = 1"));
    return rs;
}

// Both passes' first: every text wrapped and every band placed, giving the page count.
void LayOutPrintedList(benchmark::State& state) {
    auto rs = fiveThousand();
    QList<WordListReport::Word> words = WordListReport::wordsOf(*rs);
    words.resize(std::min<qsizetype>(words.size(), 5000));
    while (words.size() < 5000)
        words.append(words.at(words.size() % 100));
    const int height = int(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(0.75, 0.75, 0.75, 0.75), QPageLayout::Inch)
                               .paintRect(QPageLayout::Inch)
                               .height() *
                           1440);
    int pages = 0;
    for (auto _ : state) {
        const WordListReport::Layout layout(words, height,
                                            QStringLiteral("Sunday, 6 December 2026"));
        pages = layout.pageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(LayOutPrintedList)->Unit(benchmark::kMillisecond);

// Reading the refined rows through the report's own read-only connection.
void ReadWordsForPrinting(benchmark::State& state) {
    auto rs = fiveThousand();
    for (auto _ : state) {
        const auto words = WordListReport::wordsOf(*rs);
        benchmark::DoNotOptimize(words.size());
        state.counters["words"] = double(words.size());
    }
}
BENCHMARK(ReadWordsForPrinting)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
