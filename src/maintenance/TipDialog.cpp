#include "TipDialog.h"

TipDialog::TipDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTip"));
}

