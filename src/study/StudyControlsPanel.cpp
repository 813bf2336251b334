#include "StudyControlsPanel.h"

#include "ui/Widgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

StudyControlsPanel::StudyControlsPanel(QWidget* parent) : QWidget(parent) {
    previousButton_ =
        named(new QPushButton(tr("Previous Word"), this), QStringLiteral("Command10_0"));
    nextButton_ = named(new QPushButton(tr("Next Word"), this), QStringLiteral("Command10_1"));
    randomButton_ =
        named(new QPushButton(tr("Random Word"), this), QStringLiteral("cmdRandomWord"));
    randomButton_->setToolTip(tr("Click to get a Random word"));
    alwaysPronounce_ =
        named(new QCheckBox(tr("Always Pronounce"), this), QStringLiteral("chkPLock"));
    auto* findCaption =
        label(tr("Find word (in Refined Selection)"), QStringLiteral("Label24"), this);
    findBox_ = named(new QLineEdit(this), QStringLiteral("txtFind"));
    findBox_->setClearButtonEnabled(true);
    findBox_->setMaxLength(200);
    findCaption->setBuddy(findBox_);

    markStudiedButton_ =
        named(new QPushButton(tr("Mark it. I've Studied."), this), QStringLiteral("studiedit"));
    markStudiedButton_->setProperty("accent", true);
    markStudiedButton_->setToolTip(tr("Studied the word? Then Click it to keep track."));
    difficultyBoxes_[0] =
        named(new QCheckBox(tr("Mark as Difficult"), this), QStringLiteral("chkDiff_0"));
    difficultyBoxes_[1] =
        named(new QCheckBox(tr("Mark: Very Difficult"), this), QStringLiteral("chkDiff_1"));
    for (QCheckBox* box : difficultyBoxes_)
        box->setToolTip(
            tr("You can change the  Difficulty level of word according to you comfort"));
    auto* difficultyNote =
        label(tr("You can change the default difficulty level"), QStringLiteral("Label13"), this);
    difficultyNote->setProperty("tone", QStringLiteral("muted"));
    editButton_ = named(new QPushButton(tr("E&dit"), this), QStringLiteral("cmdEdit"));

    layOut(findCaption, difficultyNote);
    connectControls();
}

void StudyControlsPanel::layOut(QLabel* findCaption, QLabel* difficultyNote) {
    auto* steps = new QHBoxLayout;
    steps->addWidget(previousButton_);
    steps->addWidget(randomButton_);
    steps->addWidget(nextButton_);
    steps->addSpacing(16);
    steps->addWidget(alwaysPronounce_);
    steps->addStretch();
    auto* find = new QHBoxLayout;
    find->addWidget(findCaption);
    find->addWidget(findBox_, 1);
    auto* marks = new QHBoxLayout;
    marks->addWidget(markStudiedButton_);
    marks->addSpacing(12);
    marks->addWidget(difficultyBoxes_[0]);
    marks->addWidget(difficultyBoxes_[1]);
    marks->addStretch();
    marks->addWidget(editButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addLayout(steps);
    layout->addLayout(find);
    layout->addLayout(marks);
    layout->addWidget(difficultyNote);
}

void StudyControlsPanel::connectControls() {
    connect(previousButton_, &QPushButton::clicked, this, &StudyControlsPanel::previousRequested);
    connect(nextButton_, &QPushButton::clicked, this, &StudyControlsPanel::nextRequested);
    connect(randomButton_, &QPushButton::clicked, this, &StudyControlsPanel::randomRequested);
    connect(findBox_, &QLineEdit::textChanged, this, &StudyControlsPanel::findRequested);
    connect(markStudiedButton_, &QPushButton::clicked, this,
            &StudyControlsPanel::markStudiedRequested);
    connect(editButton_, &QPushButton::clicked, this, &StudyControlsPanel::editRequested);
    // Only the learner's clicks set marks; showing a word's marks writes nothing back.
    for (auto box : {StudyTracking::DifficultBox, StudyTracking::VeryDifficultBox})
        connect(difficultyBoxes_[size_t(box)], &QCheckBox::clicked, this,
                [this, box](bool checked) { difficultyClicked(box, checked); });
}

void StudyControlsPanel::showSteps(const StudySession::Steps& steps) {
    previousButton_->setEnabled(steps.previous);
    nextButton_->setEnabled(steps.next);
}

void StudyControlsPanel::showWord(const Word& word) {
    shownMarks_ = {word.difficult, word.veryDifficult};
    difficultyBoxes_[0]->setChecked(word.difficult);
    difficultyBoxes_[1]->setChecked(word.veryDifficult);
    // No word on the card: nothing to mark, nothing to edit.
    for (QWidget* w : std::initializer_list<QWidget*>{markStudiedButton_, difficultyBoxes_[0],
                                                      difficultyBoxes_[1], editButton_})
        w->setEnabled(word.isValid());
}

void StudyControlsPanel::difficultyClicked(StudyTracking::DifficultyBox box, bool checked) {
    emit difficultyRequested(StudyTracking::marksAfterClick(box, checked, shownMarks_));
}

bool StudyControlsPanel::alwaysPronounce() const {
    return alwaysPronounce_->isChecked();
}

void StudyControlsPanel::setAlwaysPronounce(bool on) {
    alwaysPronounce_->setChecked(on);
}

void StudyControlsPanel::focusFind() {
    findBox_->setFocus();
    findBox_->selectAll();
}
