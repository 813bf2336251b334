#pragma once

#include <functional>
#include <QMessageBox>
#include <QString>

class QWidget;

// Every message box of the program goes through here, so that tests can see and answer
// them. Boxes without a title of their own carry "Verbaloom!".
namespace MessageBox {

inline const QString DefaultTitle = QStringLiteral("Verbaloom!");

struct Request {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    Qt::Alignment alignment = Qt::AlignLeft;
};

QMessageBox::StandardButton show(QWidget* parent, const Request& request);

// Shorthands for the common shapes.
QMessageBox::StandardButton info(QWidget* parent, const QString& text,
                                 const QString& title = DefaultTitle);
QMessageBox::StandardButton plain(QWidget* parent, const QString& text,
                                  const QString& title = DefaultTitle);
QMessageBox::StandardButton question(QWidget* parent, const QString& text,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::No);

// Tests install a handler that records the request and gives the answer; the real box is
// not shown while one is installed.
using Handler = std::function<QMessageBox::StandardButton(const Request&)>;
void setHandler(Handler handler);

} // namespace MessageBox
