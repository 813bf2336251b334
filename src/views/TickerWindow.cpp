#include "TickerWindow.h"

#include "data/DbError.h"
#include "data/Speech.h"
#include "study/StudyCard.h"
#include "study/StudySession.h"
#include "ui/Keys.h"
#include "ui/Look.h"
#include "ui/Widgets.h"
#include "views/Ticker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using Widgets::named;
constexpr double kWordPoints = 27.75;
constexpr double kDetailPoints = 12;
const QSize kBaseSize(760, 520);

} // namespace

TickerWindow::TickerWindow(StudySession& session, Speech& speech, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), speech_(speech) {
    setObjectName(QStringLiteral("frmShowAll"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("One Spot - Ticker"));
    setWindowIcon(Look::icon(Look::Icon::Ticker));
    buildWindow();
    layOut();
    connectControls();
    Keys::likeADialog(this);

    setWordMarked(false);
    resize(kBaseSize);
    setMinimumSize(560, 420);
    scaleType();
    showWord(session_.currentWord());
}

// Every control and its objectName, in one place.
void TickerWindow::buildWindow() {
    titleLabel_ = named(new QLabel(tr("One Spot - Ticker"), this), QStringLiteral("Label14"));
    titleLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_->setFont(Look::arial(13, true));
    titleLabel_->setProperty("surface", QStringLiteral("banner"));

    wordCard_ = named(new QFrame(this), QStringLiteral("wordCard"));
    wordCard_->setProperty("surface", QStringLiteral("card"));
    wordBox_ = named(new QLineEdit(wordCard_), QStringLiteral("Text1"));
    wordBox_->setReadOnly(true);
    wordBox_->setProperty("bare", true);
    wordBox_->setAlignment(Qt::AlignCenter);

    wordBox_->setAccessibleName(tr("Word"));
    detailsBox_ = named(new QPlainTextEdit(wordCard_), QStringLiteral("Text2"));
    detailsBox_->setReadOnly(true);
    detailsBox_->setProperty("bare", true);
    detailsBox_->setTabChangesFocus(true);

    detailsBox_->setAccessibleName(tr("Meaning and usage"));

    markStudiedButton_ =
        named(new QPushButton(tr("Mark it. I've Studied."), this), QStringLiteral("studiedit"));
    markStudiedButton_->setToolTip(tr("Studied the word? Then Click it to keep track."));
    randomButton_ = named(new QPushButton(tr("&Random Word"), this), QStringLiteral("Command3"));
    randomButton_->setToolTip(tr("Click to get a Random word"));
    previousButton_ =
        named(new QPushButton(tr("Previous Word"), this), QStringLiteral("Command10_0"));
    nextButton_ = named(new QPushButton(tr("Next Word"), this), QStringLiteral("Command10_1"));
    pronounceButton_ = named(new QPushButton(this), QStringLiteral("Command12"));
    pronounceButton_->setIcon(Look::icon(Look::Icon::Speaker));
    pronounceButton_->setIconSize(QSize(20, 20));
    pronounceButton_->setAccessibleName(tr("Pronounce"));
    pronounceButton_->setToolTip(tr("Pronounce"));

    tickerSwitch_ =
        named(new QCheckBox(tr("Ticker On/Off"), this), QStringLiteral("chkTickerOnOff"));
    tickerSettings_ = named(new QGroupBox(tr("Ticker"), this), QStringLiteral("frameTicker"));
    speedCaption_ = named(new QLabel(tr("Speed"), tickerSettings_), QStringLiteral("Label1"));
    speedBox_ = named(new QComboBox(tickerSettings_), QStringLiteral("cmbSpeed"));
    speedBox_->addItems(Ticker::speedNames());
    speedBox_->setCurrentText(Ticker::StartSpeed);
    speedCaption_->setBuddy(speedBox_);
    randomOrder_ =
        named(new QRadioButton(tr("Random words"), tickerSettings_), QStringLiteral("Option1_0"));
    sequentialOrder_ =
        named(new QRadioButton(tr("Sequential"), tickerSettings_), QStringLiteral("Option1_1"));
    randomOrder_->setChecked(true);
    listenBox_ = named(new QCheckBox(tr("LISTEN AUTOMATICALLY"), tickerSettings_),
                       QStringLiteral("chkListen"));
    tickerSettings_->hide();

    tickTimer_ = named(new QTimer(this), QStringLiteral("Timer1"));
    // No speed chosen yet: an interval of 0 would tick without pause, so it never starts.
    tickTimer_->setInterval(0);
}

void TickerWindow::layOut() {
    auto* steps = new QHBoxLayout;
    steps->addWidget(previousButton_);
    steps->addWidget(randomButton_);
    steps->addWidget(nextButton_);
    steps->addSpacing(8);
    steps->addWidget(pronounceButton_);
    steps->addStretch();
    steps->addWidget(markStudiedButton_);

    auto* tickerLayout = new QHBoxLayout(tickerSettings_);
    tickerLayout->addWidget(speedCaption_);
    tickerLayout->addWidget(speedBox_);
    tickerLayout->addSpacing(16);
    tickerLayout->addWidget(randomOrder_);
    tickerLayout->addWidget(sequentialOrder_);
    tickerLayout->addSpacing(16);
    tickerLayout->addWidget(listenBox_);
    tickerLayout->addStretch();

    auto* tickerRow = new QHBoxLayout;
    tickerRow->addWidget(tickerSwitch_, 0, Qt::AlignTop);
    tickerRow->addSpacing(8);
    tickerRow->addWidget(tickerSettings_, 1);

    auto* cardLayout = new QVBoxLayout(wordCard_);
    cardLayout->setContentsMargins(18, 10, 18, 12);
    cardLayout->addWidget(wordBox_);
    cardLayout->addWidget(detailsBox_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(titleLabel_);
    layout->addWidget(wordCard_, 1);
    layout->addLayout(steps);
    layout->addLayout(tickerRow);
    // The ticker row keeps its height whether its settings are shown or not.
    QSizePolicy keep = tickerSettings_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    tickerSettings_->setSizePolicy(keep);

    setTabOrder(wordBox_, detailsBox_);
    setTabOrder(detailsBox_, previousButton_);
    setTabOrder(previousButton_, randomButton_);
    setTabOrder(randomButton_, nextButton_);
    setTabOrder(nextButton_, pronounceButton_);
    setTabOrder(pronounceButton_, markStudiedButton_);
    setTabOrder(markStudiedButton_, tickerSwitch_);
    setTabOrder(tickerSwitch_, speedBox_);
    setTabOrder(speedBox_, randomOrder_);
    setTabOrder(randomOrder_, sequentialOrder_);
    setTabOrder(sequentialOrder_, listenBox_);
}

void TickerWindow::connectControls() {
    connect(previousButton_, &QPushButton::clicked, this,
            [this] { step(&StudySession::previous); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { step(&StudySession::next); });
    // The marks shown are those of the word just picked, not of the word before the pick.
    connect(randomButton_, &QPushButton::clicked, this,
            [this] { step(&StudySession::randomWord); });
    connect(pronounceButton_, &QPushButton::clicked, this,
            [this] { speak(session_.currentWord().name); });
    connect(markStudiedButton_, &QPushButton::clicked, &session_, &StudySession::markStudied);
    connect(tickerSwitch_, &QCheckBox::toggled, this, &TickerWindow::onTickerSwitched);
    connect(speedBox_, &QComboBox::activated, this, &TickerWindow::onSpeedChosen);
    connect(listenBox_, &QCheckBox::toggled, this, [this](bool on) { listening_ = on; });
    connect(tickTimer_, &QTimer::timeout, this, &TickerWindow::onTick);
    connect(&session_, &StudySession::currentWordChanged, this, &TickerWindow::showWord);
    connect(&session_, &StudySession::heldChanged, this, &TickerWindow::updateTimer);

    auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Left), [this] { step(&StudySession::previous); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), [this] { step(&StudySession::next); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_M), [this] { session_.markStudied(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), [this] { speak(session_.currentWord().name); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_T), [this] { tickerSwitch_->toggle(); });
}

void TickerWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scaleType();
}

void TickerWindow::scaleType() {
    // Watched from across the room: a larger window shows larger type.
    const double scale = std::clamp(
        std::min(double(width()) / kBaseSize.width(), double(height()) / kBaseSize.height()), 1.0,
        3.0);
    wordBox_->setFont(Look::arial(kWordPoints * scale, true));
    wordBox_->setMinimumHeight(QFontMetrics(wordBox_->font()).height() + 16);
    detailsBox_->setFont(Look::arial(kDetailPoints * scale, true));
}

// Any move of the session, from here or elsewhere: the plain word and its details. Only the
// ticker's own steps add the marks (showMarks); the same word again (marked, edited) keeps
// what the last step wrote in the word box.
void TickerWindow::showWord(const Word& word) {
    detailsBox_->setPlainText(StudyCard::tickerDetails(word.meaning, word.usage)
                                  .replace(QLatin1String("\r\n"), QLatin1String("\n")));
    if (shownWord_ && shownWord_->id == word.id && shownWord_->table == word.table)
        return;
    shownWord_ = word;
    wordBox_->setText(word.name);
    wordBox_->setCursorPosition(0);
}

void TickerWindow::showMarks() {
    const Word& word = session_.currentWord();
    const Ticker::WordBox box = Ticker::afterStep(word.name, {word.difficult, word.veryDifficult});
    setWordMarked(box.marked);
    wordBox_->setText(box.text);
    wordBox_->setCursorPosition(0);
}

void TickerWindow::setWordMarked(bool marked) {
    wordBox_->setProperty("marked", marked);
    Look::restyle(wordBox_);
}

void TickerWindow::step(void (StudySession::*move)()) {
    // The word belongs to the window that holds the session until it lets go.
    if (session_.isHeld())
        return;
    (session_.*move)();
    showMarks();
}

void TickerWindow::onTickerSwitched() {
    tickerOn_ = tickerSwitch_->isChecked();
    tickerSettings_->setVisible(tickerOn_);
    speedBox_->setEnabled(tickerOn_);
    onSpeedChosen();
}

void TickerWindow::onSpeedChosen() {
    listenBox_->hide();
    listening_ = false;
    const Ticker::Speed speed = Ticker::speed(speedBox_->currentText());
    if (!speed.known) {
        updateTimer();
        return;
    }
    tickTimer_->setInterval(speed.interval);
    updateTimer();
    if (speed.listenShown) {
        listenBox_->show();
        listening_ = Ticker::listenFlag(speedBox_->currentText(), listenBox_->isChecked());
    }
}

// Runs while the ticker is on at a known speed and no window holds the session: a quiz or a
// game in progress is neither stepped away from nor talked over.
void TickerWindow::updateTimer() {
    if (tickerOn_ && tickTimer_->interval() > 0 && !session_.isHeld())
        tickTimer_->start();
    else
        tickTimer_->stop();
}

void TickerWindow::onTick() {
    if (session_.isHeld())
        return;
    step(randomOrder_->isChecked() ? &StudySession::randomWord : &StudySession::next);
    if (listening_) {
        // Two requests, queued by the voice: the word, then its meaning, each heard whole.
        const Word& word = session_.currentWord();
        speak(word.name);
        speak(word.meaning);
    }
}

void TickerWindow::speak(const QString& text) {
    tryStep([&] { speech_.speak(text); });
}
