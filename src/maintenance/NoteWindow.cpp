#include "NoteWindow.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

namespace {
QPointer<NoteWindow>& instance() {
    static QPointer<NoteWindow> window;
    return window;
}
} // namespace

NoteWindow::NoteWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMisc"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    if (instance())
        instance()->close();
    instance() = this;

    auto* picture = named(new QLabel(this), QStringLiteral("Picture1"));
    picture->setPixmap(Look::icon(Look::Icon::App).pixmap(40, 40));
    picture->setAlignment(Qt::AlignTop);
    text_ = label(QString(), QStringLiteral("Label1"), this);
    text_->setFont(Look::arial(11));
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setMinimumWidth(340);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* close = named(new QPushButton(tr("&Close"), this), QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);
    resize(440, 260);
}

NoteWindow::~NoteWindow() {
    if (instance() == this)
        instance() = nullptr;
}

NoteWindow* NoteWindow::current() {
    return instance();
}

void NoteWindow::unload() {
    if (instance())
        delete instance().data();
}

void NoteWindow::setText(const QString& text) {
    text_->setText(text);
}
