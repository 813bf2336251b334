#include "PrintWordListDialog.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "study/StudySession.h"
#include "ui/MessageBox.h"
#include "ui/PrintDialogs.h"
#include "views/WordListReport.h"

#include <QObject>
#include <QPainter>
#include <QPrinter>

namespace PrintWordListDialog {


void run(StudySession& session, QWidget* parent) {
    Recordset* rs = session.refinedRows();
    const int n = rs ? rs->recordCount() : 0;
    if (MessageBox::question(parent, QObject::tr("Are you sure you want to Print ") + QString::number(n) +
                                       QObject::tr(" WORDS? ")) != QMessageBox::Yes)
        return;
    const bool preview =
        MessageBox::question(parent, QObject::tr("Do You Want to see Print Preview before Printing?")) ==
        QMessageBox::Yes;

    // The report reads the same rows through a connection of its own.
    QList<WordListReport::Word> words;
    try {
        if (rs)
            words = WordListReport::wordsOf(*rs);
    } catch (const DbError& e) {
        MessageBox::info(parent, QObject::tr("The words could not be read for printing.") +
                                   QStringLiteral("\r\n\r\n") + e.description());
        return;
    }
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
        MessageBox::info(
            parent, QObject::tr("After Previewing, Please Click the PRINT ICON on the upper left corner"));
        PrintDialogs::preview(parent, WordListReport::WindowTitle, setUp, paint);
    } else if (PrintDialogs::print(parent, setUp, paint) == PrintDialogs::Outcome::Failed) {
        MessageBox::info(parent, QObject::tr("Check whether printer is properly connected to the computer"));
    }
}


} // namespace PrintWordListDialog
