#include "frmMisc.h"

#include "ui/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPointer<frmMisc>& instance() {
    static QPointer<frmMisc> window;
    return window;
}
} // namespace

frmMisc::frmMisc(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMisc"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    if (instance())
        instance()->close();
    instance() = this;

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(Look::icon(Look::Icon::App).pixmap(40, 40));
    Picture1->setAlignment(Qt::AlignTop);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Look::arial(11));
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setMinimumWidth(340);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    auto* text = new QHBoxLayout;
    text->addWidget(Picture1);
    text->addWidget(Label1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(text, 1);
    layout->addLayout(buttons);
    resize(440, 260);
}

frmMisc::~frmMisc() {
    if (instance() == this)
        instance() = nullptr;
}

frmMisc* frmMisc::current() {
    return instance();
}

void frmMisc::unload() {
    if (instance())
        delete instance().data();
}

void frmMisc::setText(const QString& text) {
    Label1->setText(text);
}
