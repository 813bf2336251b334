// The main window's review views: the ticker, the list view, printing and the progress
// report. Part of Form1, kept beside the windows it opens.
#include "study/Form1.h"

#include "data/DataSource.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "ui/MessageBox.h"
#include "ui/PrintDialogs.h"
#include "views/frmList.h"
#include "views/frmReport.h"
#include "views/frmShowAll.h"
#include "views/ProgressReport.h"
#include "views/WordListReport.h"

#include <QCheckBox>
#include <QPainter>
#include <QPrinter>

frmShowAll* Form1::tickerWindow() const {
    return frmShowAll_;
}
frmList* Form1::listWindow() const {
    return frmList_;
}

void Form1::ensureTicker() {
    if (!frmShowAll_)
        frmShowAll_ = new frmShowAll(this);
}

void Form1::openTicker() {
    chkPLock->setChecked(false);
    ensureTicker();
    frmShowAll_->show();
    frmShowAll_->raise();
    frmShowAll_->activateWindow();
    Text1_Change();
}

void Form1::openList() {
    if (frmList_) {
        frmList_->show();
        frmList_->raise();
        frmList_->activateWindow();
        return;
    }
    frmList_ = new frmList(this);
    frmList_->show();
    frmList_->Form_Load();
}

void Form1::PrintIt() {
    Recordset* rs = recordset();
    const int n = rs ? rs->recordCount() : 0;
    if (MessageBox::question(this, tr("Are you sure you want to Print ") + QString::number(n) +
                                       tr(" WORDS? ")) != QMessageBox::Yes)
        return;
    const bool preview =
        MessageBox::question(this, tr("Do You Want to see Print Preview before Printing?")) ==
        QMessageBox::Yes;

    // The report reads the same rows through a connection of its own.
    QList<WordListReport::Word> words;
    try {
        if (rs)
            words = WordListReport::wordsOf(*rs);
    } catch (const DbError& e) {
        MessageBox::info(this, tr("The words could not be read for printing.") +
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
            this, tr("After Previewing, Please Click the PRINT ICON on the upper left corner"));
        PrintDialogs::preview(this, WordListReport::WindowTitle, setUp, paint);
    } else if (PrintDialogs::print(this, setUp, paint) == PrintDialogs::Outcome::Failed) {
        MessageBox::info(this, tr("Check whether printer is properly connected to the computer"));
    }
}

void Form1::ShowReport() {
    // The report counts with statements of its own: the learner's selection, its filter and
    // its current word are never touched, so there is nothing to give back afterwards.
    const bool changing = selection_.selectionChanging;
    selection_.selectionChanging = true;
    std::array<std::optional<ProgressReport::Counts>, ProgressReport::GroupCount> counts;
    tryStep([&] { counts = ProgressReport::count(*Adodc1->connection()); });
    frmReport report(this);
    report.fill(counts);
    report.exec();
    selection_.selectionChanging = changing;
}
