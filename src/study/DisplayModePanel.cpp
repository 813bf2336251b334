#include "DisplayModePanel.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

DisplayModePanel::DisplayModePanel(QWidget* parent) : QGroupBox(tr("Display"), parent) {
    setObjectName(QStringLiteral("frameMode"));
    const QStringList names{tr("Guess Meanings"), tr("Guess Words"), tr("Show All Boxes"),
                            tr("Random Boxes")};
    const QStringList tips{tr("Guess Meaning from Word"), tr("Guess Word From Meaning"),
                           tr("Show All "), QString()};
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 4; ++i) {
        auto* option = named(new QRadioButton(names[i], this), QStringLiteral("Option1_%1").arg(i));
        if (!tips[i].isEmpty())
            option->setToolTip(tips[i]);
        layout->addWidget(option);
        modes_[size_t(i)] = option;
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                emit modeChosen(i);
        });
    }
    modes_[2]->setChecked(true);
}

int DisplayModePanel::mode() const {
    for (int i = 0; i < 4; ++i)
        if (modes_[size_t(i)]->isChecked())
            return i;
    return 2;
}

void DisplayModePanel::setMode(int mode) {
    QRadioButton* option = modes_[size_t(std::clamp(mode, 0, 3))];
    if (option->isChecked())
        emit modeChosen(mode); // chosen again: a random mode draws anew
    else
        option->setChecked(true);
}

HintPanel::HintPanel(QWidget* parent) : QGroupBox(tr("Keep '?' Pressed"), parent) {
    setObjectName(QStringLiteral("frameNavi"));
    hintButton_ = named(new QPushButton(this), QStringLiteral("btnHint"));
    hintButton_->setIcon(Look::icon(Look::Icon::Hint));
    hintButton_->setIconSize(QSize(30, 30));
    hintButton_->setToolTip(tr("Keep Pressed to see any Hidden Box"));
    hintButton_->setAccessibleName(tr("Hint"));
    hintButton_->setAutoRepeat(false);
    hintButton_->setProperty("hint", true);
    connect(hintButton_, &QPushButton::pressed, this, &HintPanel::hintHeld);
    connect(hintButton_, &QPushButton::released, this, &HintPanel::hintReleased);
    auto* important = label(tr("Important"), QStringLiteral("Label19"), this);
    important->setFont(Look::arial(9, true));
    auto* explanation =
        label(tr("Keep '?' clicked to see  hidden word / meaning. OR Select ") +
                  QStringLiteral("\"") + tr("Show All Boxes") + QStringLiteral("\"") +
                  tr(" to see all sections"),
              QStringLiteral("Label14"), this);
    explanation->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(hintButton_, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(important, 0, 1);
    layout->addWidget(explanation, 1, 1);
    layout->setColumnStretch(1, 1);
}
