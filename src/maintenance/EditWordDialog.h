#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QDialog>

class Speech;
class StudySession;

// STUB: Edits the meaning and usage of the word it was opened for.
class EditWordDialog : public QDialog {
    Q_OBJECT
public:
    EditWordDialog(StudySession& session, const Word& word, QWidget* parent);
};
