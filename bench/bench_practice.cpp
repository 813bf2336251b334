// The quiz and the word game at 100,000 words: building a question, the wrong meanings at
// their worst, the game's word pool, a puzzle and a game's start, through the windows.
#include "app/Random.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "game/PuzzleWordPool.h"
#include "game/WordGameWindow.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizWindow.h"
#include "WindowBench.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kWords = 100000;

// One question after another through the quiz window: answer (not timed), then "Next
// Question": an unasked position, the card's fields and three wrong meanings.
void QuizQuestionThroughTheWindow(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow();
    large.session->applySelection(StudySession::AllWords);
    large.session->hold();
    QuizWindow quiz(*large.session, large.speech, large.form.get());
    quiz.start();
    auto* option = child<QAbstractButton>(&quiz, "Option1_0");
    auto* verify = child<QPushButton>(&quiz, "verifyButton");
    auto* next = child<QPushButton>(&quiz, "nextButton");
    for (auto _ : state) {
        state.PauseTiming();
        option->click();
        verify->click();
        state.ResumeTiming();
        next->click();
    }
    large.session->release();
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
    LargeMainWindow& large = largeMainWindow();
    large.session->hold();
    WordGameWindow game(*large.session, large.speech, large.form.get());
    for (auto _ : state)
        game.start();
    large.session->release();
}
BENCHMARK(GameStartThroughTheWindow)->Unit(benchmark::kMillisecond);

// "Next Puzzle >" through the game window: a draw, the main window's random-word step, the
// masking.
void GamePuzzleThroughTheWindow(benchmark::State& state) {
    LargeMainWindow& large = largeMainWindow();
    large.session->hold();
    WordGameWindow game(*large.session, large.speech, large.form.get());
    game.start();
    auto* next = child<QPushButton>(&game, "cmdNext");
    for (auto _ : state)
        next->click();
    large.session->release();
}
BENCHMARK(GamePuzzleThroughTheWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
