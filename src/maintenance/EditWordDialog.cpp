#include "EditWordDialog.h"

#include "data/DbError.h"
#include "maintenance/WordName.h"
#include "study/StudySession.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

EditWordDialog::EditWordDialog(StudySession& session, const Word& word, QWidget* parent)
    : QDialog(parent), session_(session), word_(word) {
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(tr("Edit Meaning / Usage"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = named(new QLabel(this), QStringLiteral("Picture1"));
    picture->setPixmap(Look::icon(Look::Icon::App).pixmap(32, 32));
    auto* heading = label(tr("Edit Meaning / Usage"), QStringLiteral("Label14"), this);
    heading->setFont(Look::arial(14, true));
    auto* wordLabel = label(word.name, QStringLiteral("lblWord"), this);
    wordLabel->setFont(Look::arial(20, true));
    wordLabel->setAccessibleDescription(tr("The word being edited"));

    auto* meaningCaption = label(tr("Meaning"), QStringLiteral("Label1"), this);
    meaningBox_ = named(new QPlainTextEdit(word.meaning, this), QStringLiteral("txtMeaning"));
    meaningCaption->setBuddy(meaningBox_);
    auto* usageCaption = label(tr("Usage"), QStringLiteral("Label2"), this);
    usageBox_ = named(new QPlainTextEdit(word.usage, this), QStringLiteral("txtUsage"));
    usageCaption->setBuddy(usageBox_);
    for (QPlainTextEdit* box : {meaningBox_, usageBox_})
        box->setTabChangesFocus(true);

    auto* updateButton = named(new QPushButton(tr("Update"), this), QStringLiteral("cmdUpdate"));
    auto* closeButton = named(new QPushButton(tr("Close"), this), QStringLiteral("cmdCancel"));
    connect(updateButton, &QPushButton::clicked, this, &EditWordDialog::update);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* header = new QHBoxLayout;
    header->addWidget(picture);
    header->addWidget(heading, 1);
    auto* grid = new QGridLayout;
    grid->addWidget(wordLabel, 0, 0, 1, 2);
    grid->addWidget(meaningCaption, 1, 0, Qt::AlignTop);
    grid->addWidget(meaningBox_, 1, 1);
    grid->addWidget(usageCaption, 2, 0, Qt::AlignTop);
    grid->addWidget(usageBox_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(updateButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    // The margins of the other dialogs: the texts must not run to the window's edge.
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    resize(560, 380);
    meaningBox_->setFocus();
}

void EditWordDialog::update() {
    // Written at once, meaning and usage together: an edit is never left pending, to be lost
    // at exit, nor half stored.
    try {
        session_.updateMeaningAndUsage(word_, WordName::cleanText(meaningBox_->toPlainText()),
                                       WordName::cleanText(usageBox_->toPlainText()));
    } catch (const DbError& e) {
        // Saying nothing would let the learner think the change was kept.
        MessageBox::info(this, tr("The change could not be saved.\r\n\r\n") + e.description());
        return;
    }
    close();
}
