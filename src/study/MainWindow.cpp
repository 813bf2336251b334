#include "MainWindow.h"

#include "app/Random.h"
#include "app/Settings.h"
#include "app/StartModule.h"
#include "data/DbError.h"
#include "data/Speech.h"
#include "maintenance/EditWordDialog.h"
#include "maintenance/NoteWindow.h"
#include "selection/MainToolbar.h"
#include "study/DisplayModePanel.h"
#include "study/GradePanel.h"
#include "study/Navigation.h"
#include "study/SelectionCountersPanel.h"
#include "study/StatisticsPanel.h"
#include "study/StudyCard.h"
#include "study/StudyControlsPanel.h"
#include "study/StudySession.h"
#include "study/WordCardPanel.h"
#include "ui/Keys.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <algorithm>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

using Widgets::label;
using Widgets::named;

bool isTextInput(const QWidget* w) {
    // Radio buttons and lists use the arrows themselves.
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QRadioButton*>(w);
}

} // namespace

MainWindow::MainWindow(StudySession& session, Speech& speech, DisplayModes* displayModes,
                       QWidget* parent)
    : QMainWindow(parent), session_(session), speech_(speech), displayModes_(displayModes) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Verbaloom - The Vocabulary Building Learning Tool "));
    setAttribute(Qt::WA_QuitOnClose);

    toolbar_ = new MainToolbar(this);
    connect(toolbar_, &MainToolbar::actionTriggered, this, &MainWindow::runToolbarAction);
    connect(toolbar_, &MainToolbar::addWordRequested, this, &MainWindow::addWords);
    connect(toolbar_, &MainToolbar::importWordsRequested, this, &MainWindow::importWords);
    connect(toolbar_, &MainToolbar::exportWordsRequested, this, &MainWindow::exportWords);
    connect(toolbar_, &MainToolbar::tutorialRequested, this, &MainWindow::startTutorial);
    connect(toolbar_, &MainToolbar::tipsRequested, this,
            [this] { tryStep([&] { showTipOfTheDay(); }); });
    connect(toolbar_, &MainToolbar::aboutRequested, this, &MainWindow::showAbout);
    connect(toolbar_, &MainToolbar::optionsRequested, this, &MainWindow::showOptions);
    buildWindow();
    connectSession();
    addShortcuts();
    Keys::enterPressesButtons(this);

    // One filter for the whole application: keys that step words and hold the hint wherever
    // the focus is in this window.
    qApp->installEventFilter(this);
    resize(1100, 780);
    // Small screens scroll rather than lose the side column or the study buttons.
    setMinimumSize(640, 480);
}

void MainWindow::buildWindow() {
    auto* container = named(new QFrame, QStringLiteral("frameContainer"));
    container_ = container;
    counters_ = new SelectionCountersPanel(container);
    QFrame* cardFrame = buildCard(container);

    modes_ = new DisplayModePanel(container);
    hint_ = new HintPanel(container);
    statistics_ = new StatisticsPanel(session_.timer(), container);
    QLabel* goneThroughCaption = buildWordsGoneThrough(container);

    auto* side = new QVBoxLayout;
    side->addWidget(modes_);
    side->addWidget(hint_);
    side->addWidget(statistics_);
    side->addWidget(goneThroughCaption);
    side->addWidget(wordsGoneThrough_, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(cardFrame, 3);
    body->addLayout(side, 1);
    auto* outer = new QVBoxLayout(container);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(counters_);
    outer->addLayout(body, 1);
    // The card grows with the window up to a comfortable reading size, centred beyond it.
    container->setMaximumSize(1400, 900);

    showInScrollingPage(container);

    connect(card_, &WordCardPanel::speakRequested, this, &MainWindow::speak);
    connect(modes_, &DisplayModePanel::modeChosen, this, &MainWindow::applyDisplayMode);
    connect(hint_, &HintPanel::hintHeld, card_, &WordCardPanel::holdHint);
    connect(hint_, &HintPanel::hintReleased, card_, &WordCardPanel::releaseHint);
    connect(wordsGoneThrough_, &QListWidget::itemClicked, this, &MainWindow::lookUpWordGoneThrough);
    connect(wordsGoneThrough_, &QListWidget::itemActivated, this,
            &MainWindow::lookUpWordGoneThrough);
}

QFrame* MainWindow::buildCard(QWidget* container) {
    auto* cardFrame = named(new QFrame(container), QStringLiteral("cardFrame"));
    cardFrame->setProperty("surface", QStringLiteral("card"));
    card_ = new WordCardPanel(cardFrame);
    controls_ = new StudyControlsPanel(cardFrame);
    grades_ = new GradePanel(cardFrame);
    grades_->hide();
    auto* cardLayout = new QVBoxLayout(cardFrame);
    cardLayout->setContentsMargins(18, 12, 18, 14);
    cardLayout->addWidget(card_, 1);
    cardLayout->addSpacing(8);
    cardLayout->addWidget(grades_);
    cardLayout->addWidget(controls_);
    return cardFrame;
}

QLabel* MainWindow::buildWordsGoneThrough(QWidget* container) {
    auto* goneThroughCaption =
        label(tr("Words you have gone through"), QStringLiteral("Label25"), container);
    goneThroughCaption->setFont(Look::arial(9, true));
    wordsGoneThrough_ = named(new QListWidget(container), QStringLiteral("lstRead"));
    wordsGoneThrough_->setFont(Look::arial(10));
    wordsGoneThrough_->setAccessibleName(tr("Words you have gone through"));
    wordsGoneThrough_->setAccessibleDescription(tr("Enter shows a word's meaning and usage"));
    // Like the card's boxes: the room left, from a few rows up.
    wordsGoneThrough_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    wordsGoneThrough_->setMinimumHeight(QFontMetrics(wordsGoneThrough_->font()).lineSpacing() * 4);
    goneThroughCaption->setBuddy(wordsGoneThrough_);
    return goneThroughCaption;
}

void MainWindow::showInScrollingPage(QWidget* container) {
    auto* page = new QWidget;
    auto* centring = new QGridLayout(page);
    centring->setContentsMargins(12, 8, 12, 8);
    centring->addWidget(container, 0, 0);
    scroll_ = named(new QScrollArea(this), QStringLiteral("mainScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own: the page follows the focus as Tab moves through it.
    scroll_->setFocusPolicy(Qt::NoFocus);
    // Sized here rather than by the scroll area, which would give wrapped texts their
    // preferred height and scroll at sizes where everything fits.
    scroll_->setWidgetResizable(false);
    scroll_->setWidget(page);
    scroll_->viewport()->installEventFilter(this);
    setCentralWidget(scroll_);
}

void MainWindow::connectSession() {
    connect(&session_, &StudySession::currentWordChanged, this, &MainWindow::showWord);
    connect(&session_, &StudySession::countsChanged, this, &MainWindow::showCounts);
    connect(&session_, &StudySession::stepsChanged, this,
            [this] { controls_->showSteps(session_.steps()); });
    connect(&session_, &StudySession::aboutToStep, this,
            [this] { applyDisplayMode(modes_->mode()); });
    connect(&session_, &StudySession::stepped, this, &MainWindow::wordStepped);
    connect(&session_, &StudySession::studiedThisSessionChanged, statistics_,
            &StatisticsPanel::showStudiedThisSession);
    connect(&session_, &StudySession::writeFailed, this, &MainWindow::reportWriteFailure);
    connect(&session_, &StudySession::waitingChanged, this, [this](int count) {
        toolbar_->showWaiting(count);
        grades_->setWaiting(count);
    });
    connect(&session_, &StudySession::reviewingChanged, grades_, &QWidget::setVisible);
    connect(&session_, &StudySession::dueWordsDone, this, &MainWindow::dueWordsDone);
    connect(grades_, &GradePanel::showRequested, this, [this] { card_->setBoxes({}); });
    connect(grades_, &GradePanel::gradeRequested, &session_, &StudySession::grade);
    toolbar_->showWaiting(session_.waitingCount());

    connect(controls_, &StudyControlsPanel::previousRequested, &session_, &StudySession::previous);
    connect(controls_, &StudyControlsPanel::nextRequested, &session_, &StudySession::next);
    connect(controls_, &StudyControlsPanel::randomRequested, &session_,
            &StudySession::randomWord);
    connect(controls_, &StudyControlsPanel::findRequested, this, &MainWindow::find);
    connect(controls_, &StudyControlsPanel::markStudiedRequested, &session_,
            &StudySession::markStudied);
    connect(controls_, &StudyControlsPanel::difficultyRequested, &session_,
            &StudySession::setDifficulty);
    connect(controls_, &StudyControlsPanel::editRequested, this, &MainWindow::editCurrentWord);
    showWord(session_.currentWord());
}

void MainWindow::addShortcuts() {
    auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Left), [this] { session_.previous(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), [this] { session_.next(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_R), [this] { session_.randomWord(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_M), [this] { session_.markStudied(); });
    shortcut(QKeySequence::Quit, [this] { close(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), [this] { pronounce(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_F), [this] { controls_->focusFind(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_D), [this] { openDueWords(); });
    for (int i = 0; i < 4; ++i)
        shortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)), [this, i] { modes_->setMode(i); });
}

// ---- start and end ----

void MainWindow::load() {
    session_.timer().resume();
    try {
        if (const QString notice = session_.start(); !notice.isEmpty())
            MessageBox::info(this, notice);
    } catch (const DbError& e) {
        MessageBox::plain(this, tr("Error Occured. Error Number: ") + QString::number(e.number()) +
                                    QStringLiteral(": ") + e.description());
        return;
    }
    session_.randomWord();
    if (AppSettings::showTipsAtStartup() != 0)
        tryStep([&] { showTipOfTheDay(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Every secondary window goes with the main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            tryStep([&] { w->close(); });
    if (displayModes_)
        tryStep([&] { StartModule::restoreResolution(*displayModes_); });
    event->accept();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

// ---- the card ----

void MainWindow::showWord(const Word& word) {
    card_->showWord(word);
    controls_->showWord(word);
    statistics_->showWord(word);
}

void MainWindow::showCounts() {
    counters_->showCounts(session_.counts());
}

void MainWindow::applyDisplayMode(int mode) {
    const double r = mode == StudyCard::RandomBoxes ? Random::global().uniform() : 0.0;
    card_->setBoxes(StudyCard::boxesForMode(mode, r));
}

void MainWindow::wordStepped(const Word& word) {
    if (!word.name.isEmpty()) {
        wordsGoneThrough_->addItem(word.name);
        wordsGoneThrough_->scrollToBottom();
    }
    if (controls_->alwaysPronounce())
        pronounce();
}

void MainWindow::find(const QString& prefix) {
    QString refusal;
    if (!session_.find(prefix, &refusal))
        MessageBox::info(this, refusal.isEmpty() ? Navigation::wordNotFoundMessage() : refusal);
}

void MainWindow::pronounce() {
    speak(session_.currentWord().name);
}

void MainWindow::speak(const QString& text) {
    tryStep([&] { speech_.speak(text); });
}

void MainWindow::lookUpWordGoneThrough() {
    const QList<QListWidgetItem*> picked = wordsGoneThrough_->selectedItems();
    if (picked.isEmpty() || !session_.store())
        return;
    Word word;
    tryStep([&] { word = session_.store()->wordNamed(picked.first()->text()); });
    if (!word.isValid())
        return;
    auto* note = NoteWindow::current() ? NoteWindow::current() : new NoteWindow(this);
    note->setText(StudyCard::lookupNote(word.meaning, word.usage));
    note->adjustSize();
    const QPoint listTopLeft = wordsGoneThrough_->mapToGlobal(QPoint(0, 0));
    QPoint at(listTopLeft.x() - note->width() + Look::twips(this, 1000), listTopLeft.y());
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - note->width())));
        at.setY(
            std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - note->height())));
    }
    note->move(at);
    note->show();
    note->raise();
}

void MainWindow::editCurrentWord() {
    const Word word = session_.currentWord();
    if (!word.isValid())
        return;
    // The edit works on the word it was opened for; nothing moves the card meanwhile.
    session_.hold();
    auto* edit = new EditWordDialog(session_, word, this);
    edit->exec();
    session_.release();
}

void MainWindow::reportWriteFailure(const QString& description) {
    QWidget* over = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    MessageBox::info(over, tr("Your progress on this word could not be saved.\r\n\r\n") +
                               description);
}

// ---- keys ----

void MainWindow::fitPage() {
    QWidget* page = scroll_->widget();
    const QSize view = scroll_->viewport()->size();
    const QSize least = page->minimumSizeHint();
    const int width = std::max(view.width(), least.width());
    // Wrapped texts need more height on a narrow page than its plain minimum says.
    const int height = page->layout()->totalMinimumHeightForWidth(width);
    page->resize(width, std::max({view.height(), least.height(), height}));
    // A wrapped text in the side column takes the height it wants before the panels below
    // it get theirs: give the page what they still lack.
    for (int round = 0; round < 3; ++round) {
        page->layout()->activate();
        int lacking = 0;
        for (const QWidget* panel : {static_cast<QWidget*>(modes_), static_cast<QWidget*>(hint_),
                                     static_cast<QWidget*>(statistics_)})
            lacking += std::max(0, panel->minimumSizeHint().height() - panel->height());
        if (lacking == 0)
            break;
        page->resize(page->width(), page->height() + lacking);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize && watched == scroll_->viewport())
        fitPage();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && isActiveWindow() &&
        watched == QApplication::focusWidget()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat() || key->modifiers() != Qt::NoModifier)
            return false;
        if (key->key() == Qt::Key_F2) {
            type == QEvent::KeyPress ? card_->holdHint() : card_->releaseHint();
            return true;
        }
        if (type == QEvent::KeyPress && !isTextInput(QApplication::focusWidget()) &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
            key->key() == Qt::Key_Right ? session_.next() : session_.previous();
            return true;
        }
        // Grading a due word: 1 Again, 2 Hard, 3 Good, 4 Easy.
        if (type == QEvent::KeyPress && session_.isReviewingDueWords() &&
            key->key() >= Qt::Key_1 && key->key() <= Qt::Key_4 &&
            !qobject_cast<const QLineEdit*>(QApplication::focusWidget())) {
            session_.grade(Fsrs::Rating(key->key() - Qt::Key_1 + 1));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
