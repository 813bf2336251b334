#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QDialog>

class Speech;
class StudySession;

// STUB: "Refine Selection": narrows the session's selection by one of fourteen filters.
class RefineSelectionDialog : public QDialog {
    Q_OBJECT
public:
    RefineSelectionDialog(StudySession& session, QWidget* parent);
};
