#pragma once

#include "schedule/Fsrs.h"

#include <array>
#include <QFrame>

class QLabel;
class QPushButton;

// Grading a due word: "Show" reveals what the card hides, then "Again", "Hard", "Good" or
// "Easy" (keys 1 to 4) says how well the learner recalled it. Shown only while the due
// words are the selection.
class GradePanel : public QFrame {
    Q_OBJECT
public:
    explicit GradePanel(QWidget* parent = nullptr);

    void setWaiting(int count);

signals:
    void showRequested();
    void gradeRequested(Fsrs::Rating rating);

private:
    QLabel* waiting_;
    std::array<QPushButton*, 4> grades_{};
};
