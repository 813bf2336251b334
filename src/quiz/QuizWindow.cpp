#include "QuizWindow.h"

QuizWindow::QuizWindow(StudySession& session, Speech& speech, QWidget* centreOver) : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmtest"));
    (void)session;
    (void)speech;
    (void)centreOver;
}

void QuizWindow::start() {}


