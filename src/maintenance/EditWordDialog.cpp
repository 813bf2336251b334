#include "EditWordDialog.h"

EditWordDialog::EditWordDialog(StudySession& session, const Word& word, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEdit"));
    (void)session;
    (void)word;
}

