#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QWidget>

class Speech;
class StudySession;

// STUB: The list view: the refined selection in a grid that follows the current word.
class WordListWindow : public QWidget {
    Q_OBJECT
public:
    WordListWindow(StudySession& session, Speech& speech, QWidget* parent);
    void start();
};
