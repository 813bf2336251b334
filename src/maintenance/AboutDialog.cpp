#include "AboutDialog.h"

#include "maintenance/AboutText.h"
#include "maintenance/NoticesDialog.h"
#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AboutText::Title);
    setModal(true);

    auto* picture = named(new QLabel(this), QStringLiteral("Picture1"));
    picture->setPixmap(Look::appPicture(112));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picture->setAccessibleName(tr("Verbaloom's picture"));
    auto* name = label(tr("Verbaloom!"), QStringLiteral("Label12"), this);
    name->setFont(Look::arial(24, true));
    name->setProperty("tone", QStringLiteral("accent"));
    auto* version = label(AboutText::programVersionText(), QStringLiteral("lblVersion"), this);
    version->setFont(Look::arial(11));
    auto* rule = named(new QFrame(this), QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setProperty("surface", QStringLiteral("rule"));
    auto* notice1 = label(AboutText::NoticeLine1, QStringLiteral("Label1"), this);
    auto* notice2 = label(AboutText::NoticeLine2, QStringLiteral("Label2"), this);
    for (QLabel* notice : {notice1, notice2})
        notice->setWordWrap(true);
    notice2->setProperty("tone", QStringLiteral("muted"));

    auto* licences =
        named(new QPushButton(tr("&Licences..."), this), QStringLiteral("cmdLicences"));
    licences->setAutoDefault(false);
    auto* ok = named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(licences, &QPushButton::clicked, this, &AboutDialog::showLicences);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(4);
    text->addWidget(rule);
    text->addSpacing(4);
    text->addWidget(notice1);
    text->addWidget(notice2);
    text->addStretch();
    auto* body = new QHBoxLayout;
    body->setSpacing(20);
    body->addWidget(picture);
    body->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(licences);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 16);
    layout->addLayout(body, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    resize(560, 280);
    ok->setFocus();
}

void AboutDialog::showLicences() {
    NoticesDialog notices(this);
    notices.exec();
}
