#include "frmAlphabets.h"

#include "game/frmGame.h"
#include "game/GameScoring.h"
#include "ui/Look.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
constexpr int kColumns = 9;
} // namespace

frmAlphabets::frmAlphabets(frmGame* game, QWidget* parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("frmAlphabets"));
    setWindowTitle(tr("Albhabets"));
    setModal(true);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    auto* grid = new QGridLayout(Shape1);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(4);
    for (int k = 0; k < 26; ++k) {
        auto* b = new QPushButton(kAlphabet.mid(k, 1), Shape1);
        b->setObjectName(QStringLiteral("cmdLetter_%1").arg(k));
        b->setFixedSize(36, 34);
        b->setFont(Look::arial(12, true));
        b->setAutoDefault(false);
        grid->addWidget(b, k / kColumns, k % kColumns);
        connect(b, &QPushButton::clicked, this, [this, k] { cmdLetter_Click(k); });
        cmdLetter[size_t(k)] = b;
    }
    cmdShowCorrect = new QPushButton(tr("Show Correct"), this);
    cmdShowCorrect->setObjectName(QStringLiteral("cmdShowCorrect"));
    cmdShowCorrect->setAutoDefault(false);
    cmdShowCorrect->setToolTip(tr("Puts the right letter in, for the price of a hint"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdShowCorrect, &QPushButton::clicked, this, &frmAlphabets::cmdShowCorrect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAlphabets::cmdCancel_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdShowCorrect);
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(Shape1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setStyleSheet(QStringLiteral(R"(
QFrame#Shape1 { border: 2px solid #1f6f8b; border-radius: 8px; background: #ffffff; }
QFrame#Shape1 QPushButton { padding: 0; }
QPushButton#cmdShowCorrect { color: #8a6d2f; background: #fff6df; border-color: #e2c27a; }
)"));
}

void frmAlphabets::cmdLetter_Click(int index) {
    pickedLetter = kAlphabet.mid(index, 1);
    accept();
}

void frmAlphabets::cmdCancel_Click() {
    reject();
}

void frmAlphabets::cmdShowCorrect_Click() {
    pickedLetter = correctLetter;
    if (game_) {
        ++game_->helpCount;
        GameScoring::chargeShowCorrect(game_->score, game_->hintCost);
        game_->showScore(false);
        game_->showCost(false);
    }
    accept();
}

void frmAlphabets::keyPressEvent(QKeyEvent* event) {
    // A letter key picks that letter.
    const QString typed = event->text().toUpper();
    if (typed.size() == 1 && kAlphabet.contains(typed) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        cmdLetter_Click(int(kAlphabet.indexOf(typed)));
        return;
    }
    QDialog::keyPressEvent(event);
}
