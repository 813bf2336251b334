#include "NoteWindow.h"

NoteWindow::NoteWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMisc"));
}

NoteWindow* NoteWindow::current() {
    return nullptr;
}

void NoteWindow::setText(const QString&) {}

