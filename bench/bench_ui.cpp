// The main window's interactive operations, offscreen: start-up over the shipped words, and
// a step and a find keystroke at 100,000 words.
#include "app/Settings.h"
#include "app/StartModule.h"
#include "data/Speech.h"
#include "selection/frmFilterbox.h"
#include "selection/IntelliSelect.h"
#include "study/Form1.h"
#include "WindowBench.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void StartMainWindowOnShippedWords(benchmark::State& state) {
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(VERBALOOM_SHIPPED_DB), dir.filePath(QStringLiteral("dbnk.db")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SilentSpeech speech;
    FixedScreen screen;
    for (auto _ : state) {
        Form1 form(&speech, &screen);
        form.Form_Load();
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.Text1->text());
    }
    QDir::setCurrent(previous);
}
BENCHMARK(StartMainWindowOnShippedWords)->Unit(benchmark::kMillisecond);

void NextWordClick(benchmark::State& state) {
    Form1& form = *largeMainWindow().form;
    form.cmdRandomWord_Click();
    bool forward = true;
    for (auto _ : state) {
        form.Command10[forward ? 1 : 0]->click();
        forward = !forward;
    }
}
BENCHMARK(NextWordClick)->Unit(benchmark::kMillisecond);

void FindKeystroke(benchmark::State& state) {
    Form1& form = *largeMainWindow().form;
    const QStringList texts{QStringLiteral("m"), QStringLiteral("mo"), QStringLiteral("mol"),
                            QStringLiteral("mo")};
    int i = 0;
    for (auto _ : state) {
        form.txtFind->setText(texts[i++ % texts.size()]);
    }
}
BENCHMARK(FindKeystroke)->Unit(benchmark::kMillisecond);

void SixCriteriaSelectionThroughTheWindow(benchmark::State& state) {
    Form1& form = *largeMainWindow().form;
    IntelliSelect::Criteria c;
    c.letters = true;
    c.selectedLetters = {"A", "C", "M"};
    c.studyCount = true;
    c.comparison = "<";
    c.count = "3";
    c.wordLists = true;
    c.selectedLists = {1, 4, 16};
    c.lastStudied = true;
    c.from = "01/01/2020";
    c.to = "12/31/2024";
    c.difficulty = true;
    c.easy = c.difficult = true;
    for (auto _ : state) {
        const auto result = IntelliSelect::compose(c);
        form.selection().querybtn(result.statement);
        form.recfunc();
    }
}
BENCHMARK(SixCriteriaSelectionThroughTheWindow)->Unit(benchmark::kMillisecond);

void RefineKeystroke(benchmark::State& state) {
    Form1& form = *largeMainWindow().form;
    form.selection().querybtn(CurrentSelection::AllWords);
    frmFilterbox refine(&form);
    const QStringList texts{QStringLiteral("a"), QStringLiteral("ab"), QStringLiteral("abc"),
                            QStringLiteral("ab")};
    int i = 0;
    for (auto _ : state)
        refine.Text1[1]->setText(texts[i++ % texts.size()]);
}
BENCHMARK(RefineKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
