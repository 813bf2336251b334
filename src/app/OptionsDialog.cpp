#include "OptionsDialog.h"

#include "app/Settings.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));

    retention_ = named(new QSpinBox(this), QStringLiteral("spnRetention"));
    retention_->setRange(AppSettings::MinRetention, AppSettings::MaxRetention);
    retention_->setSuffix(QStringLiteral(" %"));
    retention_->setValue(AppSettings::targetRetention());
    retention_->setToolTip(tr("How likely you should be to recall a word when it comes due. "
                              "Higher means more reviews."));
    newWords_ = named(new QSpinBox(this), QStringLiteral("spnNewWords"));
    newWords_->setRange(0, AppSettings::MaxNewWords);
    newWords_->setValue(AppSettings::newWordsPerDay());
    newWords_->setToolTip(tr("Words never studied that join the due words each day, taken "
                             "from your selection in its order."));

    appearance_ = named(new QComboBox(this), QStringLiteral("cboAppearance"));
    using AppSettings::Appearance;
    appearance_->addItem(tr("As the desktop"), int(Appearance::Desktop));
    appearance_->addItem(tr("Light"), int(Appearance::Light));
    appearance_->addItem(tr("Dark"), int(Appearance::Dark));
    appearance_->setCurrentIndex(appearance_->findData(int(AppSettings::appearance())));
    appearance_->setToolTip(tr("Light or dark windows, or the colours the desktop uses."));

    auto* form = new QFormLayout;
    auto* retentionCaption = label(tr("&Target retention:"), QStringLiteral("lblRetention"), this);
    auto* newWordsCaption = label(tr("&New words a day:"), QStringLiteral("lblNewWords"), this);
    retentionCaption->setBuddy(retention_);
    newWordsCaption->setBuddy(newWords_);
    form->addRow(retentionCaption, retention_);
    form->addRow(newWordsCaption, newWords_);
    auto* appearanceCaption = label(tr("&Appearance:"), QStringLiteral("lblAppearance"), this);
    appearanceCaption->setBuddy(appearance_);
    form->addRow(appearanceCaption, appearance_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(buttons);
}

void OptionsDialog::save() {
    const auto appearance = AppSettings::Appearance(appearance_->currentData().toInt());
    const bool saved = AppSettings::saveScheduling(retention_->value(), newWords_->value()) &&
                       AppSettings::saveAppearance(appearance);
    // Seen at once, kept for the next start.
    Look::applyAppearance(appearance);
    if (!saved)
        MessageBox::info(this, tr("Verbaloom could not save these options: its settings folder "
                                  "cannot be written."));
    accept();
}
