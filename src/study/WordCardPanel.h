#pragma once

#include "data/Word.h"
#include "study/StudyCard.h"

#include <array>
#include <QWidget>

class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// The flash card: the word, its meaning and its usage, each box hidden or shown by the
// display mode, with the difficulty marks and the speaker beside the word.
class WordCardPanel : public QWidget {
    Q_OBJECT
public:
    explicit WordCardPanel(QWidget* parent = nullptr);

    void showWord(const Word& word);
    void setBoxes(const StudyCard::Boxes& boxes);
    StudyCard::Boxes boxes() const;
    // The hint: every box shows while it is held, then each returns to what it was.
    void holdHint();
    void releaseHint();

signals:
    void speakRequested(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWordRows();
    void layOut(QLabel* meaningHint, QLabel* usageCaption);
    void buildReadMenu();
    void updateGuessLabels();

    QLabel* wordCaption_;
    QLabel* difficultMark_;
    QLabel* veryDifficultMark_;
    QPushButton* pronounceButton_;
    QLineEdit* wordBox_;
    QLabel* guessWordLabel_;
    QLabel* meaningCaption_;
    QPlainTextEdit* meaningBox_;
    QLabel* guessMeaningLabel_;
    QPlainTextEdit* usageBox_;
    QMenu* readMenu_ = nullptr;
    std::array<bool, 3> shownBeforeHint_{};
    bool hintHeld_ = false;
};
