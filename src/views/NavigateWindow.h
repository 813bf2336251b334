#pragma once

#include "data/Word.h"
#include "study/StudyTracking.h"

#include <QWidget>

class QLabel;
class QPushButton;
class Speech;
class StudySession;

// "Navigate - Verbaloom!": a small window floating over the list: steps through the words,
// sets the current word's difficulty and shows its level.
class NavigateWindow : public QWidget {
    Q_OBJECT
public:
    NavigateWindow(StudySession& session, Speech& speech, QWidget* owner);

private:
    void buildWindow();
    void layOut();
    void connectControls();
    void showLevel(const Word& word);
    // As a tick or a clear of one of the main window's difficulty boxes: nothing when the
    // box already shows that, else the marks that click gives.
    void markDifficulty(StudyTracking::DifficultyBox box, bool ticked);

    StudySession& session_;
    Speech& speech_;
    QLabel* levelCaption_ = nullptr;
    QLabel* levelLabel_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* difficultButton_ = nullptr;
    QPushButton* doubleDifficultButton_ = nullptr;
    QPushButton* easyButton_ = nullptr;
    QPushButton* markStudiedButton_ = nullptr;
    QPushButton* pronounceButton_ = nullptr;
};
