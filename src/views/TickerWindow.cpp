#include "TickerWindow.h"

TickerWindow::TickerWindow(StudySession& session, Speech& speech, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmShowAll"));
    (void)session;
    (void)speech;
}

