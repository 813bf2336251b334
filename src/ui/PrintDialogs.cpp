#include "PrintDialogs.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QToolBar>

namespace PrintDialogs {
namespace {
Handler& handler() {
    static Handler h;
    return h;
}

bool printOn(QPrinter& printer, const Painter& paint) {
    return paint(printer) && printer.printerState() != QPrinter::Error;
}
} // namespace

void setHandler(Handler h) {
    handler() = std::move(h);
}

void preview(QWidget* parent, const QString& title, const SetUp& setUp, const Painter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    if (setUp)
        setUp(printer);
    if (handler()) {
        if (handler()(Kind::Preview, printer))
            printOn(printer, paint);
        return;
    }
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("DataReport1"));
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* p) { paint(*p); });
    // The learner is told the print button is at the upper left: put it there.
    if (auto* bar = dialog.findChild<QToolBar*>()) {
        const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
        const QList<QAction*> actions = bar->actions();
        for (QAction* action : actions)
            if (action->text() == print && !actions.isEmpty() && action != actions.first()) {
                bar->removeAction(action);
                bar->insertAction(actions.first(), action);
                bar->insertSeparator(actions.first());
                break;
            }
    }
    dialog.resize(900, 700);
    dialog.exec();
}

Outcome print(QWidget* parent, const SetUp& setUp, const Painter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    if (setUp)
        setUp(printer);
    bool accepted = false;
    if (handler()) {
        accepted = handler()(Kind::Print, printer);
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return Outcome::Cancelled;
    return printOn(printer, paint) ? Outcome::Printed : Outcome::Failed;
}

} // namespace PrintDialogs
