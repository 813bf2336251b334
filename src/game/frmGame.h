#pragma once

#include "game/PuzzleWordPool.h"
#include "game/WordPuzzle.h"

#include <array>
#include <QColor>
#include <QWidget>

class Form1;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

// The word game: seven puzzles, each the meaning and the masked usage example of a hidden
// word whose letters are guessed box by box, with hints for a price, points by difficulty,
// a difficulty that follows the learner's use of help, and a stored high score. The main
// window is out of use while it is open; its current row is the puzzle word.
class frmGame : public QWidget {
    Q_OBJECT
public:
    inline static const QColor PickingBack = QColor(0x80, 0x80, 0x80);
    inline static const QColor BoxBack = QColor(0, 0, 0);
    inline static const QColor RightText = QColor(0, 0xff, 0);
    inline static const QColor WrongText = QColor(0xff, 0, 0);
    inline static const QColor RightVerdict = QColor(0, 0x80, 0);
    inline static const QColor WrongVerdict = QColor(0xff, 0, 0);

    explicit frmGame(Form1* main, QWidget* parent = nullptr);

    void Form_Load();
    void cmdNext_Click();
    // Sets up one puzzle; true when the word drawn cannot be used.
    bool nextpuzzle();
    void lblWordLetter_Click(int index);
    void Combo1_Click(int index);
    void lblWordLetter_Change(int index);
    void lblHint1_Click();
    void lblHint2_Click();
    void lblHintThLetter_Click();
    void lblHint4_Click();
    void lblHint3_Click();
    void cmdTalk_Click();
    void cmdNewGame_Click();
    void cmdExitGame_Click();

    // Puts a text into a letter box, as the picker, a list, a key or a hint does; a text
    // that differs from the box's is judged.
    void setBoxText(int index, const QString& text);
    QColor boxText(int index) const { return boxText_[size_t(index)]; }
    QColor boxBack(int index) const { return boxBack_[size_t(index)]; }
    // Shows the score and the hint cost, with a sign position or as plain numbers.
    void showScore(bool signPosition);
    void showCost(bool signPosition);

    // Read and written by the letter picker and the high-score dialog.
    int wordLength = 0;
    qint64 score = 0;
    int difficultyLevel = 1;
    int helpCount = 0;
    qint64 hintCost = 10;
    QString highScorerName;

    QLabel* Label14;
    QLabel* Label1;
    QLabel* lblPuzzleNo;
    QLabel* lblHighScore;
    QLabel* Label5;
    QLabel* lblScore;
    QFrame* frameMain;
    QLabel* lblClickBoxMsg;
    QLabel* Picture2;
    QLabel* lblMeaning;
    QLabel* Picture3;
    QLabel* lblExample;
    std::array<QLabel*, WordPuzzle::MaxLetters> lblWordLetter{};
    std::array<QFrame*, WordPuzzle::MaxLetters> shapeWLtr{};
    std::array<QComboBox*, WordPuzzle::MaxLetters> Combo1{};
    QLabel* lblPrizeMoney;
    QLabel* lblGuess;
    QLabel* imgCorrect;
    QLabel* lblMean2;
    QLabel* lblDiffLevelMsg;
    QPushButton* cmdTalk;
    QPushButton* cmdNext;
    QPushButton* cmdNewGame;
    QPushButton* cmdExitGame;
    QFrame* frameHint;
    QLabel* Label4;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* lblCost;
    QLabel* lblHint1;
    QLabel* lblHint2;
    QLabel* lblHintThLetter;
    QLabel* lblHint3;
    QLabel* lblHint4;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    QLabel* hintLabel(WordPuzzle::Hint hint) const;
    void activateHint(QObject* hint);
    bool isOpen(int index) const;
    std::vector<bool> openLetters() const;
    void useFixedHint(WordPuzzle::Hint hint);
    void reveal(int index);
    void chargeHint();
    void refreshRandomHint();
    void solved();
    void gameOver();
    void noWordToPlay();
    void paintBox(int index);
    void focusBox(int from, int step);

    Form1* main_;
    std::array<QString, WordPuzzle::MaxLetters + 1> puzzleLetters;
    int puzzleNumber = 1;
    bool puzzleActive = false;
    PuzzleWordPool pool_;
    bool outOfWords_ = false;
    std::array<QColor, WordPuzzle::MaxLetters> boxText_{};
    std::array<QColor, WordPuzzle::MaxLetters> boxBack_{};
};
