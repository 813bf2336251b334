#include "MessageBox.h"

#include <QLabel>

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
    if (handler())
        return handler()(r);
    // Composed texts break lines with CR LF; the label wants one break per line.
    QMessageBox box(r.icon, r.title,
                    QString(r.text).replace(QLatin1String("\r\n"), QLatin1String("\n")), r.buttons,
                    parent);
    if (r.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(r.defaultButton);
    box.setTextFormat(Qt::PlainText);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAlignment(r.alignment | Qt::AlignVCenter);
    return QMessageBox::StandardButton(box.exec());
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
