#include "AddWordWindow.h"

AddWordWindow* AddWordWindow::open(StudySession& session, QWidget* parent) {
    auto* w = new AddWordWindow(session, parent);
    w->show();
    return w;
}

AddWordWindow* AddWordWindow::current() {
    return nullptr;
}

AddWordWindow::AddWordWindow(StudySession& session, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAddWord"));
    (void)session;
}

