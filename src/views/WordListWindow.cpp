#include "WordListWindow.h"

WordListWindow::WordListWindow(StudySession& session, Speech& speech, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmList"));
    (void)session;
    (void)speech;
}

void WordListWindow::start() {}

