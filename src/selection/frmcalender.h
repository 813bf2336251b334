#pragma once

#include <array>
#include <QDialog>
#include <QPointer>

class QCalendarWidget;
class QLineEdit;
class QPushButton;

// The date box the calendar writes into; Intelli Select points it at its From or To box.
extern QPointer<QLineEdit> dateTarget;

// Picks a date from a month calendar and writes it as mm/dd/yyyy into dateTarget.
class frmcalender : public QDialog {
    Q_OBJECT
public:
    explicit frmcalender(QWidget* parent = nullptr);

    QCalendarWidget* Calendar1;
    std::array<QPushButton*, 2> command1{};

public slots:
    void command1_Click(int index);
};
