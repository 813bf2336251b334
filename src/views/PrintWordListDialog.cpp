#include "PrintWordListDialog.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "study/StudySession.h"
#include "ui/MessageBox.h"
#include "ui/PrintDialogs.h"
#include "views/WordListReport.h"

#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QWidget>

namespace PrintWordListDialog {

namespace {

QString tr(const char* text) {
    return QObject::tr(text);
}

// Printing goes with the window that asked: closed while one of its questions was up, it
// asks nothing more and prints nothing.
bool stillOpen(const QWidget* parent, const QPointer<QWidget>& window) {
    return !parent || (window && window->isVisible());
}

bool print(QWidget* parent, const QList<WordListReport::Word>& words, bool preview) {
    const QDate today = QDate::currentDate();
    const auto setUp = [](QPrinter& printer) { WordListReport::setUpPage(printer); };
    const auto paint = [&](QPrinter& printer) {
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        WordListReport::paint(painter, printer, words, today);
        return painter.end();
    };
    if (preview) {
        PrintDialogs::preview(parent, WordListReport::WindowTitle, setUp, paint);
        return true;
    }
    return PrintDialogs::print(parent, setUp, paint) != PrintDialogs::Outcome::Failed;
}

} // namespace

void run(StudySession& session, QWidget* parent) {
    const QPointer<QWidget> window = parent ? parent->window() : nullptr;
    const int n = session.refinedRows() ? session.refinedRows()->recordCount() : 0;
    if (MessageBox::question(parent, tr("Are you sure you want to Print ") + QString::number(n) +
                                         tr(" WORDS? ")) != QMessageBox::Yes ||
        !stillOpen(parent, window))
        return;
    const bool preview =
        MessageBox::question(parent, tr("Do You Want to see Print Preview before Printing?")) ==
        QMessageBox::Yes;
    if (!stillOpen(parent, window))
        return;

    // The report reads the same rows through a connection of its own.
    QList<WordListReport::Word> words;
    try {
        if (Recordset* rs = session.refinedRows())
            words = WordListReport::wordsOf(*rs);
    } catch (const DbError& e) {
        MessageBox::info(parent, tr("The words could not be read for printing.") +
                                     QStringLiteral("\r\n\r\n") + e.description());
        return;
    }
    if (preview) {
        MessageBox::info(
            parent, tr("After Previewing, Please Click the PRINT ICON on the upper left corner"));
        if (!stillOpen(parent, window))
            return;
    }
    if (!print(parent, words, preview))
        MessageBox::info(parent,
                         tr("Check whether printer is properly connected to the computer"));
}

} // namespace PrintWordListDialog
