// The main window's interactive operations, offscreen: start-up over the shipped words and at
// 100,000 and 1,000,000 words, and each keystroke a learner makes there: a step, a random
// word, a find (one letter, then more), a selection and a refinement, each as the keystroke
// itself and as the whole work it starts.
#include "app/Settings.h"
#include "data/Database.h"
#include "data/DataSource.h"
#include "data/Recordset.h"
#include "selection/IntelliSelect.h"
#include "selection/RefineSelectionDialog.h"
#include "WindowBench.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

void StartMainWindowOnShippedWords(benchmark::State& state) {
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(VERBALOOM_SHIPPED_DB), dir.filePath(QStringLiteral("dbnk.db")));
    QFile(dir.filePath(QStringLiteral("dbnk.db"))).setPermissions(QFile::ReadOwner |
                                                                  QFile::WriteOwner);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SilentSpeech speech;
    FixedScreen screen;
    for (auto _ : state) {
        StudySession session(ConnectionStrings::Shared);
        MainWindow form(session, speech, &screen);
        form.load();
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(session.currentWord().name);
    }
    QDir::setCurrent(previous);
}
BENCHMARK(StartMainWindowOnShippedWords)->Unit(benchmark::kMillisecond);

// The window over a large file: construct, open the file (held open meanwhile, as start-up
// opens it on a thread of its own), clear last session's marks, select every word, show a
// random one.
void StartMainWindow(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    for (auto _ : state) {
        StudySession session(ConnectionStrings::Shared);
        MainWindow form(session, large.speech, &large.screen);
        form.load();
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(session.currentWord().name);
    }
}
BENCHMARK(StartMainWindow)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

void NextWordClick(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    large.session->randomWord();
    QPushButton* previous = child<QPushButton>(large.form.get(), "Command10_0");
    QPushButton* next = child<QPushButton>(large.form.get(), "Command10_1");
    bool forward = true;
    for (auto _ : state) {
        (forward ? next : previous)->click();
        forward = !forward;
    }
}
BENCHMARK(NextWordClick)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// "Previous Word" alone, from a random word each time.
void PreviousWordClick(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    QPushButton* previous = child<QPushButton>(large.form.get(), "Command10_0");
    for (auto _ : state) {
        state.PauseTiming();
        large.session->randomWord();
        state.ResumeTiming();
        previous->click();
    }
}
BENCHMARK(PreviousWordClick)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

void RandomWordClick(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    QPushButton* random = child<QPushButton>(large.form.get(), "cmdRandomWord");
    for (auto _ : state)
        random->click();
}
BENCHMARK(RandomWordClick)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// Typing on in the find box: "m", "mo", "mol", back to "mo".
void FindKeystroke(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    QLineEdit* find = child<QLineEdit>(large.form.get(), "txtFind");
    const QStringList texts{QStringLiteral("m"), QStringLiteral("mo"), QStringLiteral("mol"),
                            QStringLiteral("mo")};
    int i = 0;
    for (auto _ : state)
        find->setText(texts[i++ % texts.size()]);
}
BENCHMARK(FindKeystroke)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// The first letter typed into the find box, from a random word: the letter with the most
// words ("m" in the synthetic rows, as in English).
void FindOneLetterKeystroke(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    QLineEdit* find = child<QLineEdit>(large.form.get(), "txtFind");
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        find->blockSignals(true);
        find->clear();
        find->blockSignals(false);
        large.session->randomWord();
        state.ResumeTiming();
        find->setText(i++ % 2 ? QStringLiteral("m") : QStringLiteral("M"));
    }
}
BENCHMARK(FindOneLetterKeystroke)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

IntelliSelect::Criteria sixCriteria() {
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
    return c;
}

// "Get Results" as a keystroke: what the click costs before the window is back in use.
void SixCriteriaSelectionClick(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    const QString statement = IntelliSelect::compose(sixCriteria()).statement;
    for (auto _ : state) {
        large.session->selectInSteps(statement);
        state.PauseTiming();
        processEventsUntil([&] { return !large.session->isSelecting(); });
        state.ResumeTiming();
    }
    large.session->applySelection(StudySession::AllWords);
}
BENCHMARK(SixCriteriaSelectionClick)
    ->Apply(atBothSizes)
    ->Iterations(8)
    ->Unit(benchmark::kMillisecond);

// ... and the whole selection, worked out in steps, the counters refreshed.
void SixCriteriaSelectionWhole(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    const QString statement = IntelliSelect::compose(sixCriteria()).statement;
    for (auto _ : state) {
        large.session->selectInSteps(statement);
        processEventsUntil([&] { return !large.session->isSelecting(); });
        benchmark::DoNotOptimize(large.session->counts().selection);
    }
    large.session->applySelection(StudySession::AllWords);
}
BENCHMARK(SixCriteriaSelectionWhole)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

// One keystroke in the "Meaning Containing" box of Refine Selection ("a", "ab", "abc", "ab"):
// the keystroke itself, and the count it ends with.
void RefineKeystroke(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    large.session->applySelection(StudySession::AllWords);
    RefineSelectionDialog refine(*large.session, large.form.get());
    QLineEdit* meaning = child<QLineEdit>(&refine, "Text1_1");
    const QStringList texts{QStringLiteral("a"), QStringLiteral("ab"), QStringLiteral("abc"),
                            QStringLiteral("ab")};
    int i = 0;
    for (auto _ : state) {
        meaning->setText(texts[i++ % texts.size()]);
        state.PauseTiming();
        processEventsUntil([&] { return !large.session->isRefining(); });
        state.ResumeTiming();
    }
}
BENCHMARK(RefineKeystroke)->Apply(atBothSizes)->Iterations(8)->Unit(benchmark::kMillisecond);

void RefineToTheCount(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow(int(state.range(0)));
    large.session->applySelection(StudySession::AllWords);
    RefineSelectionDialog refine(*large.session, large.form.get());
    QLineEdit* meaning = child<QLineEdit>(&refine, "Text1_1");
    QLabel* count = child<QLabel>(&refine, "lblSet");
    const QStringList texts{QStringLiteral("a"), QStringLiteral("ab"), QStringLiteral("abc"),
                            QStringLiteral("ab")};
    int i = 0;
    for (auto _ : state) {
        meaning->setText(texts[i++ % texts.size()]);
        processEventsUntil([&] { return !large.session->isRefining(); });
        benchmark::DoNotOptimize(count->text());
    }
}
BENCHMARK(RefineToTheCount)->Apply(atBothSizes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
