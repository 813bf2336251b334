#include "NavigateWindow.h"

#include "data/DbError.h"
#include "data/Speech.h"
#include "study/StudySession.h"
#include "ui/Keys.h"
#include "ui/Look.h"
#include "ui/Widgets.h"
#include "views/ListView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

using Widgets::named;

NavigateWindow::NavigateWindow(StudySession& session, Speech& speech, QWidget* owner)
    : QWidget(owner, Qt::Tool), session_(session), speech_(speech) {
    setObjectName(QStringLiteral("frmNavigate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Navigate - Verbaloom!"));
    buildWindow();
    layOut();
    connectControls();
    Keys::likeADialog(this);
    showLevel(session_.currentWord());
}

// Every control and its objectName, in one place.
void NavigateWindow::buildWindow() {
    levelCaption_ =
        named(new QLabel(tr("Current Difficutly Level:"), this), QStringLiteral("Label1"));
    levelLabel_ =
        Widgets::valueLabel(tr("Current Difficulty Level"), QStringLiteral("lblDiffLevel"), this);
    levelLabel_->setFont(Look::arial(11, true));
    levelLabel_->setProperty("tone", QStringLiteral("mark"));
    previousButton_ = named(new QPushButton(tr("<="), this), QStringLiteral("Command2"));
    nextButton_ = named(new QPushButton(tr("=>"), this), QStringLiteral("Command1"));
    previousButton_->setToolTip(tr("Previous Word"));
    nextButton_->setToolTip(tr("Next Word"));
    previousButton_->setAccessibleName(tr("Previous Word"));
    nextButton_->setAccessibleName(tr("Next Word"));
    for (QPushButton* arrow : {previousButton_, nextButton_}) {
        arrow->setFont(Look::arial(14, true));
        arrow->setMinimumWidth(70);
    }
    difficultButton_ =
        named(new QPushButton(tr("&Mark as Difficult"), this), QStringLiteral("Command3"));
    doubleDifficultButton_ =
        named(new QPushButton(tr("Mark as  &Double Difficult"), this), QStringLiteral("Command4"));
    easyButton_ = named(new QPushButton(tr("Mark as &Easy"), this), QStringLiteral("Command5"));
    markStudiedButton_ =
        named(new QPushButton(tr("Mark it. I've Studied."), this), QStringLiteral("studiedit"));
    markStudiedButton_->setToolTip(tr("Studied the word? Then Click it to keep track."));
    pronounceButton_ = named(new QPushButton(this), QStringLiteral("Command12"));
    pronounceButton_->setIcon(Look::icon(Look::Icon::Speaker));
    pronounceButton_->setIconSize(QSize(20, 20));
    pronounceButton_->setAccessibleName(tr("Pronounce"));
    pronounceButton_->setToolTip(tr("Pronounce"));
}

void NavigateWindow::layOut() {
    auto* level = new QHBoxLayout;
    level->addWidget(levelCaption_);
    level->addWidget(levelLabel_, 1);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(previousButton_);
    arrows->addWidget(nextButton_);
    arrows->addStretch();
    arrows->addWidget(pronounceButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(level);
    layout->addLayout(arrows);
    layout->addWidget(difficultButton_);
    layout->addWidget(doubleDifficultButton_);
    layout->addWidget(easyButton_);
    layout->addWidget(markStudiedButton_);
}

void NavigateWindow::connectControls() {
    using StudyTracking::DifficultBox;
    using StudyTracking::VeryDifficultBox;
    connect(nextButton_, &QPushButton::clicked, &session_, &StudySession::next);
    connect(previousButton_, &QPushButton::clicked, &session_, &StudySession::previous);
    connect(difficultButton_, &QPushButton::clicked, this,
            [this] { markDifficulty(DifficultBox, true); });
    connect(doubleDifficultButton_, &QPushButton::clicked, this,
            [this] { markDifficulty(VeryDifficultBox, true); });
    connect(easyButton_, &QPushButton::clicked, this,
            [this] { markDifficulty(DifficultBox, false); });
    connect(markStudiedButton_, &QPushButton::clicked, &session_, &StudySession::markStudied);
    connect(pronounceButton_, &QPushButton::clicked, this, [this] {
        const QString word = session_.currentWord().name;
        tryStep([&] { speech_.speak(word); });
    });
    // The level stays true to the word whoever moves or marks it (the grid, the main window).
    connect(&session_, &StudySession::currentWordChanged, this, &NavigateWindow::showLevel);
    auto arrowKey = [this](Qt::Key key, void (StudySession::*step)()) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, &session_, step);
    };
    arrowKey(Qt::Key_Left, &StudySession::previous);
    arrowKey(Qt::Key_Right, &StudySession::next);
}

void NavigateWindow::showLevel(const Word& word) {
    levelLabel_->setText(ListView::difficultyLevel({word.difficult, word.veryDifficult}));
}

void NavigateWindow::markDifficulty(StudyTracking::DifficultyBox box, bool ticked) {
    const Word& word = session_.currentWord();
    const DifficultyMarks shown{word.difficult, word.veryDifficult};
    const bool boxShows = box == StudyTracking::DifficultBox ? shown.difficult : shown.veryDifficult;
    if (boxShows == ticked)
        return;
    session_.setDifficulty(StudyTracking::marksAfterClick(box, ticked, shown));
}
