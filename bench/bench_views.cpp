// The review views at 100,000 words, offscreen: opening the list view, the progress report,
// and laying out the printed list.
#include "app/Settings.h"
#include "app/StartModule.h"
#include "data/Database.h"
#include "data/DataSource.h"
#include "data/Recordset.h"
#include "data/Speech.h"
#include "study/Form1.h"
#include "ui/MessageBox.h"
#include "views/frmList.h"
#include "views/frmReport.h"
#include "views/ProgressReport.h"
#include "views/WordListReport.h"
#include "WindowBench.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QStandardPaths>
#include <QTableView>

namespace {

// From the toolbar click to the first screenful of rows painted, with the navigate window.
void OpenListView(benchmark::State& state) {
    Form1& form = *largeMainWindow().form;
    form.cmdRandomWord_Click(); // somewhere in the middle: the grid scrolls there
    for (auto _ : state) {
        form.Toolbar1_ButtonClick(QStringLiteral("Listy"));
        frmList* list = form.listWindow();
        QApplication::processEvents();
        list->DataGrid1->viewport()->repaint();
        benchmark::DoNotOptimize(list->DataGrid1->currentIndex().row());
        state.PauseTiming();
        delete list;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenListView)->Unit(benchmark::kMillisecond);

// The four counts over the whole table and the filled window (shown modal in the program).
void ProgressReportCounts(benchmark::State& state) {
    Form1& form = *largeMainWindow().form;
    for (auto _ : state) {
        const auto counts = ProgressReport::count(*form.Adodc1->connection());
        frmReport report(&form);
        report.fill(counts);
        benchmark::DoNotOptimize(report.lblAllOne->text());
    }
}
BENCHMARK(ProgressReportCounts)->Unit(benchmark::kMillisecond);

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
