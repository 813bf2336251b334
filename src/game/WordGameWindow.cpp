#include "WordGameWindow.h"

#include "app/Random.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Speech.h"
#include "game/GameHintsPanel.h"
#include "game/HighScoreDialog.h"
#include "game/LetterBoxesPanel.h"
#include "game/LetterPickerDialog.h"
#include "game/PuzzlePanel.h"
#include "study/StudySession.h"
#include "ui/DeferredClose.h"
#include "ui/Keys.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <algorithm>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

using Widgets::label;
using WordPuzzle::Hint;

namespace {

constexpr int kMaxRedraws = 3;

} // namespace

WordGameWindow::WordGameWindow(StudySession& session, Speech& speech, QWidget* centreOver)
    : QWidget(nullptr, Qt::Window), session_(session), speech_(speech) {
    setObjectName(QStringLiteral("frmGame"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(tr("Game"));
    setWindowIcon(Look::icon(Look::Icon::Game));
    buildWindow();
    Keys::likeADialog(this);
    resize(980, 540);
    setMinimumWidth(900);
    if (centreOver)
        move(centreOver->frameGeometry().center() - rect().center());
}

void WordGameWindow::buildWindow() {
    auto* title = label(tr("Game"), QStringLiteral("Label14"), this);
    title->setFont(Look::arial(20, true));
    title->setProperty("tone", QStringLiteral("accent"));
    auto* puzzles = label(tr("Total Puzzles Q's: 7"), QStringLiteral("Label1"), this);
    puzzleNumber_ = Widgets::valueLabel(tr("Puzzle number"), QStringLiteral("lblPuzzleNo"), this);
    puzzleNumber_->setProperty("tone", QStringLiteral("ink"));
    Look::setTextSize(puzzleNumber_, 13, true);
    highScore_ = label(QString(), QStringLiteral("lblHighScore"), this);
    highScore_->setProperty("surface", QStringLiteral("note"));
    highScore_->hide();
    auto* scoreCaption = label(tr("Score"), QStringLiteral("Label5"), this);
    for (QLabel* caption : {puzzles, scoreCaption}) {
        caption->setProperty("tone", QStringLiteral("muted"));
        Look::setTextSize(caption, 11, false);
    }
    score_ = Widgets::valueLabel(tr("Score"), QStringLiteral("lblScore"), this);
    score_->setText(QStringLiteral("0"));
    score_->setProperty("tone", QStringLiteral("accent"));
    Look::setTextSize(score_, 16, true);
    score_->setMinimumWidth(70);
    auto* head = new QHBoxLayout;
    head->addWidget(title);
    head->addSpacing(18);
    head->addWidget(puzzles);
    head->addSpacing(10);
    head->addWidget(puzzleNumber_);
    head->addStretch();
    head->addWidget(highScore_);
    head->addStretch();
    head->addWidget(scoreCaption);
    head->addWidget(score_);

    puzzle_ = new PuzzlePanel(this);
    boxes_ = puzzle_->boxes();
    hints_ = new GameHintsPanel(this);
    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addWidget(puzzle_, 1);
    body->addWidget(hints_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 14);
    layout->addLayout(head);
    layout->addLayout(body, 1);

    connect(boxes_, &LetterBoxesPanel::pickRequested, this, &WordGameWindow::pickLetter);
    connect(boxes_, &LetterBoxesPanel::letterEntered, this, &WordGameWindow::enterLetter);
    connect(hints_, &GameHintsPanel::hintRequested, this, &WordGameWindow::useHint);
    connect(puzzle_, &PuzzlePanel::nextRequested, this, &WordGameWindow::nextPuzzleRequested);
    connect(puzzle_, &PuzzlePanel::newGameRequested, this, &WordGameWindow::start);
    connect(puzzle_, &PuzzlePanel::exitRequested, this, &QWidget::close);
    connect(puzzle_, &PuzzlePanel::talkRequested, this,
            [this] { tryStep([&] { speech_.speak(puzzleWord_.name); }); });
}

// ---- a game ----

void WordGameWindow::start() {
    session_.selectSource(StudySession::AllWords);
    boxes_->fillLists();
    const std::optional<QString> line = GameScoring::HighScore::line();
    highScore_->setText(line.value_or(QString()));
    highScore_->setVisible(line.has_value());
    state_ = GameState();
    score_->setText(QStringLiteral("0"));
    puzzle_->showGameOver(false);
    readPool();
    nextPuzzleRequested();
}

void WordGameWindow::readPool() {
    pool_ = PuzzleWordPool();
    if (const Recordset* rows = session_.refinedRows())
        tryStep([&] { pool_ = PuzzleWordPool::fromRecordset(*rows); });
}

void WordGameWindow::nextPuzzleRequested() {
    if (state_.over()) {
        gameOver();
        return;
    }
    outOfWords_ = false;
    for (int redraws = 0; !setUpPuzzle(); ++redraws) {
        if (outOfWords_ || redraws >= kMaxRedraws) {
            noWordToPlay();
            return;
        }
    }
    puzzleActive_ = true;
    boxes_->focusFirstOpen();
}

bool WordGameWindow::setUpPuzzle() {
    puzzleActive_ = false;
    boxes_->showWord(0);
    hints_->show();
    hints_->offerAll();
    state_.startPuzzle();
    showCost(false);

    // One draw among the words that suit the level; only a word that can be played goes
    // through the session.
    const std::optional<PuzzleWordPool::Pick> pick =
        pool_.pick(state_.level, Random::global().uniform());
    if (!pick) {
        outOfWords_ = true;
        return false;
    }
    state_.level = pick->level;
    Word drawn;
    tryStep([&] { drawn = session_.wordAt(pick->position); });
    if (WordPuzzle::accepts(drawn.name, state_.level, drawn.difficult, drawn.veryDifficult))
        session_.stepTo(pick->position);
    if (!drawn.isValid() || session_.currentWord().id != drawn.id) {
        // The rows changed since the game read them: read them again and draw anew.
        readPool();
        return false;
    }
    puzzleWord_ = session_.currentWord();
    const int length = int(puzzleWord_.name.size());
    boxes_->showWord(length);
    puzzle_->showPuzzle(puzzleWord_.meaning,
                        WordPuzzle::maskExample(puzzleWord_.usage, puzzleWord_.name),
                        GameScoring::prizeCaption(state_.level));
    for (Hint h : {Hint::Third, Hint::Random})
        hints_->setOffered(h, WordPuzzle::offeredAtStart(h, length));
    puzzleNumber_->setText(QStringLiteral("# ") +
                           GameScoring::withSignPosition(state_.puzzleNumber));
    return true;
}

// ---- letters ----

void WordGameWindow::pickLetter(int index) {
    QWidget* box = boxes_->box(index);
    if (index >= boxes_->length() || !box->isVisible())
        return;
    puzzle_->startGuessing();
    boxes_->setPicking(index, true);
    LetterPickerDialog::Choice choice = LetterPickerDialog::Choice::Cancelled;
    QString letter;
    {
        const DeferredClose guard(this);
        LetterPickerDialog picker(this);
        // Just below the box, kept on the screen.
        QPoint at = box->mapToGlobal(QPoint(0, int(1.65 * box->height())));
        picker.adjustSize();
        if (const QScreen* screen = box->screen()) {
            const QRect area = screen->availableGeometry();
            at.setX(std::clamp(at.x(), area.left(),
                               std::max(area.left(), area.right() - picker.width())));
            at.setY(std::clamp(at.y(), area.top(),
                               std::max(area.top(), area.bottom() - picker.height())));
        }
        picker.move(at);
        picker.exec();
        choice = picker.choice();
        letter = picker.letter();
    }
    if (closing_)
        return;
    // Back to the box, so that typing goes on where the learner was.
    activateWindow();
    box->setFocus();
    boxes_->setPicking(index, false);
    if (choice == LetterPickerDialog::Choice::Cancelled)
        return;
    if (choice == LetterPickerDialog::Choice::ShowCorrect) {
        state_.buyShowCorrect();
        showScore(false);
        showCost(false);
        letter = puzzleWord_.name.mid(index, 1).toUpper();
    }
    enterLetter(index, letter);
}

void WordGameWindow::enterLetter(int index, const QString& letter) {
    if (boxes_->setLetter(index, letter))
        judge(index);
}

void WordGameWindow::judge(int index) {
    if (!puzzleActive_)
        return;
    const int length = boxes_->length();
    if (!WordPuzzle::sameLetter(boxes_->letter(index), puzzleWord_.name.mid(index, 1))) {
        puzzle_->showVerdict(false);
        boxes_->markWrong(index);
        state_.wrongLetter();
        showScore(true);
        return;
    }
    puzzle_->showVerdict(true);
    boxes_->markRight(index);
    for (Hint h : WordPuzzle::withdrawnBy(index, length))
        hints_->setOffered(h, false);
    offerRandomHint();
    for (int i = 0; i < length; ++i)
        if (boxes_->isOpen(i))
            return;
    solved();
}

void WordGameWindow::solved() {
    state_.solve();
    showScore(true);
    puzzleActive_ = false;
    puzzle_->showSolved(GameScoring::nextLevelMessage(state_.level));
    hints_->setOffered(Hint::Random, false);
    hints_->hide();
}

// ---- hints ----

void WordGameWindow::useHint(Hint hint) {
    const int length = boxes_->length();
    int position = -1;
    if (puzzleActive_)
        position = hint == Hint::Random ? WordPuzzle::randomLetterPosition(
                                              boxes_->openLetters(), Random::global().uniform())
                                        : WordPuzzle::hintPosition(hint, length);
    // A fixed hint goes once used; any hint with nothing to reveal goes, free.
    if (hint != Hint::Random || position < 0)
        hints_->setOffered(hint, false);
    if (position < 0)
        return;
    if (hint == Hint::Random && position == length - 1)
        hints_->setOffered(Hint::Last, false);
    state_.buyHint();
    reveal(position);
    showScore(true);
    showCost(true);
    offerRandomHint();
}

void WordGameWindow::reveal(int index) {
    boxes_->closeLetter(index);
    enterLetter(index, puzzleWord_.name.mid(index, 1).toUpper());
}

void WordGameWindow::offerRandomHint() {
    if (puzzleActive_ && !WordPuzzle::randomLetterOffered(boxes_->openLetters()))
        hints_->setOffered(Hint::Random, false);
}

void WordGameWindow::showScore(bool signPosition) {
    score_->setText(signPosition ? GameScoring::withSignPosition(state_.score)
                                 : QString::number(state_.score));
}

void WordGameWindow::showCost(bool signPosition) {
    hints_->showCost(signPosition ? GameScoring::withSignPosition(state_.hintCost)
                                  : QString::number(state_.hintCost));
}

// ---- the end ----

void WordGameWindow::gameOver() {
    const DeferredClose guard(this);
    MessageBox::plain(this, GameScoring::gameOverMessage(state_.score));
    puzzle_->showGameOver(true);
    if (!GameScoring::HighScore::beats(state_.score))
        return;
    // Closed meanwhile: the score is kept, nothing more is asked.
    if (!closing_)
        MessageBox::plain(this, GameScoring::highScorerMessage());
    if (!closing_)
        if (const std::optional<QString> name = HighScoreDialog::askName(this))
            highScorerName_ = *name;
    GameScoring::HighScore::store(state_.score, highScorerName_);
}

void WordGameWindow::noWordToPlay() {
    puzzleActive_ = false;
    MessageBox::info(this, tr("No word in the word list can be played. The game needs words "
                              "of 1 to 15 small letters, a to z."));
    close();
}

void WordGameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_)
        return;
    closing_ = true;
    emit closed();
}
