#include "WordSelectionDialog.h"

WordSelectionDialog::WordSelectionDialog(StudySession& session, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmIS"));
    (void)session;
}

