#include "GradePanel.h"

#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using Widgets::label;
using Widgets::named;

GradePanel::GradePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("frameGrade"));
    auto* show = named(new QPushButton(tr("&Show"), this), QStringLiteral("cmdShow"));
    show->setToolTip(tr("Show the hidden boxes"));
    connect(show, &QPushButton::clicked, this, &GradePanel::showRequested);
    struct Grade {
        const char* caption;
        const char* name;
        const char* tip;
        Fsrs::Rating rating;
    };
    const Grade grades[] = {
        {"Again", "cmdAgain", "Forgotten: see it again tomorrow (key 1)", Fsrs::Rating::Again},
        {"Hard", "cmdHard", "Recalled with difficulty (key 2)", Fsrs::Rating::Hard},
        {"Good", "cmdGood", "Recalled (key 3)", Fsrs::Rating::Good},
        {"Easy", "cmdEasy", "Recalled at once (key 4)", Fsrs::Rating::Easy},
    };
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(show);
    layout->addSpacing(12);
    for (size_t i = 0; i < grades_.size(); ++i) {
        const Grade& g = grades[i];
        auto* button =
            named(new QPushButton(tr(g.caption), this), QString::fromLatin1(g.name));
        button->setToolTip(tr(g.tip));
        button->setProperty("grade", true);
        const Fsrs::Rating rating = g.rating;
        connect(button, &QPushButton::clicked, this, [this, rating] { emit gradeRequested(rating); });
        layout->addWidget(button);
        grades_[i] = button;
    }
    layout->addStretch();
    waiting_ = label(QString(), QStringLiteral("lblDue"), this);
    waiting_->setAccessibleName(tr("Words waiting today"));
    layout->addWidget(waiting_);
}

void GradePanel::setWaiting(int count) {
    waiting_->setText(tr("%1 waiting").arg(count));
}
