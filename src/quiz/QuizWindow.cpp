#include "QuizWindow.h"

#include "app/Random.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Speech.h"
#include "quiz/QuizGrading.h"
#include "quiz/QuizOptionsPanel.h"
#include "selection/RefineSelectionDialog.h"
#include "selection/WordSelectionDialog.h"
#include "study/StudyCard.h"
#include "study/StudySession.h"
#include "ui/DeferredClose.h"
#include "ui/Keys.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

namespace {

ValueLabel* valueLabel(const QString& name, const QString& caption, QWidget* parent,
                       bool live = false) {
    return Widgets::valueLabel(caption, name, parent, live);
}

} // namespace

QuizWindow::QuizWindow(StudySession& session, Speech& speech, QWidget* centreOver)
    : QWidget(nullptr, Qt::Window), session_(session), speech_(speech) {
    setObjectName(QStringLiteral("frmtest"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(tr("Quiz"));
    setWindowIcon(Look::icon(Look::Icon::Quiz));
    buildWindow();
    addShortcuts();
    Keys::likeADialog(this);
    resize(780, 600);
    // Room for a long meaning of four lines to show whole, on a screen of 960 x 540 as well.
    setMinimumSize(640, 500);
    if (centreOver)
        move(centreOver->frameGeometry().center() - rect().center());
}

// ---- building ----

void QuizWindow::buildWindow() {
    auto* title = label(tr("Quiz"), QStringLiteral("Label14"), this);
    title->setFont(Look::arial(20, true));
    title->setProperty("tone", QStringLiteral("accent"));
    auto* passCaption = label(tr("No. of Questions for Quiz"), QStringLiteral("Label12"), this);
    passSize_ = valueLabel(QStringLiteral("lblPocket"), tr("No. of Questions for Quiz"), this);
    passSize_->setText(QStringLiteral("0000"));
    passSize_->setProperty("tone", QStringLiteral("accent"));
    Look::setTextSize(passSize_, passSize_->font().pointSizeF(), true);
    auto* head = new QHBoxLayout;
    head->addWidget(title);
    head->addStretch();
    head->addWidget(passCaption);
    head->addWidget(passSize_);

    QWidget* card = buildCard();
    options_ = new QuizOptionsPanel(this);
    QWidget* hintArea = buildHintArea();

    verifyButton_ =
        named(new QPushButton(tr("Verify Answer"), this), QStringLiteral("verifyButton"));
    verifyButton_->setToolTip(tr("Enter"));
    verifyButton_->setProperty("accent", true);
    nextButton_ = named(new QPushButton(tr("Next Question"), this), QStringLiteral("nextButton"));
    nextButton_->setToolTip(tr("Enter"));
    verdict_ = valueLabel(QStringLiteral("Label2"), tr("Verdict"), this, true);
    verdict_->setFont(Look::arial(14, true));
    verdict_->setMinimumWidth(130);
    auto* scoreCaption = label(tr("Score"), QStringLiteral("Label13"), this);
    score_ = valueLabel(QStringLiteral("Label3"), tr("Score"), this);
    score_->setFont(Look::arial(14, true));
    score_->setProperty("tone", QStringLiteral("ink"));
    score_->setMinimumWidth(140);
    auto* answerRow = new QHBoxLayout;
    answerRow->addWidget(verifyButton_);
    answerRow->addWidget(nextButton_);
    answerRow->addSpacing(14);
    answerRow->addWidget(verdict_);
    answerRow->addStretch();
    answerRow->addWidget(scoreCaption);
    answerRow->addWidget(score_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(head);
    layout->addWidget(card);
    layout->addWidget(options_, 1);
    layout->addWidget(hintArea);
    layout->addLayout(answerRow);
    layout->addWidget(buildCustomiseBox());

    connect(options_, &QuizOptionsPanel::optionClicked, this, &QuizWindow::optionClicked);
    connect(verifyButton_, &QPushButton::clicked, this, &QuizWindow::verifyClicked);
    connect(nextButton_, &QPushButton::clicked, this, &QuizWindow::nextClicked);
}

QWidget* QuizWindow::buildCard() {
    // The word and what the card says about it.
    auto* card = named(new QFrame(this), QStringLiteral("wordCard"));
    card->setProperty("surface", QStringLiteral("card"));
    wordLabel_ = valueLabel(QStringLiteral("Label1"), tr("Word"), card);
    wordLabel_->setProperty("tone", QStringLiteral("ink"));
    wordLabel_->setFont(Look::arial(26, true));
    wordLabel_->setTextInteractionFlags(Qt::NoTextInteraction);
    speakButton_ = named(new QPushButton(card), QStringLiteral("speakButton"));
    speakButton_->setIcon(Look::icon(Look::Icon::Speaker));
    speakButton_->setIconSize(QSize(26, 26));
    speakButton_->setAccessibleName(tr("Pronounce"));
    speakButton_->setToolTip(tr("Hear the word"));
    connect(speakButton_, &QPushButton::clicked, this,
            [this] { tryStep([&] { speech_.speak(word_.name); }); });

    readCount_ = valueLabel(QStringLiteral("Label5"), tr("ReadCount"), card);
    lastRead_ = valueLabel(QStringLiteral("Label7"), tr("Last Read"), card);
    wordList_ = valueLabel(QStringLiteral("Label9"), tr("WordList"), card);
    difficulty_ = valueLabel(QStringLiteral("lblDiffLevel"), tr("Difficulty Level"), card);
    const std::array<QLabel*, 8> facts{
        label(tr("ReadCount"), QStringLiteral("Label4"), card),         readCount_,
        label(tr("Last Read"), QStringLiteral("Label6"), card),         lastRead_,
        label(tr("WordList"), QStringLiteral("Label8"), card),          wordList_,
        label(tr("Difficulty Level"), QStringLiteral("Label11"), card), difficulty_};

    auto* layout = new QGridLayout(card);
    layout->setContentsMargins(18, 10, 18, 12);
    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(wordLabel_, 1);
    wordRow->addWidget(speakButton_, 0, Qt::AlignVCenter);
    layout->addLayout(wordRow, 0, 0, 1, int(facts.size()));
    for (int i = 0; i < int(facts.size()); ++i) {
        layout->addWidget(facts[size_t(i)], 1, i);
        if (i % 2 == 1) {
            facts[size_t(i)]->setProperty("tone", QStringLiteral("accent"));
            Look::setTextSize(facts[size_t(i)], facts[size_t(i)]->font().pointSizeF(), true);
            layout->setColumnStretch(i, 1);
        } else {
            facts[size_t(i)]->setProperty("tone", QStringLiteral("muted"));
        }
    }
    return card;
}

QWidget* QuizWindow::buildHintArea() {
    // The usage example under its cover.
    auto* area = named(new QFrame(this), QStringLiteral("hintArea"));
    usage_ = valueLabel(QStringLiteral("Label10"), tr("Usage"), area);
    usage_->setWordWrap(true);
    usage_->setProperty("surface", QStringLiteral("field"));
    QFont font = Look::arial(12);
    font.setItalic(true);
    usage_->setFont(font);
    usageCover_ = label(tr("Click here to get a hint if any."), QStringLiteral("lblhint"), area);
    usageCover_->setAlignment(Qt::AlignCenter);
    usageCover_->setProperty("surface", QStringLiteral("note"));
    usageCover_->setCursor(Qt::PointingHandCursor);
    usageCover_->setToolTip(tr("Shows how the word is used (F2)"));
    usageCover_->setFocusPolicy(Qt::StrongFocus);
    usageCover_->installEventFilter(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(usage_, 0, 0);
    layout->addWidget(usageCover_, 0, 0);
    area->setMinimumHeight(56);
    return area;
}

QGroupBox* QuizWindow::buildCustomiseBox() {
    auto* box = named(new QGroupBox(tr("Customize Quiz"), this), QStringLiteral("Frame3"));
    wordSelectionButton_ =
        named(new QPushButton(tr("Word Selection"), box), QStringLiteral("speButton_0"));
    refineSelectionButton_ =
        named(new QPushButton(tr("Refine Selection"), box), QStringLiteral("speButton_1"));
    wordSelectionButton_->setToolTip(tr("Choose another set of words and start a new round"));
    refineSelectionButton_->setToolTip(tr("Narrow the set of words and start a new round"));
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(wordSelectionButton_);
    layout->addWidget(refineSelectionButton_);
    layout->addStretch();
    connect(wordSelectionButton_, &QPushButton::clicked, this, [this] { customise(false); });
    connect(refineSelectionButton_, &QPushButton::clicked, this, [this] { customise(true); });
    return box;
}

void QuizWindow::addShortcuts() {
    // Keyboard play: 1 to 4 pick, Enter verifies or goes on, F2 uncovers the usage.
    for (int i = 0; i < QuizEngine::Options; ++i)
        connect(new QShortcut(QKeySequence(Qt::Key_1 + i), this), &QShortcut::activated, this,
                [this, i] { options_->choose(i); });
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this] {
            if (verifyButton_->isEnabled())
                verifyButton_->click();
            else if (nextButton_->isEnabled())
                nextButton_->click();
        });
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, usageCover_,
            &QWidget::hide);
}

// ---- a quiz ----

void QuizWindow::start() {
    correctCount_ = 0;
    answeredCount_ = 0;
    startPass();
    nextQuestion();
    verifyButton_->setEnabled(false);
    nextButton_->setEnabled(false);
    answerPending_ = true;
}

void QuizWindow::startPass() {
    const std::optional<int> words = session_.counts().refined;
    passSize_->setText(words ? QString::number(*words) : QString());
    pass_.start(words.value_or(0));
}

void QuizWindow::nextQuestion() {
    Recordset* rows = session_.refinedRows();
    if (pass_.exhausted() || !rows) {
        if (pass_.askedCount() == 0)
            options_->closeAll(); // nothing asked, nothing to answer
        MessageBox::info(this, QuizEngine::endOfPassMessage());
        return;
    }
    Random& random = Random::global();
    correctIndex_ = QuizEngine::correctIndex(random.uniform());
    const int position = pass_.draw(random.uniform());
    Word word;
    tryStep([&] { word = session_.wordAt(position); });
    showWord(word);

    std::vector<QuizEngine::WrongMeaning> wrong;
    tryStep([&] {
        wrong = QuizEngine::wrongMeanings(word.meaning, QuizEngine::Options - 1,
                                          QuizEngine::meaningRows(*rows), random);
    });
    std::array<QString, QuizEngine::Options> texts;
    size_t nextWrong = 0;
    for (int i = 0; i < QuizEngine::Options; ++i)
        texts[size_t(i)] = i == correctIndex_         ? word.meaning
                           : nextWrong < wrong.size() ? wrong[nextWrong++].meaning
                                                      : QString();
    options_->showQuestion(texts, correctIndex_);
    // The session is left on the last word drawn, not on the answer, which would show
    // behind the quiz.
    session_.moveTo(wrong.empty() ? position : wrong.back().position);
    options_->focusFirst();
}

void QuizWindow::showWord(const Word& word) {
    word_ = word;
    wordLabel_->setText(word.name);
    readCount_->setText(word.isValid() ? QString::number(word.readCount) : QString());
    lastRead_->setText(StudyCard::formatLastRead(word.lastRead));
    wordList_->setText(word.list ? QString::number(*word.list) : QString());
    difficulty_->setText(QuizEngine::difficultyText(word.difficult, word.veryDifficult));
    usage_->setText(word.usage);
}

void QuizWindow::optionClicked() {
    if (answerPending_)
        verifyButton_->setEnabled(true);
}

void QuizWindow::showVerdict(const QString& text, std::optional<Look::Colour> verdict) {
    verdict_->setProperty("verdict", !verdict                       ? QString()
                                     : *verdict == Look::Colour::Right ? QStringLiteral("right")
                                                                       : QStringLiteral("wrong"));
    Look::restyle(verdict_);
    verdict_->setText(text);
    if (!text.isEmpty())
        verdict_->announce();
}

void QuizWindow::verifyClicked() {
    verifyButton_->setEnabled(false);
    if (pass_.askedCount() == 0)
        return; // nothing asked: nothing to count
    answerPending_ = false;
    if (options_->chosen() >= 0)
        chosenIndex_ = options_->chosen();
    ++answeredCount_;
    if (chosenIndex_ != correctIndex_) {
        showVerdict(tr("INCORRECT"), Look::Colour::Wrong);
        options_->setVerdict(chosenIndex_, Look::Colour::Wrong);
    } else {
        showVerdict(tr("CORRECT"), Look::Colour::Right);
        ++correctCount_;
    }
    score_->setText(QuizEngine::scoreText(correctCount_, answeredCount_));
    options_->setVerdict(correctIndex_, Look::Colour::Right);
    // What the answer says of the learner's memory goes to the review planner.
    session_.gradeQuizAnswer(word_, chosenIndex_ == correctIndex_);
    nextButton_->setEnabled(true);
    nextButton_->setFocus();
}

void QuizWindow::nextClicked() {
    nextButton_->setEnabled(false);
    answerPending_ = true;
    verifyButton_->setEnabled(false);
    options_->setVerdict(chosenIndex_, std::nullopt);
    options_->setVerdict(correctIndex_, std::nullopt);
    showVerdict(QString(), std::nullopt);
    usageCover_->show();
    options_->clearChoice();
    nextQuestion();
}

void QuizWindow::customise(bool refine) {
    {
        const DeferredClose guard(this);
        if (refine) {
            QPointer<RefineSelectionDialog> dialog = new RefineSelectionDialog(session_, this);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->exec();
        } else {
            WordSelectionDialog dialog(session_, this);
            dialog.exec();
        }
    }
    if (closing_)
        return; // closed meanwhile
    startPass();
    nextQuestion();
    nextButton_->setEnabled(false);
    answerPending_ = true;
    verifyButton_->setEnabled(false);
}

// ---- the end ----

void QuizWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_)
        return;
    closing_ = true;
    if (const std::optional<QString> grade = QuizGrading::message(correctCount_, answeredCount_)) {
        MessageBox::Request r;
        r.text = *grade;
        r.title = QuizGrading::Title;
        r.alignment = Qt::AlignRight;
        MessageBox::show(this, r);
    }
    emit closed();
}

bool QuizWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool clicked = event->type() == QEvent::MouseButtonRelease &&
                         static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (watched == usageCover_ && (clicked || key == Qt::Key_Space)) {
        usageCover_->hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
