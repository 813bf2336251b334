#include "frmReport.h"

#include "maintenance/frmMisc.h"
#include "ui/Look.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ProgressReport;

namespace {
QLabel* label(const QString& text, const QString& name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel* count(const QString& name, QWidget* parent) {
    QLabel* l = label(QString(), name, parent);
    l->setFont(Look::arial(12, true));
    l->setMinimumWidth(60);
    l->setStyleSheet(QStringLiteral("color: #1f6f8b;"));
    return l;
}

QProgressBar* bar(const QString& name, QWidget* parent) {
    auto* b = new QProgressBar(parent);
    b->setObjectName(name);
    b->setRange(0, 100);
    b->setValue(0);
    b->setMinimumWidth(220);
    return b;
}

struct Row {
    QLabel* heading;
    QLabel* totalCaption;
    QLabel* secondCaption;
    QLabel* total;
    QLabel* second;
    QLabel* percent;
    QProgressBar* bar;
    QLabel* advice; // may be null
};

// One group: its name, the two counts with their captions, the percentage with its bar.
void addRow(QGridLayout* grid, int at, const Row& r) {
    r.heading->setFont(Look::arial(11, true));
    // Plain headings, whatever the application's sheet says of labels by these names.
    r.heading->setStyleSheet(
        QStringLiteral("color: #1b3a4b; background: transparent; border: none; padding: 0;"));
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
}

QFrame* frame(const QString& name, QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setStyleSheet(QStringLiteral("QFrame#%1 { background: #ffffff; border: 1px solid #d8d2c4;"
                                    " border-radius: 8px; }")
                         .arg(name));
    return f;
}
} // namespace

frmReport::frmReport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(tr("Progress Report"));
    setModal(true);

    Picture1 = label(QString(), QStringLiteral("Picture1"), this);
    Picture1->setPixmap(Look::icon(Look::Icon::Report).pixmap(40, 40));
    Label18 = label(tr("Progress Report"), QStringLiteral("Label18"), this);
    Label18->setFont(Look::arial(18, true));
    Label18->setStyleSheet(QStringLiteral("color: #1f6f8b;"));

    Frame1 = frame(QStringLiteral("Frame1"), this);
    Label5 = label(tr("All Words"), QStringLiteral("Label5"), Frame1);
    Label14 = label(tr("Total Words"), QStringLiteral("Label14"), Frame1);
    Label16 = label(tr("Words Studied At Least 1 time:"), QStringLiteral("Label16"), Frame1);
    lblAllTotal = count(QStringLiteral("lblAllTotal"), Frame1);
    lblAllOne = count(QStringLiteral("lblAllOne"), Frame1);
    lblAllPerc = label(QString(), QStringLiteral("lblAllPerc"), Frame1);
    PBarAll = bar(QStringLiteral("PBarAll"), Frame1);

    Frame2 = frame(QStringLiteral("Frame2"), this);
    Label1 = label(tr("Easy Words"), QStringLiteral("Label1"), Frame2);
    Label2 = label(tr("Total Words"), QStringLiteral("Label2"), Frame2);
    Label3 = label(tr("Words Studied Less than 3 times:"), QStringLiteral("Label3"), Frame2);
    lblEasyTotal = count(QStringLiteral("lblEasyTotal"), Frame2);
    lblEasyLess = count(QStringLiteral("lblEasyLess"), Frame2);
    lblEasyPerc = label(QString(), QStringLiteral("lblEasyPerc"), Frame2);
    PBarEasyLess = bar(QStringLiteral("PBarEasyLess"), Frame2);
    Label6 = label(tr("Difficult Words"), QStringLiteral("Label6"), Frame2);
    Label7 = label(tr("Total Words"), QStringLiteral("Label7"), Frame2);
    Label8 = label(tr("Words Studied Less than 4 times:"), QStringLiteral("Label8"), Frame2);
    lblDiffTotal = count(QStringLiteral("lblDiffTotal"), Frame2);
    lblDiffLess = count(QStringLiteral("lblDiffLess"), Frame2);
    lblDiffPerc = label(QString(), QStringLiteral("lblDiffPerc"), Frame2);
    PBarDiffLess = bar(QStringLiteral("PBarDiffLess"), Frame2);
    Label9 = label(tr("Very Difficult Words"), QStringLiteral("Label9"), Frame2);
    Label10 = label(tr("Total Words"), QStringLiteral("Label10"), Frame2);
    Label11 = label(tr("Words Studied Less than 5 times:"), QStringLiteral("Label11"), Frame2);
    lblVeryDiffTotal = count(QStringLiteral("lblVeryDiffTotal"), Frame2);
    lblVeryDiffLess = count(QStringLiteral("lblVeryDiffLess"), Frame2);
    lblVeryDiffPerc = label(QString(), QStringLiteral("lblVeryDiffPerc"), Frame2);
    PBarVeryDiffLess = bar(QStringLiteral("PBarVeryDiffLess"), Frame2);

    Label12 = label(tr("Give Me Such Words"), QStringLiteral("Label12"), Frame2);
    Label13 = label(tr("Give Me Such Words"), QStringLiteral("Label13"), Frame2);
    Label15 = label(tr("Give Me Such Words"), QStringLiteral("Label15"), Frame2);
    for (QLabel* advice : {Label12, Label13, Label15}) {
        advice->setCursor(Qt::PointingHandCursor);
        advice->setFocusPolicy(Qt::StrongFocus);
        advice->setToolTip(tr("How to select these words"));
        advice->setStyleSheet(QStringLiteral(
            "QLabel { color: #1f6f8b; text-decoration: underline; padding: 2px 4px; }"
            "QLabel:focus { border: 1px dotted #1f6f8b; }"));
        advice->installEventFilter(this);
    }

    Label4 = label(recommendation(), QStringLiteral("Label4"), this);
    Label4->setWordWrap(true);
    Label4->setStyleSheet(QStringLiteral("color: #8a6d2f;"));

    auto* all = new QGridLayout(Frame1);
    all->setContentsMargins(14, 10, 14, 4);
    all->setColumnStretch(4, 1);
    addRow(all, 0,
           {Label5, Label14, Label16, lblAllTotal, lblAllOne, lblAllPerc, PBarAll, nullptr});
    auto* levels = new QGridLayout(Frame2);
    levels->setContentsMargins(14, 10, 14, 4);
    levels->setColumnStretch(4, 1);
    addRow(levels, 0,
           {Label1, Label2, Label3, lblEasyTotal, lblEasyLess, lblEasyPerc, PBarEasyLess, Label12});
    addRow(levels, 4,
           {Label6, Label7, Label8, lblDiffTotal, lblDiffLess, lblDiffPerc, PBarDiffLess, Label13});
    addRow(levels, 8,
           {Label9, Label10, Label11, lblVeryDiffTotal, lblVeryDiffLess, lblVeryDiffPerc,
            PBarVeryDiffLess, Label15});

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* head = new QHBoxLayout;
    head->addWidget(Picture1);
    head->addWidget(Label18, 1);
    auto* foot = new QHBoxLayout;
    foot->addWidget(Label4, 1);
    foot->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(head);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(foot);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setMinimumWidth(680);
    adjustSize();
}

void frmReport::fill(const std::array<std::optional<Counts>, GroupCount>& counts) {
    struct Target {
        QLabel* total;
        QLabel* second;
        QLabel* percent;
        QProgressBar* bar;
    };
    const Target targets[GroupCount] = {
        {lblAllTotal, lblAllOne, lblAllPerc, PBarAll},
        {lblEasyTotal, lblEasyLess, lblEasyPerc, PBarEasyLess},
        {lblVeryDiffTotal, lblVeryDiffLess, lblVeryDiffPerc, PBarVeryDiffLess},
        {lblDiffTotal, lblDiffLess, lblDiffPerc, PBarDiffLess},
    };
    for (int g = 0; g < GroupCount; ++g) {
        const std::optional<Counts>& c = counts[size_t(g)];
        if (!c)
            continue;
        const Target& t = targets[g];
        t.total->setText(QString::number(c->total));
        t.second->setText(QString::number(c->second));
        const std::optional<int> percent = percentage(Group(g), *c);
        t.percent->setText(percentageText(Group(g), percent));
        // A group without words has no share to show: an empty, greyed bar.
        t.bar->setValue(percent.value_or(0));
        t.bar->setTextVisible(percent.has_value());
        t.bar->setEnabled(percent.has_value());
    }
}

bool frmReport::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const bool key = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space);
    if (click || key) {
        if (watched == Label12) {
            Label12_Click();
            return true;
        }
        if (watched == Label13) {
            Label13_Click();
            return true;
        }
        if (watched == Label15) {
            Label15_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmReport::Label12_Click() {
    showAdvice(Easy);
}
void frmReport::Label13_Click() {
    showAdvice(Difficult);
}
void frmReport::Label15_Click() {
    showAdvice(VeryDifficult);
}

void frmReport::showAdvice(Group group) {
    frmMisc::unload();
    auto* note = new frmMisc(this);
    note->setText(advice(group));
    note->exec();
}
