#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QDialog>

class Speech;
class StudySession;

// STUB: "Words Selection" (Intelli Select): composes a selection from criteria; "Get Results" makes it the session's selection.
class WordSelectionDialog : public QDialog {
    Q_OBJECT
public:
    WordSelectionDialog(StudySession& session, QWidget* parent);
};
