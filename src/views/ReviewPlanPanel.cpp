#include "ReviewPlanPanel.h"

#include "ui/Widgets.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

using Widgets::label;
using Widgets::named;

namespace {
constexpr int kDays = ScheduleStore::Report::Days;
} // namespace

DayBarChart::DayBarChart(const QString& title, const QString& firstDay, const QString& lastDay,
                         QWidget* parent)
    : QWidget(parent), title_(title), firstDay_(firstDay), lastDay_(lastDay) {
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize DayBarChart::sizeHint() const {
    return {320, fontMetrics().height() * 2 + 90};
}

QSize DayBarChart::minimumSizeHint() const {
    return {kDays * 4 + 40, sizeHint().height()};
}

void DayBarChart::setValues(const std::array<int, kDays>& values) {
    values_ = values;
    // What the bars show, for a screen reader: the total and the busiest day.
    const int total = std::accumulate(values.begin(), values.end(), 0);
    const int most = *std::max_element(values.begin(), values.end());
    setAccessibleDescription(tr("%1 in all, at most %2 on one day").arg(total).arg(most));
    update();
}

void DayBarChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor bar = palette().color(QPalette::Highlight);
    const int most = std::max(1, *std::max_element(values_.begin(), values_.end()));
    const QString top = QString::number(most);
    const int left = fm.horizontalAdvance(top) + 6;
    const QRect plot(left, fm.height() + 4, width() - left - 2, height() - 2 * fm.height() - 10);

    p.setPen(ink);
    p.drawText(QRect(0, 0, width(), fm.height()), Qt::AlignLeft | Qt::AlignVCenter, title_);
    p.drawText(QRect(0, plot.top(), left - 4, fm.height()), Qt::AlignRight | Qt::AlignTop, top);
    p.drawText(QRect(0, plot.bottom() - fm.height(), left - 4, fm.height()),
               Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));
    const QRect foot(plot.left(), plot.bottom() + 4, plot.width(), fm.height());
    p.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, firstDay_);
    p.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, lastDay_);

    const double slot = double(plot.width()) / kDays;
    const double gap = slot > 5 ? 1.5 : 0.5;
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    for (int i = 0; i < kDays; ++i) {
        const double h = double(plot.height()) * values_[size_t(i)] / most;
        p.drawRect(QRectF(plot.left() + i * slot + gap / 2, plot.bottom() - h, slot - gap, h));
    }
    p.setPen(QPen(ink, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
}

ReviewPlanPanel::ReviewPlanPanel(QWidget* parent) : QGroupBox(tr("Review Plan"), parent) {
    setObjectName(QStringLiteral("frameReviews"));
    const auto figure = [this](const QString& caption, const QString& name, QGridLayout* grid,
                               int row, int column) {
        auto* c = label(caption, name + QStringLiteral("Caption"), this);
        auto* value = label(QString(), name, this);
        value->setProperty("value", true);
        value->setAccessibleName(caption);
        c->setBuddy(value);
        grid->addWidget(c, row, column);
        grid->addWidget(value, row, column + 1);
        return value;
    };
    auto* grid = new QGridLayout(this);
    dueToday_ = figure(tr("Due today:"), QStringLiteral("lblDueToday"), grid, 0, 0);
    dueWeek_ = figure(tr("Due in the next 7 days:"), QStringLiteral("lblDueWeek"), grid, 1, 0);
    reviews_ = figure(tr("Reviews in the last 30 days:"), QStringLiteral("lblReviews"), grid, 0, 2);
    retention_ = figure(tr("Recalled:"), QStringLiteral("lblRetention"), grid, 1, 2);
    retention_->setToolTip(tr("The share of reviews of words already learnt that were not "
                              "graded Again"));
    reviewChart_ = named(new DayBarChart(tr("Reviews per day"), tr("30 days ago"), tr("today"), this),
                         QStringLiteral("chartReviews"));
    forecastChart_ =
        named(new DayBarChart(tr("Words due per day"), tr("today"), tr("in 30 days"), this),
              QStringLiteral("chartForecast"));
    grid->addWidget(reviewChart_, 2, 0, 1, 2);
    grid->addWidget(forecastChart_, 2, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void ReviewPlanPanel::fill(const ScheduleStore::Report& report) {
    dueToday_->setText(QString::number(report.dueToday));
    dueWeek_->setText(QString::number(report.dueNext7Days));
    reviews_->setText(QString::number(report.reviews));
    retention_->setText(report.retention
                            ? QStringLiteral("%1%").arg(std::lround(*report.retention * 100))
                            : tr("none yet"));
    reviewChart_->setValues(report.reviewsPerDay);
    forecastChart_->setValues(report.dueForecast);
}
