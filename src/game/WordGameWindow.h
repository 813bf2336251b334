#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QWidget>

class Speech;
class StudySession;

// STUB: The word game: seven puzzles of hidden words guessed letter by letter.
class WordGameWindow : public QWidget {
    Q_OBJECT
public:
    WordGameWindow(StudySession& session, Speech& speech, QWidget* centreOver);
    void start();
signals:
    void closed();
};
