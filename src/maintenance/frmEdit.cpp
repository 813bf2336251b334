#include "frmEdit.h"

#include "data/DataSource.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "maintenance/WordName.h"
#include "study/Form1.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

frmEdit::frmEdit(Form1* main) : QDialog(main), main_(main) {
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(tr("Edit Meaning / Usage"));
    setAttribute(Qt::WA_DeleteOnClose);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(Look::icon(Look::Icon::App).pixmap(32, 32));
    Label14 = new QLabel(tr("Edit Meaning / Usage"), this);
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setFont(Look::arial(14, true));
    lblWord = new QLabel(this);
    lblWord->setObjectName(QStringLiteral("lblWord"));
    lblWord->setFont(Look::arial(20, true));
    lblWord->setTextFormat(Qt::PlainText);

    Label1 = new QLabel(tr("Meaning"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtMeaning = new QPlainTextEdit(this);
    txtMeaning->setObjectName(QStringLiteral("txtMeaning"));
    txtMeaning->setTabChangesFocus(true);
    Label1->setBuddy(txtMeaning);
    Label2 = new QLabel(tr("Usage"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtUsage = new QPlainTextEdit(this);
    txtUsage->setObjectName(QStringLiteral("txtUsage"));
    txtUsage->setTabChangesFocus(true);
    Label2->setBuddy(txtUsage);

    cmdUpdate = new QPushButton(tr("Update"), this);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    cmdCancel = new QPushButton(tr("Close"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdUpdate, &QPushButton::clicked, this, &frmEdit::cmdUpdate_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEdit::cmdCancel_Click);

    auto* header = new QHBoxLayout;
    header->addWidget(Picture1);
    header->addWidget(Label14, 1);
    auto* grid = new QGridLayout;
    grid->addWidget(lblWord, 0, 0, 1, 2);
    grid->addWidget(Label1, 1, 0, Qt::AlignTop);
    grid->addWidget(txtMeaning, 1, 1);
    grid->addWidget(Label2, 2, 0, Qt::AlignTop);
    grid->addWidget(txtUsage, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdUpdate);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    resize(560, 380);
    Form_Load();
}

void frmEdit::Form_Load() {
    lblWord->setText(main_->Text1->text());
    txtMeaning->setPlainText(main_->Text2->toPlainText());
    txtUsage->setPlainText(main_->Text3->toPlainText());
    txtMeaning->setFocus();
}

void frmEdit::cmdUpdate_Click() {
    // Written at once: an edit is never left pending on the row, to be lost at exit.
    try {
        Recordset* rs = main_->Adodc1->recordset().get();
        if (!rs)
            throw DbErrors::noCurrentRecord();
        rs->setValue(QStringLiteral("meaning"), WordName::cleanText(txtMeaning->toPlainText()));
        rs->setValue(QStringLiteral("example"), WordName::cleanText(txtUsage->toPlainText()));
    } catch (const DbError& e) {
        // Saying nothing would let the learner think the change was kept.
        MessageBox::info(this, tr("The change could not be saved.\r\n\r\n%1").arg(e.description()));
        return;
    }
    main_->recfunc();
    close();
}

void frmEdit::cmdCancel_Click() {
    close();
}
