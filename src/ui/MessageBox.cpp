#include "MessageBox.h"

#include "ui/DeferredClose.h"

#include <QLabel>
#include <QPointer>

namespace MessageBox {
namespace {
Handler& handler() {
    static Handler h;
    return h;
}

} // namespace

void setHandler(Handler h) {
    handler() = std::move(h);
}

QMessageBox::StandardButton show(QWidget* parent, const Request& request) {
    Request r = request;
    if (r.title.isEmpty())
        r.title = DefaultTitle;
    const DeferredClose guard(parent);
    if (handler())
        return handler()(r);
    // Composed texts break lines with CR LF; the label wants one break per line.
    QPointer<QMessageBox> box = new QMessageBox(
        r.icon, r.title, QString(r.text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
        r.buttons, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    if (r.defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(r.defaultButton);
    box->setTextFormat(Qt::PlainText);
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAlignment(r.alignment | Qt::AlignVCenter);
    const auto answer = QMessageBox::StandardButton(box->exec());
    delete box; // null when its parent went while it was open
    return answer;
}

QMessageBox::StandardButton info(QWidget* parent, const QString& text, const QString& title) {
    return show(parent, {text, title, QMessageBox::Information, QMessageBox::Ok});
}

QMessageBox::StandardButton plain(QWidget* parent, const QString& text, const QString& title) {
    return show(parent, {text, title, QMessageBox::NoIcon, QMessageBox::Ok});
}

QMessageBox::StandardButton question(QWidget* parent, const QString& text,
                                     QMessageBox::StandardButton defaultButton) {
    return show(parent, {text, DefaultTitle, QMessageBox::Question,
                         QMessageBox::Yes | QMessageBox::No, defaultButton});
}

} // namespace MessageBox
