#include "WordGameWindow.h"

WordGameWindow::WordGameWindow(StudySession& session, Speech& speech, QWidget* centreOver) : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmGame"));
    (void)session;
    (void)speech;
    (void)centreOver;
}

void WordGameWindow::start() {}


