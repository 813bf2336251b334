#pragma once

#include "game/WordPuzzle.h"
#include "ui/Look.h"

#include <array>
#include <QWidget>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;

// The puzzle word's letter boxes, each with its list of letters under it. A letter is open
// while its list is offered. The panel reports the learner's letters (typed or chosen from
// a list) and clicks; the game judges them and says how each box is to look.
class LetterBoxesPanel : public QWidget {
    Q_OBJECT
public:
    explicit LetterBoxesPanel(QWidget* parent = nullptr);

    // Every list offers A to Z again.
    void fillLists();
    // Empty boxes for a word of the given length; the others go.
    void showWord(int length);
    int length() const { return length_; }

    QString letter(int index) const;
    // False when the box already shows that text.
    bool setLetter(int index, const QString& text);
    // The letter is no longer open: its list goes.
    void closeLetter(int index);
    void markRight(int index);
    void markWrong(int index);
    // The box stands out while the letter picker is open for it.
    void setPicking(int index, bool picking);

    bool isOpen(int index) const;
    std::vector<bool> openLetters() const;
    void focusFirstOpen();
    QWidget* box(int index) const;

signals:
    void letterEntered(int index, const QString& letter);
    void pickRequested(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintBox(int index);
    bool boxKeyPressed(int index, QKeyEvent* key);
    void focusBox(int from, int step);

    std::array<QFrame*, WordPuzzle::MaxLetters> frames_{};
    std::array<QLabel*, WordPuzzle::MaxLetters> boxes_{};
    std::array<QComboBox*, WordPuzzle::MaxLetters> lists_{};
    std::array<Look::Colour, WordPuzzle::MaxLetters> text_{};
    std::array<Look::Colour, WordPuzzle::MaxLetters> back_{};
    int length_ = 0;
};
