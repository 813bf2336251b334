#include "dlgHighScorerName.h"

#include "game/frmGame.h"
#include "ui/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

dlgHighScorerName::dlgHighScorerName(frmGame* game, QWidget* parent)
    : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("dlgHighScorerName"));
    setWindowTitle(tr("Dialog Caption"));
    setModal(true);
    lblPrizeMoney = new QLabel(tr("Enter your name High Scorer"), this);
    lblPrizeMoney->setObjectName(QStringLiteral("lblPrizeMoney"));
    lblPrizeMoney->setFont(Look::arial(12, true));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(60);
    Text1->setMinimumWidth(280);
    lblPrizeMoney->setBuddy(Text1);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &dlgHighScorerName::OKButton_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(lblPrizeMoney);
    layout->addWidget(Text1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The main window's word box goes frameless by this name; this one is a text field.
    setStyleSheet(QStringLiteral("QLineEdit#Text1 { border: 1px solid #b9b09b; border-radius: 4px; "
                                 "background: #ffffff; color: #1b3a4b; padding: 4px 6px; "
                                 "font-size: 12pt; }"));
}

void dlgHighScorerName::OKButton_Click() {
    if (game_)
        game_->highScorerName = Text1->text();
    accept();
}
