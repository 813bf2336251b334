#include "WordCardPanel.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using Widgets::label;
using Widgets::named;

namespace {

// A box keeps its place in the layout while hidden, so the hint label beneath it shows
// where it was instead of the card jumping about.
void retainSpace(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

QPlainTextEdit* textBox(const QString& name, const QFont& font, QWidget* parent) {
    auto* box = named(new QPlainTextEdit(parent), name);
    box->setReadOnly(true);
    box->setFont(font);
    box->setTabChangesFocus(true);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The boxes take the room the card has, from two lines up: a box's own wish for height
    // would otherwise make the page scroll in windows where everything fits.
    QSizePolicy policy = box->sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Ignored);
    box->setSizePolicy(policy);
    box->setMinimumHeight(QFontMetrics(font).lineSpacing() * 2 + 12);
    retainSpace(box);
    return box;
}

QLabel* guessLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* l = label(text, name, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setProperty("surface", QStringLiteral("note"));
    l->hide();
    return l;
}

} // namespace

WordCardPanel::WordCardPanel(QWidget* parent) : QWidget(parent) {
    buildWordRows();

    meaningCaption_ = label(tr("Meaning, Usage"), QStringLiteral("Label2"), this);
    meaningCaption_->setCursor(Qt::PointingHandCursor);
    meaningCaption_->setFont(Look::arial(10, true));
    meaningCaption_->installEventFilter(this);
    auto* meaningHint = label(tr("Click to see Meaning"), QStringLiteral("Label26"), this);
    meaningHint->setProperty("tone", QStringLiteral("muted"));
    meaningBox_ = textBox(QStringLiteral("Text2"), Look::arial(16), this);
    meaningBox_->setAccessibleName(tr("Meaning"));
    guessMeaningLabel_ = guessLabel(
        tr("(Guess the MEANING. To see the hidden MEANING press the '?' button to reveal)"),
        QStringLiteral("Label6"), this);
    auto* usageCaption = label(tr("Usage"), QStringLiteral("usageCaption"), this);
    usageCaption->setFont(Look::arial(10, true));
    QFont usageFont = Look::arial(14);
    usageFont.setItalic(true);
    usageBox_ = textBox(QStringLiteral("Text3"), usageFont, this);
    usageBox_->setAccessibleName(tr("Usage"));

    layOut(meaningHint, usageCaption);
    buildReadMenu();
}

void WordCardPanel::buildWordRows() {
    wordCaption_ = label(tr("Word"), QStringLiteral("Label1"), this);
    wordCaption_->setCursor(Qt::PointingHandCursor);
    wordCaption_->setFont(Look::arial(10, true));
    wordCaption_->installEventFilter(this);
    difficultMark_ = label(QString(), QStringLiteral("Label20"), this);
    veryDifficultMark_ = label(QString(), QStringLiteral("Label22"), this);
    for (QLabel* mark : {difficultMark_, veryDifficultMark_}) {
        mark->setProperty("tone", QStringLiteral("mark"));
        Look::setTextSize(mark, 14, true);
    }
    difficultMark_->setToolTip(tr("Difficult"));
    veryDifficultMark_->setToolTip(tr("Very Difficult"));
    pronounceButton_ = named(new QPushButton(this), QStringLiteral("Command12"));
    pronounceButton_->setIcon(Look::icon(Look::Icon::Speaker));
    pronounceButton_->setIconSize(QSize(26, 26));
    pronounceButton_->setAccessibleName(tr("Pronounce"));
    pronounceButton_->installEventFilter(this);
    connect(pronounceButton_, &QPushButton::clicked, this,
            [this] { emit speakRequested(wordBox_->text()); });

    wordBox_ = named(new QLineEdit(this), QStringLiteral("Text1"));
    wordBox_->setReadOnly(true);
    wordBox_->setProperty("bare", true);
    wordBox_->setAccessibleName(tr("Word"));
    wordBox_->setFont(Look::arial(28, true));
    wordBox_->setAlignment(Qt::AlignCenter);
    wordBox_->setMinimumHeight(56);
    retainSpace(wordBox_);
    guessWordLabel_ = guessLabel(
        tr("(Guess the WORD. To see the hidden word press the '?' button to reveal)"),
        QStringLiteral("lblMsg"), this);
}

void WordCardPanel::layOut(QLabel* meaningHint, QLabel* usageCaption) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(6);
    auto* wordHead = new QHBoxLayout;
    wordHead->addWidget(wordCaption_);
    wordHead->addStretch();
    wordHead->addWidget(difficultMark_);
    wordHead->addWidget(veryDifficultMark_);
    wordHead->addSpacing(8);
    wordHead->addWidget(pronounceButton_);
    layout->addLayout(wordHead, 0, 0);
    layout->addWidget(wordBox_, 1, 0);
    layout->addWidget(guessWordLabel_, 1, 0);
    auto* meaningHead = new QHBoxLayout;
    meaningHead->addWidget(meaningCaption_);
    meaningHead->addSpacing(10);
    meaningHead->addWidget(meaningHint);
    meaningHead->addStretch();
    layout->addLayout(meaningHead, 2, 0);
    layout->addWidget(meaningBox_, 3, 0);
    layout->addWidget(guessMeaningLabel_, 3, 0);
    layout->addWidget(usageCaption, 4, 0);
    layout->addWidget(usageBox_, 5, 0);
    layout->setRowStretch(3, 3);
    layout->setRowStretch(5, 2);
}

void WordCardPanel::buildReadMenu() {
    readMenu_ = named(new QMenu(tr("Read"), this), QStringLiteral("mnuRead"));
    const QStringList captions{tr("Read Word"), tr("Read Meaning"), tr("Read Usage")};
    for (int i = 0; i < 3; ++i) {
        QAction* read = readMenu_->addAction(captions[i]);
        read->setObjectName(QStringLiteral("mnuReadit_%1").arg(i));
        connect(read, &QAction::triggered, this, [this, i] {
            emit speakRequested(i == 0   ? wordBox_->text()
                                : i == 1 ? meaningBox_->toPlainText()
                                         : usageBox_->toPlainText());
        });
    }
}

void WordCardPanel::showWord(const Word& word) {
    if (meaningBox_->toPlainText() != word.meaning)
        meaningBox_->setPlainText(word.meaning);
    if (usageBox_->toPlainText() != word.usage)
        usageBox_->setPlainText(word.usage);
    difficultMark_->setText(word.difficult ? QStringLiteral("#") : QString());
    veryDifficultMark_->setText(word.veryDifficult ? QStringLiteral("#") : QString());
    wordBox_->setText(word.name);
    wordBox_->setCursorPosition(0);
}

void WordCardPanel::setBoxes(const StudyCard::Boxes& boxes) {
    wordBox_->setVisible(boxes.word);
    meaningBox_->setVisible(boxes.meaning);
    usageBox_->setVisible(boxes.usage);
    updateGuessLabels();
}

StudyCard::Boxes WordCardPanel::boxes() const {
    return {!wordBox_->isHidden(), !meaningBox_->isHidden(), !usageBox_->isHidden()};
}

void WordCardPanel::updateGuessLabels() {
    guessWordLabel_->setVisible(wordBox_->isHidden());
    guessMeaningLabel_->setVisible(meaningBox_->isHidden());
}

void WordCardPanel::holdHint() {
    const StudyCard::Boxes shown = boxes();
    shownBeforeHint_ = {shown.word, shown.meaning, shown.usage};
    hintHeld_ = true;
    setBoxes({true, true, true});
}

void WordCardPanel::releaseHint() {
    if (!hintHeld_)
        return;
    hintHeld_ = false;
    setBoxes({shownBeforeHint_[0], shownBeforeHint_[1], shownBeforeHint_[2]});
}

bool WordCardPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (watched == pronounceButton_ && button == Qt::RightButton) {
            readMenu_->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
        if (button == Qt::LeftButton && watched == wordCaption_)
            emit speakRequested(wordBox_->text());
        else if (button == Qt::LeftButton && watched == meaningCaption_)
            emit speakRequested(meaningBox_->toPlainText());
    } else if (event->type() == QEvent::ContextMenu && watched == pronounceButton_) {
        readMenu_->popup(pronounceButton_->mapToGlobal(pronounceButton_->rect().center()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
