#include "TipDialog.h"

#include "app/Settings.h"
#include "app/ProgramFolder.h"
#include "app/Random.h"
#include "maintenance/TipsOfTheDay.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

TipDialog::TipDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(tr("Tip of the Day"));
    setModal(true);
    buildWindow();
    resize(580, 340);
    // At start-up the main window is not shown yet: the tip stands in the screen's middle.
    if (!parent || !parent->isVisible())
        if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());

    showAtStartup_->setChecked(true);
    loadTips();
    // Connected after the box is ticked, so that only the learner's click is stored.
    connect(showAtStartup_, &QCheckBox::toggled, this, &TipDialog::startupChoiceClicked);
}

void TipDialog::buildWindow() {
    auto* picture = named(new QLabel(this), QStringLiteral("Picture1"));
    picture->setPixmap(Look::appPicture(40));
    auto* heading = label(tr("Verbaloom Tips"), QStringLiteral("Label14"), this);
    heading->setFont(Look::arial(16, true));
    heading->setProperty("tone", QStringLiteral("accent"));
    QFrame* card = buildCard();

    showAtStartup_ = named(new QCheckBox(tr("&Show this Guide at Startup"), this),
                           QStringLiteral("chkLoadTipsAtStartup"));
    auto* nextButton = named(new QPushButton(tr("&Next"), this), QStringLiteral("cmdNextTip"));
    auto* okButton = named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"));
    nextButton->setAutoDefault(false);
    okButton->setDefault(true); // Enter; Esc closes the dialog as well
    connect(nextButton, &QPushButton::clicked, this, &TipDialog::showNextTip);
    connect(okButton, &QPushButton::clicked, this, &QDialog::close);

    auto* header = new QHBoxLayout;
    header->addWidget(picture);
    header->addSpacing(6);
    header->addWidget(heading, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showAtStartup_);
    buttons->addStretch();
    buttons->addWidget(nextButton);
    buttons->addWidget(okButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(header);
    layout->addWidget(card, 1);
    layout->addLayout(buttons);
    okButton->setFocus();
}

QFrame* TipDialog::buildCard() {
    auto* card = named(new QFrame(this), QStringLiteral("Shape1"));
    card->setProperty("surface", QStringLiteral("card"));
    auto* hintPicture = named(new QLabel(card), QStringLiteral("Picture2"));
    hintPicture->setPixmap(Look::icon(Look::Icon::Hint).pixmap(32, 32));
    hintPicture->setAlignment(Qt::AlignTop);
    // Tips are plain text: a "<" in a tip is shown, never taken as markup.
    question_ = label(QString(), QStringLiteral("lblTipQues"), card);
    question_->setFont(Look::arial(13, true));
    question_->setWordWrap(true);
    question_->setProperty("tone", QStringLiteral("ink"));
    rule_ = named(new QFrame(card), QStringLiteral("Line1"));
    rule_->setFrameShape(QFrame::HLine);
    rule_->setProperty("surface", QStringLiteral("rule"));
    answer_ = label(QString(), QStringLiteral("lblTipText"), nullptr);
    answer_->setFont(Look::arial(11.5));
    answer_->setWordWrap(true);
    answer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    answer_->setProperty("tone", QStringLiteral("text"));
    // A long answer scrolls instead of stretching the window off the screen.
    auto* answerArea = named(new QScrollArea(card), QStringLiteral("answerArea"));
    answerArea->setWidget(answer_);
    answerArea->setWidgetResizable(true);
    answerArea->setFocusPolicy(Qt::NoFocus);
    answerArea->setFrameShape(QFrame::NoFrame);
    answerArea->setProperty("surface", QStringLiteral("clear"));
    auto* grid = new QGridLayout(card);
    grid->setContentsMargins(16, 14, 16, 12);
    grid->setHorizontalSpacing(12);
    grid->addWidget(hintPicture, 0, 0, 3, 1);
    grid->addWidget(question_, 0, 1);
    grid->addWidget(rule_, 1, 1);
    grid->addWidget(answerArea, 2, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
    return card;
}

void TipDialog::loadTips() {
    const auto lines = TipsOfTheDay::read(ProgramFolder::file(TipsOfTheDay::FileName));
    if (!lines) {
        question_->hide();
        rule_->hide();
        answer_->setText(TipsOfTheDay::missingFileText());
        return;
    }
    tips_ = *lines;
    showNextTip();
}

void TipDialog::showNextTip() {
    if (tips_.isEmpty())
        return;
    const int number = TipsOfTheDay::pick(Random::global().uniform(), int(tips_.size()));
    const TipsOfTheDay::Tip tip = TipsOfTheDay::split(tips_.at(number - 1));
    question_->setText(tip.question);
    question_->setVisible(!tip.question.isEmpty());
    rule_->setVisible(!tip.question.isEmpty());
    answer_->setText(tip.answer);
}

void TipDialog::startupChoiceClicked(bool show) {
    const QString problem = AppSettings::saveShowTipsAtStartup(show);
    if (!problem.isEmpty())
        MessageBox::info(this, problem);
}
