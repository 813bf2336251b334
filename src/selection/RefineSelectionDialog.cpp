#include "RefineSelectionDialog.h"

RefineSelectionDialog::RefineSelectionDialog(StudySession& session, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmFilterbox"));
    (void)session;
}

