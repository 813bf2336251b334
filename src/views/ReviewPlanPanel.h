#pragma once

#include "schedule/ScheduleStore.h"

#include <QGroupBox>
#include <QWidget>

class QLabel;

// Thirty days as bars, painted: the report's two small charts. Qt Charts would bring a
// library of its own for what a few rectangles say.
class DayBarChart : public QWidget {
    Q_OBJECT
public:
    DayBarChart(const QString& title, const QString& firstDay, const QString& lastDay,
                QWidget* parent = nullptr);

    void setValues(const std::array<int, ScheduleStore::Report::Days>& values);
    const std::array<int, ScheduleStore::Report::Days>& values() const { return values_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    QString firstDay_;
    QString lastDay_;
    std::array<int, ScheduleStore::Report::Days> values_{};
};

// The review plan in the progress report: what is due, what was reviewed and how much of it
// was recalled, with the reviews of the last 30 days and the due words of the next 30.
class ReviewPlanPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ReviewPlanPanel(QWidget* parent = nullptr);

    void fill(const ScheduleStore::Report& report);

private:
    QLabel* dueToday_;
    QLabel* dueWeek_;
    QLabel* reviews_;
    QLabel* retention_;
    DayBarChart* reviewChart_;
    DayBarChart* forecastChart_;
};
