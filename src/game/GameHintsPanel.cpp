#include "GameHintsPanel.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>
#include <QVBoxLayout>

using Widgets::label;
using WordPuzzle::Hint;

namespace {
// In the order shown, which is the order of WordPuzzle::Hint.
constexpr std::array<std::pair<const char*, const char*>, 5> kHints{{
    {"lblHint1", QT_TRANSLATE_NOOP("GameHintsPanel", "First Letter")},
    {"lblHint2", QT_TRANSLATE_NOOP("GameHintsPanel", "Second Letter")},
    {"lblHintThLetter", QT_TRANSLATE_NOOP("GameHintsPanel", "Third Letter")},
    {"lblHint3", QT_TRANSLATE_NOOP("GameHintsPanel", "Random Letter")},
    {"lblHint4", QT_TRANSLATE_NOOP("GameHintsPanel", "Last Letter")},
}};
} // namespace

GameHintsPanel::GameHintsPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("frameHint"));
    setProperty("surface", QStringLiteral("card"));
    setFixedWidth(184);
    QSizePolicy keepPlace = sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the puzzle stays put when the hints go
    setSizePolicy(keepPlace);
    auto* title = label(tr("Want a Hint??"), QStringLiteral("Label3"), this);
    title->setFont(Look::arial(13, true));
    title->setProperty("tone", QStringLiteral("accent"));
    auto* note = label(tr("Click below to get Hints"), QStringLiteral("Label4"), this);
    note->setProperty("tone", QStringLiteral("muted"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(8);
    layout->addWidget(title);
    layout->addWidget(note);
    layout->addSpacing(4);
    for (size_t i = 0; i < kHints.size(); ++i) {
        QLabel* h = label(tr(kHints[i].second), QString::fromLatin1(kHints[i].first), this);
        h->setProperty("hint", true);
        h->setCursor(Qt::PointingHandCursor);
        h->setFocusPolicy(Qt::StrongFocus);
        h->setToolTip(tr("Reveals a letter for the price shown below (Alt+%1)").arg(i + 1));
        h->installEventFilter(this);
        layout->addWidget(h);
        hints_[i] = h;
        const auto hint = Hint(i);
        auto* key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + int(i))), this);
        connect(key, &QShortcut::activated, this, [this, h, hint] {
            if (h->isVisible())
                emit hintRequested(hint);
        });
    }
    layout->addStretch();
    auto* costCaption = label(tr("Hint will cost you:"), QStringLiteral("Label2"), this);
    cost_ = Widgets::valueLabel(tr("Hint will cost you"), QStringLiteral("lblCost"), this);
    cost_->setText(QStringLiteral("10"));
    cost_->setFont(Look::arial(13, true));
    cost_->setProperty("tone", QStringLiteral("mark"));
    auto* costRow = new QHBoxLayout;
    costRow->addWidget(costCaption);
    costRow->addWidget(cost_);
    costRow->addStretch();
    layout->addLayout(costRow);
}

QLabel* GameHintsPanel::hintLabel(Hint hint) const {
    return hints_.at(size_t(hint));
}

void GameHintsPanel::offerAll() {
    for (QLabel* h : hints_)
        h->show();
}

void GameHintsPanel::setOffered(Hint hint, bool offered) {
    hintLabel(hint)->setVisible(offered);
}

void GameHintsPanel::showCost(const QString& cost) {
    cost_->setText(cost);
}

bool GameHintsPanel::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(hints_.begin(), hints_.end(), watched);
    if (found != hints_.end()) {
        const auto hint = Hint(found - hints_.begin());
        const bool clicked = event->type() == QEvent::MouseButtonRelease &&
                             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        const int key =
            event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
        if (clicked || key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit hintRequested(hint);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
