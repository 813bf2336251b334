#pragma once

#include "data/Word.h"
#include "quiz/QuizEngine.h"
#include "ui/Look.h"

#include <optional>
#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QuizOptionsPanel;
class ValueLabel;
class Speech;
class StudySession;

// The quiz: one word and four meanings at a time over the session's refined selection, each
// word once per pass, graded when the window closes. It holds the session while open and
// moves it quietly to the words it draws.
class QuizWindow : public QWidget {
    Q_OBJECT
public:
    // Opens centred over the given window; the quiz is a window of its own.
    QuizWindow(StudySession& session, Speech& speech, QWidget* centreOver);

    // A new quiz: the score from nothing and the first question of a pass.
    void start();

signals:
    // The quiz has closed, after its grade; the session is the caller's again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    QWidget* buildCard();
    QWidget* buildHintArea();
    QGroupBox* buildCustomiseBox();
    void addShortcuts();

    void startPass();
    void nextQuestion();
    void showWord(const Word& word);
    void optionClicked();
    void verifyClicked();
    void nextClicked();
    void customise(bool refine);
    // The verdict's colour goes with its text: Colour::Right, Colour::Wrong or none.
    void showVerdict(const QString& text, std::optional<Look::Colour> verdict);

    StudySession& session_;
    Speech& speech_;
    QuizEngine::Pass pass_;
    Word word_; // the word asked, as it was when drawn
    int correctIndex_ = 0;
    int chosenIndex_ = 0;
    int correctCount_ = 0;
    int answeredCount_ = 0;
    bool answerPending_ = true;
    bool closing_ = false;

    QLabel* passSize_ = nullptr;
    QLabel* wordLabel_ = nullptr;
    QPushButton* speakButton_ = nullptr;
    QLabel* readCount_ = nullptr;
    QLabel* lastRead_ = nullptr;
    QLabel* wordList_ = nullptr;
    QLabel* difficulty_ = nullptr;
    QuizOptionsPanel* options_ = nullptr;
    QLabel* usage_ = nullptr;
    QLabel* usageCover_ = nullptr;
    QPushButton* verifyButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    ValueLabel* verdict_ = nullptr;
    QLabel* score_ = nullptr;
    QPushButton* wordSelectionButton_ = nullptr;
    QPushButton* refineSelectionButton_ = nullptr;
};
