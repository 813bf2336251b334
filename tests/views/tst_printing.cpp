// Printing the refined selection: both questions, the preview path, the direct path through
// the print dialog and its failure message, and the pages read back from the PDF.
#include "data/Recordset.h"
#include "support/MainWindowSession.h"
#include "ui/PrintDialogs.h"
#include "views/PdfText.h"
#include "views/PrintWordListDialog.h"
#include "views/WordListReport.h"
#include "views/WordListWindow.h"

#include <QPrinter>
#include <QPushButton>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QToolBar>

namespace {
const QString kAsk = QStringLiteral("Do You Want to see Print Preview before Printing?");
const QString kAfterPreview =
    QStringLiteral("After Previewing, Please Click the PRINT ICON on the upper left corner");
const QString kCheckPrinter =
    QStringLiteral("Check whether printer is properly connected to the computer");

// Stands in for the learner at the preview and the print dialog: prints to a PDF file.
struct PdfPrinter {
    PdfPrinter() {
        PrintDialogs::setHandler([this](PrintDialogs::Kind kind, QPrinter& printer) {
            kinds << kind;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return accept;
        });
    }
    ~PdfPrinter() { PrintDialogs::setHandler(nullptr); }
    PdfPrinter(const PdfPrinter&) = delete;
    PdfPrinter& operator=(const PdfPrinter&) = delete;
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("words.pdf"));
    QList<PrintDialogs::Kind> kinds;
    bool accept = true;
};

QStringList shownWords(Recordset* rs) {
    QStringList out;
    for (int i = 1; i <= rs->recordCount(); ++i)
        out << rs->valueAt(i, QStringLiteral("name")).toString();
    return out;
}

// Which of the candidates the text names, in the order it names them.
QStringList namedIn(const QString& text, const QStringList& candidates) {
    QList<std::pair<qsizetype, QString>> found;
    for (const QString& w : candidates) {
        const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("\\b%1\\b").arg(w)));
        if (at >= 0)
            found.append({at, w});
    }
    std::sort(found.begin(), found.end());
    QStringList out;
    for (const auto& f : found)
        out << f.second;
    return out;
}

void print(MainWindowSession& s) {
    s.toolbar(QStringLiteral("Print It!"));
}
} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void answeringNoPrintsNothing() {
        MainWindowSession s;
        PdfPrinter pdf;
        print(s);
        QCOMPARE(s.messages.requests.size(), 1);
        const MessageBox::Request& q = s.messages.requests.first();
        QCOMPARE(q.text, QStringLiteral("Are you sure you want to Print 8 WORDS? "));
        QCOMPARE(q.title, QStringLiteral("Verbaloom!"));
        QCOMPARE(q.icon, QMessageBox::Question);
        QCOMPARE(q.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(q.defaultButton, QMessageBox::No);
        QVERIFY(pdf.kinds.isEmpty());
        QVERIFY(!QFile::exists(pdf.file));
    }

    void thePreviewPathShowsItsMessageThenThePreview() {
        MainWindowSession s;
        PdfPrinter pdf;
        s.messages.answers = {QMessageBox::Yes, QMessageBox::Yes};
        print(s);
        QCOMPARE(s.messages.texts(),
                 (QStringList{"Are you sure you want to Print 8 WORDS? ", kAsk, kAfterPreview}));
        QCOMPARE(s.messages.requests.at(1).defaultButton, QMessageBox::No);
        QCOMPARE(s.messages.requests.at(1).icon, QMessageBox::Question);
        QCOMPARE(s.messages.requests.at(2).icon, QMessageBox::Information);
        QCOMPARE(pdf.kinds, QList<PrintDialogs::Kind>{PrintDialogs::Kind::Preview});
        QVERIFY(QFile::exists(pdf.file));
    }

    void theRealPreviewWindowShowsThePages() {
        MainWindowSession s(FixtureDb::generatedWords(60));
        s.messages.answers = {QMessageBox::Yes, QMessageBox::Yes};
        int pages = -1;
        QString firstTool;
        QVERIFY(MainWindowSession::withModal<QPrintPreviewDialog>(
            [&] { print(s); },
            [&](QPrintPreviewDialog* preview) {
                QCOMPARE(preview->windowTitle(), QStringLiteral("Print Preview"));
                if (auto* bar = preview->findChild<QToolBar*>())
                    firstTool = bar->actions().value(0)->text();
                if (auto* widget = preview->findChild<QPrintPreviewWidget*>())
                    pages = widget->pageCount();
            }));
        // As the message before it says, printing is at the upper left.
        QCOMPARE(firstTool, QCoreApplication::translate("QPrintPreviewDialog", "Print"));
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    }

    void directPrintingListsExactlyTheRefinedWords() {
        MainWindowSession s(FixtureDb::generatedWords(40));
        s.session->applyRefinement(
            QStringLiteral("readcount = 2 or readcount = 5 or groupid = 1"));
        Recordset* rs = s.session->refinedRows();
        s.session->goTo(4);
        QCOMPARE(rs->recordCount(), 12);
        const QStringList refined = shownWords(rs);
        QStringList all;
        for (const WordRow& w : FixtureDb::generatedWords(40))
            all << w.name;

        PdfPrinter pdf;
        s.messages.answers = {QMessageBox::Yes, QMessageBox::No};
        print(s);
        QCOMPARE(s.messages.texts(),
                 (QStringList{"Are you sure you want to Print 12 WORDS? ", kAsk}));
        QCOMPARE(pdf.kinds, QList<PrintDialogs::Kind>{PrintDialogs::Kind::Print});
        QVERIFY(QFile::exists(pdf.file));
        // Printing read its own rows: the learner's word and refinement stay.
        QCOMPARE(s.session->counts().position, 4);
        QCOMPARE(s.session->refinedRows(), rs);
        if (!PdfText::available())
            QSKIP("pdftotext is not installed");
        const QString text = PdfText::read(pdf.file);
        QCOMPARE(namedIn(text, all), refined);
        QVERIFY(text.contains(QStringLiteral("Page: 1 / 1")));
        QVERIFY(text.contains(QStringLiteral("meaning of %1").arg(refined.last())));
    }

    void directAndPreviewGiveTheSamePages() {
        if (!PdfText::available())
            QSKIP("pdftotext is not installed");
        MainWindowSession s(FixtureDb::generatedWords(70));
        QString direct;
        {
            PdfPrinter pdf;
            s.messages.answers = {QMessageBox::Yes, QMessageBox::No};
            print(s);
            direct = PdfText::read(pdf.file);
        }
        PdfPrinter pdf;
        s.messages.answers = {QMessageBox::Yes, QMessageBox::Yes};
        print(s);
        QCOMPARE(PdfText::read(pdf.file), direct);
        QVERIFY(direct.contains(QStringLiteral("Page: 2 / ")));
    }

    void aPrinterThatFailsIsReportedAndACancelIsNot() {
        MainWindowSession s;
        PrintDialogs::setHandler([](PrintDialogs::Kind, QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent-folder/for/words.pdf"));
            return true;
        });
        s.messages.answers = {QMessageBox::Yes, QMessageBox::No};
        print(s);
        QCOMPARE(s.messages.texts().last(), kCheckPrinter);
        QCOMPARE(s.messages.requests.last().icon, QMessageBox::Information);

        s.messages.clear();
        PrintDialogs::setHandler([](PrintDialogs::Kind, QPrinter&) { return false; });
        s.messages.answers = {QMessageBox::Yes, QMessageBox::No};
        print(s);
        QCOMPARE(s.messages.requests.size(), 2);
        PrintDialogs::setHandler(nullptr);
    }

    void theListViewPrintsWhatItShows() {
        if (!PdfText::available())
            QSKIP("pdftotext is not installed");
        MainWindowSession s;
        // The rows in force decide, even where the refinement text says otherwise (as after
        // the refine window's opening count).
        s.session->applyRefinement(QStringLiteral("bookmark = 1"));
        s.session->filterRows(QStringLiteral("bookmark = 0"));
        s.toolbar(QStringLiteral("Listy"));
        auto* list = control<WordListWindow>(s.form.get(), QStringLiteral("frmList"));
        PdfPrinter pdf;
        s.messages.clear();
        s.messages.answers = {QMessageBox::Yes, QMessageBox::No};
        QTest::mouseClick(control<QPushButton>(list, QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(s.messages.texts().first(),
                 QStringLiteral("Are you sure you want to Print 5 WORDS? "));
        QStringList all;
        for (const WordRow& w : FixtureDb::defaultWords())
            all << w.name;
        QCOMPARE(namedIn(PdfText::read(pdf.file), all),
                 (QStringList{"abase", "acerbic", "Laconic", "venal", "o'clock"}));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
