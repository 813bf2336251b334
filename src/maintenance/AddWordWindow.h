#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QDialog>

class Speech;
class StudySession;

// STUB: Adds a word of the learner's own; modeless.
class AddWordWindow : public QDialog {
    Q_OBJECT
public:
    static AddWordWindow* open(StudySession& session, QWidget* parent);
    static AddWordWindow* current();
    AddWordWindow(StudySession& session, QWidget* parent);
};
