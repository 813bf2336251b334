#pragma once

#include <array>
#include <QDialog>
#include <QString>

class QPushButton;

// The letter picker the game opens under a letter box: a letter, "Show Correct" (the right
// letter, for the price the game asks) or "Cancel". The game reads the choice afterwards.
class LetterPickerDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Cancelled, Letter, ShowCorrect };

    explicit LetterPickerDialog(QWidget* parent = nullptr);

    Choice choice() const { return choice_; }
    // The letter picked, "A" to "Z"; empty unless a letter was picked.
    QString letter() const { return letter_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pickLetter(int index);

    std::array<QPushButton*, 26> letterButtons_{};
    Choice choice_ = Choice::Cancelled;
    QString letter_;
};
