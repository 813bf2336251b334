#include "ProgressReportDialog.h"

ProgressReportDialog::ProgressReportDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReport"));
}

void ProgressReportDialog::fill(const std::array<std::optional<ProgressReport::Counts>, ProgressReport::GroupCount>&) {}

