#include "LetterPickerDialog.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

using Widgets::named;

namespace {
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
constexpr int kColumns = 9;
} // namespace

LetterPickerDialog::LetterPickerDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAlphabets"));
    setWindowTitle(tr("Albhabets"));
    setModal(true);

    auto* letters = named(new QFrame(this), QStringLiteral("Shape1"));
    letters->setProperty("surface", QStringLiteral("card"));
    auto* grid = new QGridLayout(letters);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(4);
    for (int k = 0; k < 26; ++k) {
        auto* b = named(new QPushButton(kAlphabet.mid(k, 1), letters),
                        QStringLiteral("cmdLetter_%1").arg(k));
        b->setFixedSize(36, 34);
        b->setFont(Look::arial(12, true));
        b->setAutoDefault(false);
        b->setProperty("compact", true);
        grid->addWidget(b, k / kColumns, k % kColumns);
        connect(b, &QPushButton::clicked, this, [this, k] { pickLetter(k); });
        letterButtons_[size_t(k)] = b;
    }
    auto* showCorrect =
        named(new QPushButton(tr("Show Correct"), this), QStringLiteral("cmdShowCorrect"));
    showCorrect->setAutoDefault(false);
    showCorrect->setProperty("note", true);
    showCorrect->setToolTip(tr("Puts the right letter in, for the price of a hint"));
    auto* cancel = named(new QPushButton(tr("Cancel"), this), QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);
    connect(showCorrect, &QPushButton::clicked, this, [this] {
        choice_ = Choice::ShowCorrect;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showCorrect);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(letters);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

}

void LetterPickerDialog::pickLetter(int index) {
    choice_ = Choice::Letter;
    letter_ = kAlphabet.mid(index, 1);
    accept();
}

void LetterPickerDialog::keyPressEvent(QKeyEvent* event) {
    // A letter key picks that letter.
    const QString typed = event->text().toUpper();
    if (typed.size() == 1 && kAlphabet.contains(typed) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        pickLetter(int(kAlphabet.indexOf(typed)));
        return;
    }
    QDialog::keyPressEvent(event);
}
