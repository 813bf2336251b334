// The quiz and the word game at 100,000 words: building a question, the wrong meanings at
// their worst, the game's word pool, a puzzle and a game's start, through the windows.
#include "app/Random.h"
#include "app/StartModule.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "data/Speech.h"
#include "game/frmGame.h"
#include "game/PuzzleWordPool.h"
#include "quiz/frmtest.h"
#include "quiz/QuizEngine.h"
#include "study/Form1.h"
#include "ui/MessageBox.h"
#include "WindowBench.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QLabel>
#include <QStandardPaths>

namespace {

constexpr int kWords = 100000;

void QuizQuestionThroughTheWindow(benchmark::State& state) {
    Form1& form = *largeMainWindow().form;
    form.querybtn_Click(QStringLiteral("select * from words"));
    frmtest quiz(&form);
    quiz.Form_Load();
    for (auto _ : state) {
        if (quiz.pass().exhausted())
            quiz.Form_Load();
        quiz.nextquestion();
    }
    form.setEnabled(true);
}
BENCHMARK(QuizQuestionThroughTheWindow)->Unit(benchmark::kMillisecond);

void QuizPassStart(benchmark::State& state) {
    QuizEngine::Pass pass;
    for (auto _ : state) {
        pass.start(kWords);
        benchmark::DoNotOptimize(pass.draw(0.5));
    }
}
BENCHMARK(QuizPassStart)->Unit(benchmark::kMicrosecond);

void QuizAllMeaningsRead(benchmark::State& state) {
    largeMainWindow();
    auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                              QStringLiteral("select * from words"));
    const QuizEngine::MeaningRows rows = QuizEngine::meaningRows(*rs);
    for (auto _ : state)
        benchmark::DoNotOptimize(rows.allMeanings().size());
}
BENCHMARK(QuizAllMeaningsRead)->Unit(benchmark::kMillisecond);

void QuizWrongMeaningsAllAlike(benchmark::State& state) {
    // The worst case: every row shares the question's meaning, so every draw misses and
    // every row is looked at (rows in memory; the read itself is the benchmark above).
    const QStringList meanings(kWords, QStringLiteral("to lower in rank, esteem or dignity"));
    QuizEngine::MeaningRows rows;
    rows.count = kWords;
    rows.meaningAt = [&](int position) { return meanings.at(position - 1); };
    rows.allMeanings = [&] { return meanings; };
    SeededRandom random(3);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            QuizEngine::wrongMeanings(meanings.first(), 3, rows, random).size());
}
BENCHMARK(QuizWrongMeaningsAllAlike)->Unit(benchmark::kMillisecond);

void GameWordPoolOfAllWords(benchmark::State& state) {
    largeMainWindow();
    auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                              QStringLiteral("select * from words"));
    for (auto _ : state)
        benchmark::DoNotOptimize(PuzzleWordPool::fromRecordset(*rs).count(1));
}
BENCHMARK(GameWordPoolOfAllWords)->Unit(benchmark::kMillisecond);

void GameStartThroughTheWindow(benchmark::State& state) {
    Form1& form = *largeMainWindow().form;
    frmGame game(&form);
    for (auto _ : state)
        game.Form_Load();
    form.setEnabled(true);
}
BENCHMARK(GameStartThroughTheWindow)->Unit(benchmark::kMillisecond);

void GamePuzzleThroughTheWindow(benchmark::State& state) {
    Form1& form = *largeMainWindow().form;
    frmGame game(&form);
    game.Form_Load();
    for (auto _ : state)
        benchmark::DoNotOptimize(game.nextpuzzle());
    form.setEnabled(true);
}
BENCHMARK(GamePuzzleThroughTheWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
