#include "LetterBoxesPanel.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <algorithm>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

using Widgets::named;

namespace {
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

LetterBoxesPanel::LetterBoxesPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(4);
    for (int i = 0; i < WordPuzzle::MaxLetters; ++i) {
        auto* frame = named(new QFrame(this), QStringLiteral("shapeWLtr_%1").arg(i));
        frame->setProperty("surface", QStringLiteral("letterFrame"));
        auto* box = Widgets::valueLabel(tr("Letter %1").arg(i + 1),
                                        QStringLiteral("lblWordLetter_%1").arg(i), frame);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(Look::arial(19, true));
        box->setFixedSize(34, 46);
        box->setFocusPolicy(Qt::StrongFocus);
        box->setCursor(Qt::PointingHandCursor);
        box->setToolTip(tr("Click, or type a letter"));
        box->installEventFilter(this);
        auto* frameLayout = new QVBoxLayout(frame);
        frameLayout->setContentsMargins(2, 2, 2, 2);
        frameLayout->addWidget(box);
        auto* list = named(new QComboBox(this), QStringLiteral("Combo1_%1").arg(i));
        list->setFixedWidth(40);
        list->setToolTip(tr("Choose a letter"));
        list->setAccessibleName(tr("Letter %1 from a list").arg(i + 1));
        connect(list, &QComboBox::activated, this, [this, i, list] {
            if (!list->currentText().isEmpty())
                emit letterEntered(i, list->currentText());
        });
        layout->addWidget(frame, 0, i + 1, Qt::AlignHCenter);
        layout->addWidget(list, 1, i + 1, Qt::AlignHCenter);
        frames_[size_t(i)] = frame;
        boxes_[size_t(i)] = box;
        lists_[size_t(i)] = list;
    }
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(WordPuzzle::MaxLetters + 1, 1);
    back_.fill(Look::Colour::LetterBox);
    text_.fill(Look::Colour::LetterRight);
    for (int i = 0; i < WordPuzzle::MaxLetters; ++i)
        paintBox(i);
}

void LetterBoxesPanel::fillLists() {
    for (QComboBox* list : lists_) {
        list->clear();
        for (QChar c : kAlphabet)
            list->addItem(QString(c));
    }
}

void LetterBoxesPanel::showWord(int length) {
    length_ = std::clamp(length, 0, WordPuzzle::MaxLetters);
    for (int i = 0; i < WordPuzzle::MaxLetters; ++i) {
        lists_[size_t(i)]->setCurrentIndex(-1);
        boxes_[size_t(i)]->clear();
        back_[size_t(i)] = Look::Colour::LetterBox;
        paintBox(i);
        frames_[size_t(i)]->setVisible(i < length_);
        lists_[size_t(i)]->setVisible(i < length_);
    }
}

QString LetterBoxesPanel::letter(int index) const {
    return boxes_.at(size_t(index))->text();
}

bool LetterBoxesPanel::setLetter(int index, const QString& text) {
    QLabel* box = boxes_.at(size_t(index));
    if (box->text() == text)
        return false;
    box->setText(text);
    return true;
}

void LetterBoxesPanel::closeLetter(int index) {
    lists_.at(size_t(index))->hide();
}

void LetterBoxesPanel::markRight(int index) {
    closeLetter(index);
    text_[size_t(index)] = Look::Colour::LetterRight;
    paintBox(index);
}

void LetterBoxesPanel::markWrong(int index) {
    text_.at(size_t(index)) = Look::Colour::LetterWrong;
    paintBox(index);
}

void LetterBoxesPanel::setPicking(int index, bool picking) {
    back_.at(size_t(index)) = picking ? Look::Colour::LetterPicking : Look::Colour::LetterBox;
    paintBox(index);
}

void LetterBoxesPanel::paintBox(int index) {
    boxes_[size_t(index)]->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; border-radius: 4px; }"
                       "QLabel:focus { border: 3px solid %3; }")
            .arg(Look::colour(back_[size_t(index)]).name(), Look::colour(text_[size_t(index)]).name(),
                 Look::colour(Look::Colour::LetterFocus).name()));
}

bool LetterBoxesPanel::isOpen(int index) const {
    return index >= 0 && index < length_ && !lists_[size_t(index)]->isHidden();
}

std::vector<bool> LetterBoxesPanel::openLetters() const {
    std::vector<bool> open(static_cast<size_t>(length_));
    for (int i = 0; i < length_; ++i)
        open[size_t(i)] = isOpen(i);
    return open;
}

void LetterBoxesPanel::focusFirstOpen() {
    for (int i = 0; i < length_; ++i)
        if (isOpen(i)) {
            boxes_[size_t(i)]->setFocus();
            return;
        }
}

QWidget* LetterBoxesPanel::box(int index) const {
    return boxes_.at(size_t(index));
}

void LetterBoxesPanel::focusBox(int from, int step) {
    for (int i = from + step; i >= 0 && i < length_; i += step)
        if (boxes_[size_t(i)]->isVisible()) {
            boxes_[size_t(i)]->setFocus();
            return;
        }
}

bool LetterBoxesPanel::boxKeyPressed(int index, QKeyEvent* key) {
    const QString typed = key->text().toUpper();
    if (typed.size() == 1 && kAlphabet.contains(typed) &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // A typed letter works as the picker's letter does; once right, on to the next
        // letter still open, from the start again if need be.
        emit letterEntered(index, typed);
        if (!isOpen(index))
            for (int k = 1; k < length_; ++k)
                if (isOpen((index + k) % length_)) {
                    boxes_[size_t((index + k) % length_)]->setFocus();
                    break;
                }
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        emit pickRequested(index);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        focusBox(index, key->key() == Qt::Key_Right ? 1 : -1);
        return true;
    default:
        return false;
    }
}

bool LetterBoxesPanel::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(boxes_.begin(), boxes_.end(), watched);
    if (found != boxes_.end()) {
        const int index = int(found - boxes_.begin());
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            emit pickRequested(index);
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            boxKeyPressed(index, static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
