#include "ProgressReportDialog.h"

#include "maintenance/NoteWindow.h"
#include "ui/Look.h"
#include "ui/Widgets.h"
#include "views/ReviewPlanPanel.h"

#include <algorithm>

#include <QEvent>
#include <QFrame>
#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace ProgressReport;
using Widgets::label;

namespace {

// Every group's captions and objectNames, in one place.
struct GroupNames {
    Group group;
    const char* heading;
    const char* secondCaption;
    const char* headingName;
    const char* totalCaptionName;
    const char* secondCaptionName;
    const char* totalName;
    const char* secondName;
    const char* percentName;
    const char* barName;
    const char* adviceName; // null for All Words
};
const GroupNames kGroups[GroupCount] = {
    {AllWords, QT_TRANSLATE_NOOP("ProgressReportDialog", "All Words"),
     QT_TRANSLATE_NOOP("ProgressReportDialog", "Words Studied At Least 1 time:"), "Label5",
     "Label14", "Label16", "lblAllTotal", "lblAllOne", "lblAllPerc", "PBarAll", nullptr},
    {Easy, QT_TRANSLATE_NOOP("ProgressReportDialog", "Easy Words"),
     QT_TRANSLATE_NOOP("ProgressReportDialog", "Words Studied Less than 3 times:"), "Label1",
     "Label2", "Label3", "lblEasyTotal", "lblEasyLess", "lblEasyPerc", "PBarEasyLess",
     "Label12"},
    {VeryDifficult, QT_TRANSLATE_NOOP("ProgressReportDialog", "Very Difficult Words"),
     QT_TRANSLATE_NOOP("ProgressReportDialog", "Words Studied Less than 5 times:"), "Label9",
     "Label10", "Label11", "lblVeryDiffTotal", "lblVeryDiffLess", "lblVeryDiffPerc",
     "PBarVeryDiffLess", "Label15"},
    {Difficult, QT_TRANSLATE_NOOP("ProgressReportDialog", "Difficult Words"),
     QT_TRANSLATE_NOOP("ProgressReportDialog", "Words Studied Less than 4 times:"), "Label6",
     "Label7", "Label8", "lblDiffTotal", "lblDiffLess", "lblDiffPerc", "PBarDiffLess",
     "Label13"},
};

QString name(const char* n) {
    return QString::fromLatin1(n);
}

QLabel* countLabel(const QString& caption, const char* objectName, QWidget* parent) {
    QLabel* l = Widgets::valueLabel(caption, name(objectName), parent);
    l->setFont(Look::arial(12, true));
    l->setMinimumWidth(60);
    l->setProperty("tone", QStringLiteral("accent"));
    return l;
}

QProgressBar* bar(const char* objectName, QWidget* parent) {
    auto* b = Widgets::named(new QProgressBar(parent), name(objectName));
    b->setRange(0, 100);
    b->setValue(0);
    b->setMinimumWidth(220);
    return b;
}

QFrame* frame(const QString& objectName, QWidget* parent) {
    auto* f = Widgets::named(new QFrame(parent), objectName);
    f->setProperty("surface", QStringLiteral("card"));
    return f;
}

} // namespace

ProgressReportDialog::ProgressReportDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(tr("Progress Report"));
    setModal(true);

    pictureLabel_ = label(QString(), QStringLiteral("Picture1"), this);
    pictureLabel_->setPixmap(Look::icon(Look::Icon::Report).pixmap(40, 40));
    pictureLabel_->setAccessibleName(tr("Progress Report"));
    titleLabel_ = label(tr("Progress Report"), QStringLiteral("Label18"), this);
    titleLabel_->setFont(Look::arial(18, true));
    titleLabel_->setProperty("tone", QStringLiteral("accent"));
    allWordsFrame_ = frame(QStringLiteral("Frame1"), this);
    levelsFrame_ = frame(QStringLiteral("Frame2"), this);
    buildGroups();
    recommendationLabel_ = label(recommendation(), QStringLiteral("Label4"), this);
    recommendationLabel_->setWordWrap(true);
    recommendationLabel_->setProperty("tone", QStringLiteral("note"));
    layOut();
}

void ProgressReportDialog::buildGroups() {
    for (const GroupNames& g : kGroups) {
        QWidget* parent = g.group == AllWords ? allWordsFrame_ : levelsFrame_;
        GroupRow& row = groups_[size_t(g.group)];
        row.heading = label(tr(g.heading), name(g.headingName), parent);
        row.heading->setFont(Look::arial(11, true));
        row.heading->setProperty("tone", QStringLiteral("ink"));
        row.totalCaption = label(tr("Total Words"), name(g.totalCaptionName), parent);
        row.secondCaption = label(tr(g.secondCaption), name(g.secondCaptionName), parent);
        row.total = countLabel(tr(g.heading) + QLatin1Char(' ') + tr("Total Words"), g.totalName,
                               parent);
        row.second = countLabel(tr(g.secondCaption), g.secondName, parent);
        row.percent = label(QString(), name(g.percentName), parent);
        row.bar = bar(g.barName, parent);
        row.bar->setAccessibleName(tr(g.heading));
        if (!g.adviceName)
            continue;
        row.advice = label(tr("Give Me Such Words"), name(g.adviceName), parent);
        row.advice->setCursor(Qt::PointingHandCursor);
        row.advice->setFocusPolicy(Qt::StrongFocus);
        row.advice->setToolTip(tr("How to select these words"));
        row.advice->setAccessibleDescription(adviceTitle(g.group));
        row.advice->setProperty("link", true);
        row.advice->installEventFilter(this);
    }
}

void ProgressReportDialog::fillReviews(const ScheduleStore::Report& report) {
    reviewPlan_->fill(report);
}

void ProgressReportDialog::layOut() {
    reviewPlan_ = new ReviewPlanPanel(this);
    // One group: its name, the two counts with their captions, the percentage with its bar.
    const auto addRow = [](QGridLayout* grid, int at, const GroupRow& r) {
        grid->addWidget(r.heading, at, 0, 1, 2);
        if (r.advice)
            grid->addWidget(r.advice, at, 4, Qt::AlignRight);
        grid->addWidget(r.totalCaption, at + 1, 0);
        grid->addWidget(r.total, at + 1, 1);
        grid->addWidget(r.secondCaption, at + 1, 2);
        grid->addWidget(r.second, at + 1, 3);
        grid->addWidget(r.percent, at + 2, 0, 1, 2);
        grid->addWidget(r.bar, at + 2, 2, 1, 3);
        grid->setRowMinimumHeight(at + 3, 10);
    };
    auto* all = new QGridLayout(allWordsFrame_);
    all->setContentsMargins(14, 10, 14, 4);
    all->setColumnStretch(4, 1);
    addRow(all, 0, groups_[AllWords]);
    auto* levels = new QGridLayout(levelsFrame_);
    levels->setContentsMargins(14, 10, 14, 4);
    levels->setColumnStretch(4, 1);
    addRow(levels, 0, groups_[Easy]);
    addRow(levels, 4, groups_[Difficult]);
    addRow(levels, 8, groups_[VeryDifficult]);

    auto* close = Widgets::named(new QPushButton(tr("Close"), this), QStringLiteral("cmdClose"));
    close->setDefault(true);
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* head = new QHBoxLayout;
    head->addWidget(pictureLabel_);
    head->addWidget(titleLabel_, 1);
    auto* foot = new QHBoxLayout;
    foot->addWidget(recommendationLabel_, 1);
    foot->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(head);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(allWordsFrame_);
    body->addWidget(levelsFrame_);
    body->addWidget(reviewPlan_);
    // The groups and the plan scroll on a screen too small for all of them at once.
    QScrollArea* scroll = Widgets::scrolling(body, this);
    layout->addWidget(scroll, 1);
    layout->addLayout(foot);
    const QSize whole = scroll->widget()->sizeHint();
    const QSize rest = layout->sizeHint() - scroll->sizeHint();
    resize(std::max(680, whole.width() + 36), rest.height() + whole.height());
}

void ProgressReportDialog::fill(const std::array<std::optional<Counts>, GroupCount>& counts) {
    for (int g = 0; g < GroupCount; ++g) {
        const std::optional<Counts>& c = counts[size_t(g)];
        if (!c)
            continue;
        const GroupRow& row = groups_[size_t(g)];
        row.total->setText(QString::number(c->total));
        row.second->setText(QString::number(c->second));
        const std::optional<int> percent = percentage(Group(g), *c);
        row.percent->setText(percentageText(Group(g), percent));
        // A group without words has no share to show: an empty, greyed bar.
        row.bar->setValue(percent.value_or(0));
        row.bar->setTextVisible(percent.has_value());
        row.bar->setEnabled(percent.has_value());
    }
}

bool ProgressReportDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const bool key = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space);
    if (click || key) {
        for (int g = 0; g < GroupCount; ++g) {
            if (groups_[size_t(g)].advice && watched == groups_[size_t(g)].advice) {
                showAdvice(Group(g));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ProgressReportDialog::showAdvice(Group group) {
    // The report's own note: one opened over another window would sit behind this modal
    // report, out of reach. A second link reuses it.
    if (!note_)
        note_ = new NoteWindow(this);
    note_->setWindowTitle(adviceTitle(group));
    note_->setText(advice(group));
    note_->show();
    note_->raise();
    note_->activateWindow();
}
