#include "frmNotices.h"

#include "app/ProgramFolder.h"
#include "maintenance/AboutText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

frmNotices::frmNotices(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmNotices"));
    setWindowTitle(tr("Licences - Verbaloom!"));
    setModal(true);

    auto* caption = new QLabel(tr("Verbaloom's word data and libraries come with these "
                                  "licences:"),
                               this);
    caption->setObjectName(QStringLiteral("Label1"));
    caption->setWordWrap(true);
    lstNotices = new QListWidget(this);
    lstNotices->setObjectName(QStringLiteral("lstNotices"));
    txtNotice = new QPlainTextEdit(this);
    txtNotice->setObjectName(QStringLiteral("txtNotice"));
    txtNotice->setReadOnly(true);
    txtNotice->setFont(QFont(QStringLiteral("Monospace"), 10));
    txtNotice->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    const QList<AboutText::Notice> notices =
        AboutText::licenceNotices(ProgramFolder::file(AboutText::NoticesFolder));
    for (const AboutText::Notice& notice : notices) {
        auto* item = new QListWidgetItem(notice.title, lstNotices);
        item->setData(Qt::UserRole, notice.text);
    }
    connect(lstNotices, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        txtNotice->setPlainText(item ? item->data(Qt::UserRole).toString() : QString());
    });
    lstNotices->setCurrentRow(0);

    auto* split = new QSplitter(this);
    split->addWidget(lstNotices);
    split->addWidget(txtNotice);
    split->setStretchFactor(1, 1);
    split->setSizes({210, 560});
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    resize(820, 560);
}
