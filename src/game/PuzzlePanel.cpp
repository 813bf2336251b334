#include "PuzzlePanel.h"

#include "game/LetterBoxesPanel.h"
#include "ui/Look.h"
#include "ui/Widgets.h"

#include <functional>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

namespace {

QPixmap drawn(int size, const std::function<void(QPainter&)>& paint) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    paint(p);
    return pm;
}

// A speech bubble for the usage example.
QPixmap quotePicture() {
    return drawn(34, [](QPainter& p) {
        p.setPen(QPen(QColor(0x1f, 0x6f, 0x8b), 2));
        p.setBrush(QColor(0xff, 0xf6, 0xdf));
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(3, 4, 26, 18), 5, 5);
        bubble.moveTo(9, 22);
        bubble.lineTo(7, 29);
        bubble.lineTo(15, 22);
        p.drawPath(bubble.simplified());
        p.setFont(Look::arial(14, true));
        p.drawText(QRectF(3, 5, 26, 20), Qt::AlignCenter, QStringLiteral("\u201c\u201d"));
    });
}

QPixmap tickPicture() {
    return drawn(64, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0x9e, 0x4f));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23, 11)}));
    });
}

void setShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* w : widgets)
        w->setVisible(shown);
}

} // namespace

PuzzlePanel::PuzzlePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("frameMain"));
    setProperty("surface", QStringLiteral("card"));
    clickMessage_ = label(tr("Click on the boxes below to guess the word from Meaning"),
                          QStringLiteral("lblClickBoxMsg"), this);
    clickMessage_->setProperty("tone", QStringLiteral("muted"));
    meaningPicture_ = label(QString(), QStringLiteral("Picture2"), this);
    meaningPicture_->setPixmap(Look::icon(Look::Icon::App).pixmap(34, 34));
    meaningPicture_->setToolTip(tr("Meaning"));
    meaning_ = Widgets::valueLabel(tr("Meaning"), QStringLiteral("lblMeaning"), this);
    meaning_->setWordWrap(true);
    meaning_->setFont(Look::arial(15, true));
    meaning_->setProperty("tone", QStringLiteral("ink"));
    usagePicture_ = label(QString(), QStringLiteral("Picture3"), this);
    usagePicture_->setPixmap(quotePicture());
    usagePicture_->setToolTip(tr("Usage"));
    usage_ = Widgets::valueLabel(tr("Usage"), QStringLiteral("lblExample"), this);
    usage_->setWordWrap(true);
    QFont usageFont = Look::arial(13);
    usageFont.setItalic(true);
    usage_->setFont(usageFont);
    prize_ = label(QString(), QStringLiteral("lblPrizeMoney"), this);
    prize_->setProperty("tone", QStringLiteral("accent"));
    Look::setTextSize(prize_, prize_->font().pointSizeF(), true);
    boxes_ = new LetterBoxesPanel(this);
    verdict_ = Widgets::valueLabel(tr("Verdict"), QStringLiteral("lblGuess"), this, true);
    verdict_->setFont(Look::arial(12, true));
    verdict_->setAlignment(Qt::AlignCenter);

    auto* meaningRow = new QHBoxLayout;
    meaningRow->addWidget(meaningPicture_, 0, Qt::AlignTop);
    meaningRow->addWidget(meaning_, 1);
    auto* usageRow = new QHBoxLayout;
    usageRow->addWidget(usagePicture_, 0, Qt::AlignTop);
    usageRow->addWidget(usage_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(clickMessage_);
    layout->addLayout(meaningRow);
    layout->addLayout(usageRow);
    layout->addLayout(buildSolvedRow());
    layout->addSpacing(14);
    layout->addWidget(prize_);
    layout->addWidget(boxes_);
    layout->addWidget(verdict_);
    layout->addStretch();
    layout->addLayout(buildButtons());

    for (QPushButton* b : {nextButton_, newGameButton_, exitButton_, talkButton_})
        b->installEventFilter(this); // Enter presses them, as in a dialog
    connect(nextButton_, &QPushButton::clicked, this, &PuzzlePanel::nextRequested);
    connect(newGameButton_, &QPushButton::clicked, this, &PuzzlePanel::newGameRequested);
    connect(exitButton_, &QPushButton::clicked, this, &PuzzlePanel::exitRequested);
    connect(talkButton_, &QPushButton::clicked, this, &PuzzlePanel::talkRequested);
}

QLayout* PuzzlePanel::buildButtons() {
    nextButton_ = named(new QPushButton(tr("Next Puzzle >"), this), QStringLiteral("cmdNext"));
    nextButton_->setProperty("accent", true);
    newGameButton_ = named(new QPushButton(tr("New Game"), this), QStringLiteral("cmdNewGame"));
    exitButton_ = named(new QPushButton(tr("Exit"), this), QStringLiteral("cmdExitGame"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(newGameButton_);
    buttons->addWidget(exitButton_);
    buttons->addWidget(nextButton_);
    return buttons;
}

QLayout* PuzzlePanel::buildSolvedRow() {
    solvedPicture_ = label(QString(), QStringLiteral("imgCorrect"), this);
    solvedPicture_->setPixmap(tickPicture());
    solvedPicture_->setAccessibleName(tr("Solved"));
    solvedMeaning_ = label(QString(), QStringLiteral("lblMean2"), this);
    solvedMeaning_->setWordWrap(true);
    solvedMeaning_->setFont(Look::arial(14, true));
    solvedMeaning_->setProperty("tone", QStringLiteral("ink"));
    nextLevel_ = Widgets::valueLabel(tr("Solved"), QStringLiteral("lblDiffLevelMsg"), this, true);
    nextLevel_->setProperty("tone", QStringLiteral("muted"));
    Look::setTextSize(nextLevel_, 11, false);
    nextLevel_->setWordWrap(true);
    talkButton_ = named(new QPushButton(this), QStringLiteral("cmdTalk"));
    talkButton_->setIcon(Look::icon(Look::Icon::Speaker));
    talkButton_->setIconSize(QSize(26, 26));
    talkButton_->setAccessibleName(tr("Pronounce"));
    talkButton_->setToolTip(tr("Hear the word"));
    auto* row = new QHBoxLayout;
    row->addWidget(solvedPicture_, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    text->addWidget(solvedMeaning_);
    text->addWidget(nextLevel_);
    row->addLayout(text, 1);
    row->addWidget(talkButton_, 0, Qt::AlignTop);
    return row;
}

void PuzzlePanel::showPuzzle(const QString& meaning, const QString& maskedUsage,
                             const QString& prize) {
    prize_->setText(prize);
    setShown({nextButton_, solvedPicture_, talkButton_, nextLevel_, solvedMeaning_}, false);
    setShown({meaning_, meaningPicture_, usage_, usagePicture_, prize_, clickMessage_}, true);
    verdict_->clear();
    meaning_->setText(meaning);
    solvedMeaning_->setText(meaning);
    usage_->setText(maskedUsage);
    usagePicture_->setVisible(!maskedUsage.isEmpty()); // no usage, no empty speech bubble
}

void PuzzlePanel::startGuessing() {
    verdict_->hide();
    clickMessage_->hide();
}

void PuzzlePanel::showVerdict(bool right) {
    verdict_->setText(right ? tr("Correct")
                            : tr("Wrong Guess. Take another guess or Click 'Show Correct'"));
    verdict_->setProperty("verdict", right ? QStringLiteral("right") : QStringLiteral("wrong"));
    Look::restyle(verdict_);
    verdict_->show();
    verdict_->announce();
}

void PuzzlePanel::showSolved(const QString& nextLevelMessage) {
    nextLevel_->setText(nextLevelMessage);
    verdict_->hide();
    nextLevel_->show();
    nextLevel_->announce();
    setShown({nextButton_, solvedPicture_, talkButton_, nextLevel_, solvedMeaning_}, true);
    setShown({meaning_, meaningPicture_, usage_, usagePicture_, prize_}, false);
    nextButton_->setFocus();
}

void PuzzlePanel::showGameOver(bool over) {
    newGameButton_->setVisible(over);
    exitButton_->setVisible(over);
    if (over) {
        nextButton_->hide();
        newGameButton_->setFocus();
    }
}

bool PuzzlePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
