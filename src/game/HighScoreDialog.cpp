#include "HighScoreDialog.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

HighScoreDialog::HighScoreDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgHighScorerName"));
    setWindowTitle(tr("Dialog Caption"));
    setModal(true);
    auto* caption = label(tr("Enter your name High Scorer"), QStringLiteral("lblPrizeMoney"), this);
    caption->setFont(Look::arial(12, true));
    name_ = named(new QLineEdit(this), QStringLiteral("Text1"));
    name_->setMaxLength(60);
    name_->setMinimumWidth(280);
    caption->setBuddy(name_);
    auto* ok = named(new QPushButton(tr("OK"), this), QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(caption);
    layout->addWidget(name_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    name_->setProperty("framed", true);
    Look::setTextSize(name_, 12, false);
}

std::optional<QString> HighScoreDialog::askName(QWidget* parent) {
    // The dialog goes with its parent if that is deleted while it waits.
    QPointer<HighScoreDialog> dialog = new HighScoreDialog(parent);
    const bool given = dialog->exec() == QDialog::Accepted;
    std::optional<QString> name;
    if (dialog && given)
        name = dialog->name_->text();
    delete dialog;
    return name;
}
