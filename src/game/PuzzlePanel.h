#pragma once

#include <QFrame>

class LetterBoxesPanel;
class QLabel;
class QPushButton;
class ValueLabel;

// The puzzle in play: the meaning and the masked usage to guess from, the points it is
// worth, the letter boxes and the verdict on the last letter; once solved, the word's
// meaning, the level of the next puzzle and the speaker; the buttons that go on.
class PuzzlePanel : public QFrame {
    Q_OBJECT
public:
    explicit PuzzlePanel(QWidget* parent = nullptr);

    LetterBoxesPanel* boxes() const { return boxes_; }

    void showPuzzle(const QString& meaning, const QString& maskedUsage, const QString& prize);
    // The learner is at the boxes: the invitation and the last verdict go.
    void startGuessing();
    void showVerdict(bool right);
    void showSolved(const QString& nextLevelMessage);
    // The game's end offers a new game or the way out; a game in play goes on by "Next".
    void showGameOver(bool over);

signals:
    void nextRequested();
    void newGameRequested();
    void exitRequested();
    void talkRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* buildSolvedRow();
    QLayout* buildButtons();

    QLabel* clickMessage_;
    QLabel* meaningPicture_;
    QLabel* meaning_;
    QLabel* usagePicture_;
    QLabel* usage_;
    QLabel* prize_;
    LetterBoxesPanel* boxes_;
    ValueLabel* verdict_;
    QLabel* solvedPicture_ = nullptr;
    QLabel* solvedMeaning_ = nullptr;
    ValueLabel* nextLevel_ = nullptr;
    QPushButton* talkButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* newGameButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
};
