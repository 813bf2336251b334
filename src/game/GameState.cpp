#include "GameState.h"

void GameState::startPuzzle() {
    hintCost = GameScoring::FirstHintCost;
    helpCount = 0;
}

void GameState::buyHint() {
    ++helpCount;
    GameScoring::chargeHint(score, hintCost);
}

void GameState::buyShowCorrect() {
    ++helpCount;
    GameScoring::chargeShowCorrect(score, hintCost);
}

void GameState::wrongLetter() {
    GameScoring::chargeWrongLetter(score);
}

void GameState::solve() {
    GameScoring::award(score, level);
    level = GameScoring::nextLevel(level, helpCount);
    ++puzzleNumber;
}
