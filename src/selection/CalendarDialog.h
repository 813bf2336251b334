#pragma once

#include <QDialog>
#include <QPointer>

class QCalendarWidget;
class QLineEdit;
class QPushButton;

// Picks a date from a month calendar and writes it as mm/dd/yyyy into the date box it was
// opened for; Cancel leaves the box as it was.
class CalendarDialog : public QDialog {
    Q_OBJECT
public:
    CalendarDialog(QLineEdit* dateBox, QWidget* parent);

private:
    void takeDate();

    QPointer<QLineEdit> dateBox_;
    QCalendarWidget* calendar_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
