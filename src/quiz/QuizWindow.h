#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QWidget>

class Speech;
class StudySession;

// STUB: The quiz: one word and four meanings at a time over the refined selection.
class QuizWindow : public QWidget {
    Q_OBJECT
public:
    QuizWindow(StudySession& session, Speech& speech, QWidget* centreOver);
    void start();
signals:
    void closed();
};
