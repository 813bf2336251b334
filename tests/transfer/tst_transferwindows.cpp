// Importing and exporting from the main window as a learner does: the menu items, the file
// window, the preview with its column choosers, duplicates and difficulty, the import
// itself and what the main window shows after it; the export window's choices and file.
#include "support/MainWindowSession.h"
#include "support/WhenModal.h"
#include "transfer/ExportWordsDialog.h"
#include "transfer/ImportPreviewDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QTableView>
#include <QtTest>

namespace {

using Session = MainWindowSession;

QStringList column(const QTableView* table, int column) {
    QStringList out;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        out << table->model()->index(r, column).data().toString();
    return out;
}

void choose(QComboBox* box, const QString& text) {
    const int i = box->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    // As a learner picks from the list: the current index changes through the box.
    box->setCurrentIndex(i);
}

} // namespace

class TestTransferWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }
    void cleanup() { qDeleteAll(modalWaits().children()); }

    void aWordListIsImportedThroughThePreview() {
        Session s;
        const QString path = s.db.dir() + QStringLiteral("/teacher.csv");
        writeTestFile(path,
                      "Example;Word;Meaning\nThey quelled the riot.;quell;to calm\n"
                      ";abase;to lower oneself\n;;\nzeal;zeal;ardour\n;;a meaning, no word\n");
        bool previewed = false;
        whenModal<QFileDialog>(
            [&](QFileDialog* files) {
                auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                name->setText(path);
                QTest::keyClick(name, Qt::Key_Return);
                whenModal<ImportPreviewDialog>(
                    [&](ImportPreviewDialog* d) {
                        QCOMPARE(Session::textOf(control(d, QStringLiteral("lblCounts"))),
                                 QStringLiteral("2 new words, 1 already among your words, 0 "
                                                "repeated in the file, 1 rows cannot be "
                                                "imported."));
                        auto* table = control<QTableView>(d, QStringLiteral("grdPreview"));
                        QCOMPARE(column(table, 2),
                                 (QStringList{"quell", "abase", "zeal", ""}));
                        QCOMPARE(column(table, 4),
                                 (QStringList{"They ---ed the riot.", "", "zeal", ""}));
                        QCOMPARE(Session::textOf(control(d, QStringLiteral("txtRefused"))),
                                 QStringLiteral("line 6: there is no word"));
                        // The learner prefers the last column as the example, updates the
                        // word already there and marks the new ones difficult.
                        choose(control<QComboBox>(d, QStringLiteral("cboExample")),
                               QStringLiteral("(none)"));
                        QCOMPARE(column(table, 4), (QStringList{"", "", "", ""}));
                        Session::click(control<QAbstractButton>(d, QStringLiteral("optDuplicates_1")));
                        QCOMPARE(column(table, 1).at(1), QStringLiteral("updates your word"));
                        Session::click(control<QAbstractButton>(d, QStringLiteral("optDifficulty_1")));
                        Session::click(control<QAbstractButton>(d, QStringLiteral("cmdImport")));
                        previewed = true;
                    });
            });
        control<QAction>(s.form.get(), QStringLiteral("importwords"))->trigger();
        QTRY_VERIFY(previewed);
        QCOMPARE(s.messages.texts(),
                 QStringList{"Imported 3 words, skipped 0 duplicates, 1 rows refused."});
        QCOMPARE(s.db.scalar("select group_concat(name || ':' || bookmark || doublebm || ':' ||"
                             " ifnull(example, ''), ' ') from words where id > 8")
                     .toString(),
                 QStringLiteral("quell:10: zeal:10:"));
        QCOMPARE(s.db.scalar("select meaning from words where name = 'abase'").toString(),
                 QStringLiteral("to lower oneself"));
        // The main window counts every word, the new ones with them.
        QCOMPARE(s.text(QStringLiteral("Label10_0")), QStringLiteral("10"));
    }

    void aFileThatCannotBeImportedIsNamedWithItsLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("not UTF-8") << QByteArray("abase,x\nna\xEFve,y\n")
                                   << "list.csv, line 2: this is not UTF-8 text (perhaps Latin-1 or "
                                      "Windows-1252); save the file as UTF-8 and import it again";
        QTest::newRow("no words") << QByteArray("\n\n") << "list.csv is empty: there are no "
                                                             "words in it.";
    }
    void aFileThatCannotBeImportedIsNamedWithItsLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        Session s;
        const QString before = s.db.dump();
        writeTestFile(s.db.dir() + QStringLiteral("/list.csv"), bytes);
        ImportPreviewDialog d(*s.session, s.db.dir() + QStringLiteral("/list.csv"), s.form.get());
        QVERIFY(!d.load());
        QCOMPARE(s.messages.texts(), QStringList{message});
        QCOMPARE(s.db.dump(), before);
    }

    void cancellingThePreviewWritesNothing() {
        Session s;
        const QString before = s.db.dump();
        writeTestFile(s.db.dir() + QStringLiteral("/list.tsv"), "quell\tto calm\n");
        ImportPreviewDialog d(*s.session, s.db.dir() + QStringLiteral("/list.tsv"), s.form.get());
        QVERIFY(d.load());
        d.show();
        // Another delimiter and a header row: the columns follow.
        choose(control<QComboBox>(&d, QStringLiteral("cboDelimiter")), QStringLiteral("Comma"));
        QCOMPARE(control<QComboBox>(&d, QStringLiteral("cboWord"))->count(), 1);
        Session::click(control<QAbstractButton>(&d, QStringLiteral("chkHeader")));
        QCOMPARE(d.preview().newWords, 0);
        QVERIFY(!control<QAbstractButton>(&d, QStringLiteral("cmdImport"))->isEnabled());
        Session::click(control<QAbstractButton>(&d, QStringLiteral("cmdCancel")));
        QVERIFY(!d.isVisible());
        QCOMPARE(s.db.dump(), before);
    }

    void theRefinedSelectionIsExported() {
        Session s;
        s.session->applyRefinement(QStringLiteral("bookmark = 1"));
        QString file;
        const auto ran =
            whenModal<ExportWordsDialog>([&](ExportWordsDialog* d) {
                QCOMPARE(Session::textOf(control(d, QStringLiteral("lblCount"))),
                         QStringLiteral("The 3 words of your refined selection are written."));
                auto* name = control<QLineEdit>(d, QStringLiteral("txtFile"));
                name->setText(s.db.dir() + QStringLiteral("/mine.csv"));
                Session::click(control<QAbstractButton>(d, QStringLiteral("optFormat_1")));
                file = name->text();
                Session::click(control<QAbstractButton>(d, QStringLiteral("chkMasked")));
                Session::click(control<QAbstractButton>(d, QStringLiteral("cmdExport")));
            });
        control<QAction>(s.form.get(), QStringLiteral("exportwords"))->trigger();
        QVERIFY(*ran);
        QCOMPARE(file, s.db.dir() + QStringLiteral("/mine.tsv"));
        QCOMPARE(s.messages.texts(), QStringList{"3 words written to mine.tsv."});
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = written.readAll().split('\n');
        QCOMPARE(lines.size(), 3 + 3 + 1);
        QCOMPARE(lines[3], QByteArray("abate\tmeaning of abate\tThey used --- in a sentence "
                                      "about 1.\t1\tdifficult"));
    }
};

QTEST_MAIN(TestTransferWindows)
#include "tst_transferwindows.moc"
