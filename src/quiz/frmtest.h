#pragma once

#include "quiz/QuizEngine.h"

#include <array>
#include <QColor>
#include <QRadioButton>
#include <QWidget>

class Form1;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// An option of the quiz: a radio button whose meaning wraps over as many lines as it needs,
// in the verdict colour it is given (none: the normal button text).
class QuizOption : public QRadioButton {
    Q_OBJECT
public:
    explicit QuizOption(QWidget* parent = nullptr);
    void setTextColour(const QColor& colour);
    QColor textColour() const { return colour_; }

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

    QColor colour_;
};

// The quiz: one word and four meanings at a time over the refined selection, each word
// once per pass, graded when the window closes. The main window is out of use meanwhile.
class frmtest : public QWidget {
    Q_OBJECT
public:
    inline static const QColor WrongColour = QColor(0xff, 0, 0);
    inline static const QColor RightColour = QColor(0, 0x80, 0);

    explicit frmtest(Form1* main, QWidget* parent = nullptr);

    void Form_Load();
    void nextquestion();
    void Option1_Click(int index);
    void verifyButton_Click();
    void nextButton_Click();
    void lblhint_Click();
    void speakButton_Click();
    void speButton_Click(int index);

    // The state of the quiz, as the window keeps it.
    int correctIndex = 0;
    int chosenIndex = 0;
    int correctCount = 0;
    int answeredCount = 0;
    bool answerPending = true;
    QString correctMeaning;
    const QuizEngine::Pass& pass() const { return pass_; }

    QLabel* Label14;
    QLabel* Label12;
    QLabel* lblPocket;
    QFrame* wordCard;
    QLabel* Label1;
    QPushButton* speakButton;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label11;
    QLabel* lblDiffLevel;
    QGroupBox* Frame2;
    std::array<QuizOption*, QuizEngine::Options> Option1{};
    QLabel* Label10;
    QLabel* lblhint;
    QPushButton* verifyButton;
    QPushButton* nextButton;
    QLabel* Label2;
    QLabel* Label13;
    QLabel* Label3;
    QGroupBox* Frame3;
    std::array<QPushButton*, 2> speButton{};

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearOptions();
    void showVerdict(const QString& text, const QColor& colour);
    void startPass();

    Form1* main_;
    QButtonGroup* options_;
    QuizEngine::Pass pass_;
};
