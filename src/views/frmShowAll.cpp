#include "frmShowAll.h"

#include "data/DbError.h"
#include "data/Speech.h"
#include "study/Form1.h"
#include "ui/Look.h"
#include "ui/Widgets.h"
#include "views/Ticker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
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

frmShowAll::frmShowAll(Form1* main) : QWidget(main, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("frmShowAll"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("One Spot - Ticker"));
    setWindowIcon(Look::icon(Look::Icon::Ticker));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "frmShowAll { background: #f3f0e8; }"
        "QLabel#Label14 { background: #1f6f8b; color: #ffffff; border-radius: 8px; padding: 6px; }"
        "QFrame#wordCard { background: #ffffff; border: 1px solid #d8d2c4; border-radius: 10px; }"
        "QPlainTextEdit#Text2 { border: none; background: transparent; color: #22313a; }"));

    Label14 = named(new QLabel(tr("One Spot - Ticker"), this), QStringLiteral("Label14"));
    Label14->setAlignment(Qt::AlignCenter);
    Label14->setFont(Look::arial(13, true));

    auto* wordCard = named(new QFrame(this), QStringLiteral("wordCard"));
    Text1 = named(new QLineEdit(wordCard), QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setFocusPolicy(Qt::ClickFocus);
    Text2 = named(new QPlainTextEdit(wordCard), QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Text2->setTabChangesFocus(true);
    Text2->setFocusPolicy(Qt::ClickFocus);

    studiedit =
        named(new QPushButton(tr("Mark it. I've Studied."), this), QStringLiteral("studiedit"));
    studiedit->setToolTip(tr("Studied the word? Then Click it to keep track."));
    Command3 = named(new QPushButton(tr("&Random Word"), this), QStringLiteral("Command3"));
    Command3->setToolTip(tr("Click to get a Random word"));
    Command10[0] = named(new QPushButton(tr("Previous Word"), this), QStringLiteral("Command10_0"));
    Command10[1] = named(new QPushButton(tr("Next Word"), this), QStringLiteral("Command10_1"));
    Command12 = named(new QPushButton(this), QStringLiteral("Command12"));
    Command12->setIcon(Look::icon(Look::Icon::Speaker));
    Command12->setIconSize(QSize(20, 20));
    Command12->setAccessibleName(tr("Pronounce"));
    Command12->setToolTip(tr("Pronounce"));

    chkTickerOnOff =
        named(new QCheckBox(tr("Ticker On/Off"), this), QStringLiteral("chkTickerOnOff"));
    frameTicker = named(new QGroupBox(tr("Ticker"), this), QStringLiteral("frameTicker"));
    Label1 = named(new QLabel(tr("Speed"), frameTicker), QStringLiteral("Label1"));
    cmbSpeed = named(new QComboBox(frameTicker), QStringLiteral("cmbSpeed"));
    cmbSpeed->addItems(Ticker::speedNames());
    cmbSpeed->setCurrentText(Ticker::StartSpeed);
    Label1->setBuddy(cmbSpeed);
    Option1[0] =
        named(new QRadioButton(tr("Random words"), frameTicker), QStringLiteral("Option1_0"));
    Option1[1] =
        named(new QRadioButton(tr("Sequential"), frameTicker), QStringLiteral("Option1_1"));
    Option1[0]->setChecked(true);
    chkListen =
        named(new QCheckBox(tr("LISTEN AUTOMATICALLY"), frameTicker), QStringLiteral("chkListen"));
    frameTicker->hide();

    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setInterval(0);

    auto* steps = new QHBoxLayout;
    steps->addWidget(Command10[0]);
    steps->addWidget(Command3);
    steps->addWidget(Command10[1]);
    steps->addSpacing(8);
    steps->addWidget(Command12);
    steps->addStretch();
    steps->addWidget(studiedit);

    auto* tickerLayout = new QHBoxLayout(frameTicker);
    tickerLayout->addWidget(Label1);
    tickerLayout->addWidget(cmbSpeed);
    tickerLayout->addSpacing(16);
    tickerLayout->addWidget(Option1[0]);
    tickerLayout->addWidget(Option1[1]);
    tickerLayout->addSpacing(16);
    tickerLayout->addWidget(chkListen);
    tickerLayout->addStretch();

    auto* tickerRow = new QHBoxLayout;
    tickerRow->addWidget(chkTickerOnOff, 0, Qt::AlignTop);
    tickerRow->addSpacing(8);
    tickerRow->addWidget(frameTicker, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(Label14);
    auto* cardLayout = new QVBoxLayout(wordCard);
    cardLayout->setContentsMargins(18, 10, 18, 12);
    cardLayout->addWidget(Text1);
    cardLayout->addWidget(Text2, 1);
    layout->addWidget(wordCard, 1);
    layout->addLayout(steps);
    layout->addLayout(tickerRow);
    // The ticker row keeps its height whether its settings are shown or not.
    QSizePolicy keep = frameTicker->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    frameTicker->setSizePolicy(keep);

    connect(Command10[0], &QPushButton::clicked, this, [this] { Command10_Click(0); });
    connect(Command10[1], &QPushButton::clicked, this, [this] { Command10_Click(1); });
    connect(Command3, &QPushButton::clicked, this, &frmShowAll::Command3_Click);
    connect(Command12, &QPushButton::clicked, this, &frmShowAll::Command12_Click);
    connect(studiedit, &QPushButton::clicked, this, &frmShowAll::studiedit_Click);
    connect(chkTickerOnOff, &QCheckBox::toggled, this, &frmShowAll::chkTickerOnOff_Click);
    connect(cmbSpeed, &QComboBox::activated, this, &frmShowAll::cmbSpeed_Click);
    connect(chkListen, &QCheckBox::toggled, this, &frmShowAll::chkListen_Click);
    connect(Timer1, &QTimer::timeout, this, &frmShowAll::Timer1_Timer);
    connect(main_, &Form1::wordChanged, this, &frmShowAll::showWord);

    auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Left), [this] { Command10_Click(0); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), [this] { Command10_Click(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_M), [this] { studiedit_Click(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), [this] { Command12_Click(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_T), [this] { chkTickerOnOff->toggle(); });

    setWordColor(Qt::black);
    resize(kBaseSize);
    setMinimumSize(560, 420);
    scaleType();
    showWord();
}

void frmShowAll::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scaleType();
}

void frmShowAll::scaleType() {
    // Watched from across the room: a larger window shows larger type.
    const double scale = std::clamp(
        std::min(double(width()) / kBaseSize.width(), double(height()) / kBaseSize.height()), 1.0,
        3.0);
    Text1->setFont(Look::arial(kWordPoints * scale, true));
    Text1->setMinimumHeight(QFontMetrics(Text1->font()).height() + 16);
    Text2->setFont(Look::arial(kDetailPoints * scale, true));
}

void frmShowAll::showWord() {
    Text1->setText(main_->tickerWord());
    Text1->setCursorPosition(0);
    Text2->setPlainText(
        QString(main_->tickerDetails()).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

QColor frmShowAll::wordColor() const {
    return Text1->palette().color(QPalette::Text);
}

void frmShowAll::setWordColor(const QColor& color) {
    QPalette p = Text1->palette();
    p.setColor(QPalette::Text, color);
    Text1->setPalette(p);
    // The application's style sheet would otherwise decide the colour.
    Text1->setStyleSheet(
        QStringLiteral("QLineEdit { color: %1; border: none; background: transparent; }")
            .arg(color.name()));
}

void frmShowAll::showMarks() {
    const Ticker::WordBox box =
        Ticker::afterStep(main_->Text1->text(), main_->Label20->text(), main_->Label22->text());
    setWordColor(box.color);
    Text1->setText(box.text);
    Text1->setCursorPosition(0);
}

void frmShowAll::Command10_Click(int index) {
    main_->Command10_Click(index);
    showMarks();
}

void frmShowAll::Command3_Click() {
    // The marks are those of the word just picked; no step back, which would show the word
    // before the pick, or none when the pick was the first word.
    main_->cmdRandomWord_Click();
    showMarks();
}

void frmShowAll::setTimerEnabled(bool on) {
    timerEnabled_ = on;
    // An interval of 0 never ticks; the timer would otherwise fire without pause.
    if (on && Timer1->interval() > 0)
        Timer1->start();
    else
        Timer1->stop();
}

void frmShowAll::chkTickerOnOff_Click() {
    if (chkTickerOnOff->isChecked()) {
        setTimerEnabled(true);
        frameTicker->show();
        cmbSpeed->setEnabled(true);
    } else {
        setTimerEnabled(false);
        cmbSpeed->setEnabled(false);
        frameTicker->hide();
    }
    cmbSpeed_Click();
}

void frmShowAll::cmbSpeed_Click() {
    chkListen->hide();
    listen_ = false;
    const Ticker::Speed speed = Ticker::speed(cmbSpeed->currentText());
    if (!speed.known)
        return;
    Timer1->setInterval(speed.interval);
    setTimerEnabled(timerEnabled_);
    if (speed.listenShown) {
        chkListen->show();
        listen_ = Ticker::listenFlag(cmbSpeed->currentText(), chkListen->isChecked());
    }
}

void frmShowAll::chkListen_Click() {
    listen_ = chkListen->isChecked();
}

void frmShowAll::Timer1_Timer() {
    if (Option1[0]->isChecked())
        Command3_Click();
    else
        Command10_Click(1);
    if (listen_) {
        // Two requests, queued by the voice: the word, then its meaning, each heard whole.
        Speech* voice = main_->DirectSS1;
        tryStep([&] { voice->speak(main_->Text1->text()); });
        tryStep([&] { voice->speak(main_->Text2->toPlainText()); });
    }
}

void frmShowAll::Command12_Click() {
    main_->Command12_Click();
}

void frmShowAll::studiedit_Click() {
    main_->studiedit_Click();
}
