#include "frmAbout.h"

#include "maintenance/AboutText.h"
#include "maintenance/frmNotices.h"
#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Widgets::named;
} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AboutText::Title);
    setModal(true);

    Picture1 = named(new QLabel(this), QStringLiteral("Picture1"));
    Picture1->setPixmap(Look::appPicture(112));
    Picture1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Label12 = named(new QLabel(tr("Verbaloom!"), this), QStringLiteral("Label12"));
    Label12->setFont(Look::arial(24, true));
    Label12->setStyleSheet(QStringLiteral("color: #1f6f8b;"));
    lblVersion = named(new QLabel(this), QStringLiteral("lblVersion"));
    lblVersion->setFont(Look::arial(11));
    lblVersion->setTextFormat(Qt::PlainText);
    Line1 = named(new QFrame(this), QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setStyleSheet(QStringLiteral("color: #d8d2c4;"));
    Label1 = named(new QLabel(AboutText::NoticeLine1, this), QStringLiteral("Label1"));
    Label2 = named(new QLabel(AboutText::NoticeLine2, this), QStringLiteral("Label2"));
    for (QLabel* notice : {Label1, Label2}) {
        notice->setWordWrap(true);
        notice->setTextFormat(Qt::PlainText);
    }
    Label2->setStyleSheet(QStringLiteral("color: #5d5a52;"));

    cmdLicences = named(new QPushButton(tr("&Licences..."), this), QStringLiteral("cmdLicences"));
    cmdLicences->setAutoDefault(false);
    cmdOK = named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdLicences, &QPushButton::clicked, this, &frmAbout::cmdLicences_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(Label12);
    text->addWidget(lblVersion);
    text->addSpacing(4);
    text->addWidget(Line1);
    text->addSpacing(4);
    text->addWidget(Label1);
    text->addWidget(Label2);
    text->addStretch();
    auto* body = new QHBoxLayout;
    body->setSpacing(20);
    body->addWidget(Picture1);
    body->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdLicences);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 16);
    layout->addLayout(body, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    resize(560, 280);

    Form_Load();
    cmdOK->setFocus();
}

void frmAbout::Form_Load() {
    lblVersion->setText(AboutText::programVersionText());
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdLicences_Click() {
    frmNotices notices(this);
    notices.exec();
}
