#include "NoticesDialog.h"

#include "app/ProgramFolder.h"
#include "maintenance/AboutText.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

NoticesDialog::NoticesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmNotices"));
    setWindowTitle(tr("Licences - Verbaloom!"));
    setModal(true);

    auto* caption = label(tr("Verbaloom's word data and libraries come with these licences:"),
                          QStringLiteral("Label1"), this);
    caption->setWordWrap(true);
    auto* titles = named(new QListWidget(this), QStringLiteral("lstNotices"));
    caption->setBuddy(titles);
    titles->setAccessibleName(tr("Licences"));
    auto* text = named(new QPlainTextEdit(this), QStringLiteral("txtNotice"));
    text->setReadOnly(true);
    text->setFont(QFont(QStringLiteral("Monospace"), 10));
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setAccessibleName(tr("Licence text"));
    auto* close = named(new QPushButton(tr("&Close"), this), QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    for (const AboutText::Notice& notice :
         AboutText::licenceNotices(ProgramFolder::file(AboutText::NoticesFolder))) {
        auto* item = new QListWidgetItem(notice.title, titles);
        item->setData(Qt::UserRole, notice.text);
    }
    connect(titles, &QListWidget::currentItemChanged, this, [text](QListWidgetItem* item) {
        text->setPlainText(item ? item->data(Qt::UserRole).toString() : QString());
    });
    titles->setCurrentRow(0);

    auto* split = new QSplitter(this);
    split->addWidget(titles);
    split->addWidget(text);
    split->setStretchFactor(1, 1);
    split->setSizes({210, 560});
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    resize(820, 560);
}
