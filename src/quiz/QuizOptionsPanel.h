#pragma once

#include "quiz/QuizEngine.h"
#include "ui/Look.h"

#include <array>
#include <optional>
#include <QColor>
#include <QGroupBox>
#include <QRadioButton>

class QButtonGroup;
class QScrollArea;

// An option of the quiz: a radio button whose meaning wraps over as many lines as it needs
// (inside a word only when the word is longer than a line), in the verdict colour it is
// given (none: the normal button text), marked with a tick or a cross so that the verdict
// does not rest on the colour alone.
class QuizOption : public QRadioButton {
    Q_OBJECT
public:
    explicit QuizOption(QWidget* parent = nullptr);
    // Colour::Right or Colour::Wrong, or none.
    void setVerdict(std::optional<Look::Colour> verdict);
    // The verdict's colour in the appearance in force; none without a verdict.
    QColor textColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect indicatorRect() const;
    int textLeft() const;
    QString mark() const;

    std::optional<Look::Colour> verdict_;
};

// "Chose the Correct Option": the four meanings of a question. However long they are, each
// shows whole; when they do not all fit, the list scrolls.
class QuizOptionsPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int Count = QuizEngine::Options;

    explicit QuizOptionsPanel(QWidget* parent = nullptr);

    // A new question: the texts in their places, none chosen, no colours. A blank option
    // cannot be chosen, unless it holds the right (blank) meaning.
    void showQuestion(const std::array<QString, Count>& texts, int correctIndex);
    // Nothing is asked: no option is or can be chosen.
    void closeAll();
    void clearChoice();
    // The option chosen, or -1.
    int chosen() const;
    void setVerdict(int index, std::optional<Look::Colour> verdict);
    // Chooses an option as a click on it would, when it can be chosen.
    void choose(int index);
    void focusFirst();

signals:
    void optionClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollArea* scroll_;
    QButtonGroup* group_;
    std::array<QuizOption*, Count> options_{};
};
