#pragma once

#include "data/Word.h"
#include "study/StudySession.h"
#include "study/StudyTracking.h"

#include <array>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The buttons under the card: the steps, find, "Mark it. I've Studied.", the difficulty
// marks and the edit button. It only reports what the learner asks for.
class StudyControlsPanel : public QWidget {
    Q_OBJECT
public:
    explicit StudyControlsPanel(QWidget* parent = nullptr);

    void showSteps(const StudySession::Steps& steps);
    void showWord(const Word& word);
    bool alwaysPronounce() const;
    void setAlwaysPronounce(bool on);
    void focusFind();

signals:
    void previousRequested();
    void nextRequested();
    void randomRequested();
    void findRequested(const QString& prefix);
    void markStudiedRequested();
    void difficultyRequested(DifficultyMarks marks);
    void editRequested();

private:
    void layOut(QLabel* findCaption, QLabel* difficultyNote);
    void connectControls();
    void difficultyClicked(StudyTracking::DifficultyBox box, bool checked);

    QPushButton* previousButton_;
    QPushButton* nextButton_;
    QPushButton* randomButton_;
    QCheckBox* alwaysPronounce_;
    QLineEdit* findBox_;
    QPushButton* markStudiedButton_;
    std::array<QCheckBox*, 2> difficultyBoxes_{};
    QPushButton* editButton_;
    DifficultyMarks shownMarks_;
};
