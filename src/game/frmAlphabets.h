#pragma once

#include <array>
#include <QDialog>
#include <QString>

class frmGame;
class QFrame;
class QPushButton;

// The letter picker: the game opens it under a letter box and reads the letter it hands
// back. "Show Correct" gives the right letter and charges the game for it.
class frmAlphabets : public QDialog {
    Q_OBJECT
public:
    // Shared with the game: the letter the box will show, and the box's right letter.
    inline static QString pickedLetter;
    inline static QString correctLetter;

    frmAlphabets(frmGame* game, QWidget* parent = nullptr);

    void cmdLetter_Click(int index);
    void cmdCancel_Click();
    void cmdShowCorrect_Click();

    std::array<QPushButton*, 26> cmdLetter{};
    QPushButton* cmdShowCorrect;
    QPushButton* cmdCancel;
    QFrame* Shape1;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    frmGame* game_;
};
