#pragma once

#include "game/GameScoring.h"

// The numbers of one game as it is played: what the learner's moves cost and earn, the
// help bought for the puzzle in play, and the level and number of the next puzzle.
struct GameState {
    qint64 score = 0;
    qint64 hintCost = GameScoring::FirstHintCost;
    int helpCount = 0;
    int level = GameScoring::StartLevel;
    int puzzleNumber = 1;

    bool over() const { return puzzleNumber > GameScoring::Puzzles; }

    // Each puzzle starts at the first hint's price, with no help bought.
    void startPuzzle();
    void buyHint();
    // "Show Correct" in the letter picker.
    void buyShowCorrect();
    void wrongLetter();
    // Points for the level played; the help bought sets the next level.
    void solve();
};
