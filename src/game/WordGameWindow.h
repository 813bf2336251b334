#pragma once

#include "data/Word.h"
#include "game/GameState.h"
#include "game/PuzzleWordPool.h"
#include "game/WordPuzzle.h"

#include <QWidget>

class GameHintsPanel;
class LetterBoxesPanel;
class PuzzlePanel;
class QLabel;
class Speech;
class StudySession;

// The word game: seven puzzles, each the meaning and the masked usage example of a hidden
// word whose letters are guessed box by box, with hints for a price, points by difficulty,
// a difficulty that follows the learner's use of help, and a stored high score. It plays
// all words, holds the session while open and steps it to each puzzle's word.
class WordGameWindow : public QWidget {
    Q_OBJECT
public:
    // Opens centred over the given window; the game is a window of its own.
    WordGameWindow(StudySession& session, Speech& speech, QWidget* centreOver);

    // A new game from the first puzzle.
    void start();

signals:
    // The game has closed; the session is the caller's again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void nextPuzzleRequested();
    bool setUpPuzzle();
    void readPool();
    void pickLetter(int index);
    void enterLetter(int index, const QString& letter);
    void judge(int index);
    void solved();
    void useHint(WordPuzzle::Hint hint);
    void reveal(int index);
    void offerRandomHint();
    void showScore(bool signPosition);
    void showCost(bool signPosition);
    void gameOver();
    void noWordToPlay();

    StudySession& session_;
    Speech& speech_;
    GameState state_;
    PuzzleWordPool pool_;
    Word puzzleWord_; // the session may be moved by others; the puzzle is this word
    bool puzzleActive_ = false;
    bool outOfWords_ = false;
    bool closing_ = false;
    QString highScorerName_;

    QLabel* puzzleNumber_ = nullptr;
    QLabel* highScore_ = nullptr;
    QLabel* score_ = nullptr;
    PuzzlePanel* puzzle_ = nullptr;
    LetterBoxesPanel* boxes_ = nullptr;
    GameHintsPanel* hints_ = nullptr;
};
