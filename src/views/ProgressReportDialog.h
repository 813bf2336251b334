#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QDialog>

class Speech;
class StudySession;

// STUB: The progress report.
class ProgressReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressReportDialog(QWidget* parent = nullptr);
    void fill(const std::array<std::optional<ProgressReport::Counts>, ProgressReport::GroupCount>& counts);
};
