#include "CalendarDialog.h"

#include "selection/DateEntry.h"
#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Widgets::named;

CalendarDialog::CalendarDialog(QLineEdit* dateBox, QWidget* parent)
    : QDialog(parent), dateBox_(dateBox) {
    setObjectName(QStringLiteral("frmcalender"));
    setWindowTitle(tr("Choose a Date"));
    calendar_ = named(new QCalendarWidget(this), QStringLiteral("Calendar1"));
    calendar_->setFont(Look::arial(10));
    calendar_->setGridVisible(true);
    // The calendar and its days' table, which takes the keys, are both tables to assistive
    // tools.
    calendar_->setAccessibleName(tr("Choose a Date"));
    if (auto* days = calendar_->findChild<QAbstractItemView*>())
        days->setAccessibleName(tr("Days"));
    calendar_->setSelectedDate(QDate::currentDate());
    okButton_ = named(new QPushButton(tr("&OK"), this), QStringLiteral("command1_0"));
    okButton_->setDefault(true);
    cancelButton_ = named(new QPushButton(tr("&Cancel"), this), QStringLiteral("command1_1"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    layout->addLayout(buttons);

    connect(okButton_, &QPushButton::clicked, this, &CalendarDialog::takeDate);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::close);
    // Double-clicking a day or pressing Enter on it takes it, as OK does.
    connect(calendar_, &QCalendarWidget::activated, this, &CalendarDialog::takeDate);
}

void CalendarDialog::takeDate() {
    if (dateBox_)
        dateBox_->setText(DateEntry::format(calendar_->selectedDate()));
    close();
}
