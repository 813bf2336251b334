#include "frmcalender.h"

#include "selection/DateEntry.h"
#include "ui/Look.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QPointer<QLineEdit> dateTarget;

frmcalender::frmcalender(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmcalender"));
    setWindowTitle(tr("Choose a Date"));
    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setFont(Look::arial(10));
    Calendar1->setGridVisible(true);
    Calendar1->setSelectedDate(QDate::currentDate());
    command1[0] = new QPushButton(tr("&OK"), this);
    command1[0]->setObjectName(QStringLiteral("command1_0"));
    command1[0]->setDefault(true);
    command1[1] = new QPushButton(tr("&Cancel"), this);
    command1[1]->setObjectName(QStringLiteral("command1_1"));
    for (int i = 0; i < 2; ++i)
        connect(command1[size_t(i)], &QPushButton::clicked, this, [this, i] { command1_Click(i); });
    // Double-clicking a day or pressing Enter on it takes it, as OK does.
    connect(Calendar1, &QCalendarWidget::activated, this, [this] { command1_Click(0); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1[0]);
    buttons->addWidget(command1[1]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Calendar1);
    layout->addLayout(buttons);
}

void frmcalender::command1_Click(int index) {
    if (index != 1 && dateTarget)
        dateTarget->setText(DateEntry::format(Calendar1->selectedDate()));
    close();
}
