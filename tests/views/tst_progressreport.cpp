// The progress report opened from the toolbar: its counts, percentages and bars over the whole
// word table, the advice notes, and the learner's selection untouched throughout.
#include "maintenance/NoteWindow.h"
#include "support/MainWindowSession.h"
#include "views/ProgressReport.h"
#include "views/ProgressReportDialog.h"

#include <QFile>
#include <QProgressBar>

namespace {
// Opens the report from the toolbar and runs check while it is up, then lets it close;
// returns whether check ran.
bool whileReportOpen(MainWindowSession& s, const std::function<void(ProgressReportDialog*)>& check) {
    return MainWindowSession::withModal<ProgressReportDialog>(
        [&] { s.toolbar(QStringLiteral("Report")); }, check);
}

// "total second | percentage | bar" of the group whose controls end in the suffixes given.
QString groupRow(ProgressReportDialog* r, const QString& total, const QString& second,
                 const QString& percent, const QString& bar) {
    return QStringLiteral("%1 %2 | %3 | %4")
        .arg(control<QLabel>(r, total)->text(), control<QLabel>(r, second)->text(),
             control<QLabel>(r, percent)->text())
        .arg(control<QProgressBar>(r, bar)->value());
}

QStringList counters(const MainWindowSession& s) {
    return {s.text(QStringLiteral("Label10_0")), s.text(QStringLiteral("Label10_1")),
            s.text(QStringLiteral("Label10_2"))};
}
} // namespace

class TestProgressReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void eachGroupIsCounted_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("shown");
        QTest::newRow("All Words")
            << QStringList{"lblAllTotal", "lblAllOne", "lblAllPerc", "PBarAll"}
            << "8 5 | At 1 time reading 62% Completed | 62";
        QTest::newRow("Easy")
            << QStringList{"lblEasyTotal", "lblEasyLess", "lblEasyPerc", "PBarEasyLess"}
            << "4 3 | 3 times reading => 25% Completed | 25";
        QTest::newRow("Difficult")
            << QStringList{"lblDiffTotal", "lblDiffLess", "lblDiffPerc", "PBarDiffLess"}
            << "2 2 | 4 times reading => 0% Completed | 0";
        QTest::newRow("Very Difficult") << QStringList{"lblVeryDiffTotal", "lblVeryDiffLess",
                                                       "lblVeryDiffPerc", "PBarVeryDiffLess"}
                                        << "1 0 | 5 times reading => 100% Completed | 100";
    }
    void eachGroupIsCounted() {
        QFETCH(QStringList, names);
        QFETCH(QString, shown);
        MainWindowSession s;
        QVERIFY(whileReportOpen(s, [&](ProgressReportDialog* r) {
            QCOMPARE(groupRow(r, names[0], names[1], names[2], names[3]), shown);
        }));
    }

    void theReportLeavesTheSelectionAlone() {
        MainWindowSession s;
        // A refined selection, standing on its second word.
        QVERIFY(s.session->applySelection(QStringLiteral("select * from words where groupid <= 4")));
        s.session->applyRefinement(QStringLiteral("readcount >= 1"));
        s.click(QStringLiteral("Command10_1"));
        Recordset* before = s.session->refinedRows();
        const QString source = s.session->selectionSource();
        const QStringList shownCounters = counters(s);
        const QString data = s.db.dump();
        QCOMPARE(s.word(), QStringLiteral("abstruse"));

        QVERIFY(whileReportOpen(s, [&](ProgressReportDialog* r) {
            QCOMPARE(r->windowTitle(), QStringLiteral("Progress Report"));
            QCOMPARE(control<QLabel>(r, QStringLiteral("Label4"))->text(),
                     ProgressReport::recommendation());
            // While the report is up the card still stands where it stood.
            QCOMPARE(s.session->refinedRows(), before);
            QCOMPARE(s.word(), QStringLiteral("abstruse"));
        }));
        QCOMPARE(s.session->refinedRows(), before);
        QCOMPARE(s.session->refinement(), QStringLiteral("readcount >= 1"));
        QCOMPARE(s.session->counts().position, 2);
        QCOMPARE(s.session->selectionSource(), source);
        QCOMPARE(s.word(), QStringLiteral("abstruse"));
        QCOMPARE(counters(s), shownCounters);
        QCOMPARE(s.db.dump(), data);
    }

    void aGroupWithoutWordsHasNoShare() {
        std::vector<WordRow> words = FixtureDb::defaultWords();
        std::erase_if(words, [](const WordRow& w) { return w.doublebm; });
        MainWindowSession s(words);
        QVERIFY(whileReportOpen(s, [&](ProgressReportDialog* r) {
            QCOMPARE(groupRow(r, "lblVeryDiffTotal", "lblVeryDiffLess", "lblVeryDiffPerc",
                              "PBarVeryDiffLess"),
                     QStringLiteral("0 0 | 5 times reading => no words yet | 0"));
            QVERIFY(!control<QProgressBar>(r, QStringLiteral("PBarVeryDiffLess"))->isTextVisible());
            QVERIFY(control<QProgressBar>(r, QStringLiteral("PBarEasyLess"))->isTextVisible());
        }));
    }

    void anUnreadableDatabaseLeavesTheLabelsEmpty() {
        MainWindowSession s;
        QFile f(s.db.path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, '\x5a'));
        f.close();
        s.messages.clear();
        QVERIFY(whileReportOpen(s, [&](ProgressReportDialog* r) {
            QCOMPARE(groupRow(r, "lblAllTotal", "lblAllOne", "lblAllPerc", "PBarAll"),
                     QStringLiteral("  |  | 0"));
        }));
        QVERIFY(s.messages.requests.isEmpty());
    }

    void theAdviceNotesTellHowToSelect_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Easy") << "Label12" << int(ProgressReport::Easy)
                              << "How to select Easy Words" << false;
        QTest::newRow("Difficult") << "Label13" << int(ProgressReport::Difficult)
                                   << "How to select Difficult Words" << false;
        QTest::newRow("Very Difficult, by key") << "Label15" << int(ProgressReport::VeryDifficult)
                                                << "How to select Very Difficult Words" << true;
    }
    void theAdviceNotesTellHowToSelect() {
        QFETCH(QString, label);
        QFETCH(int, group);
        QFETCH(QString, title);
        QFETCH(bool, byKey);
        MainWindowSession s;
        QVERIFY(whileReportOpen(s, [&](ProgressReportDialog* r) {
            auto* link = control<QLabel>(r, label);
            QCOMPARE(link->text(), QStringLiteral("Give Me Such Words"));
            if (byKey) {
                link->setFocus();
                QTest::keyClick(link, Qt::Key_Return);
            } else {
                QTest::mouseClick(link, Qt::LeftButton);
            }
            const QList<NoteWindow*> notes = r->findChildren<NoteWindow*>();
            QCOMPARE(notes.size(), 1);
            NoteWindow* note = notes.first();
            QVERIFY(note->isVisible());
            QCOMPARE(note->windowTitle(), title);
            // Within reach over the modal report.
            QVERIFY(!QApplication::activeModalWidget() ||
                    QApplication::activeModalWidget() == r);
            if (auto* text = note->findChild<QLabel*>(QStringLiteral("Label1")))
                QCOMPARE(text->text(), ProgressReport::advice(ProgressReport::Group(group)));
            // A second link reuses the note.
            QTest::mouseClick(control<QLabel>(r, QStringLiteral("Label12")), Qt::LeftButton);
            QCOMPARE(r->findChildren<NoteWindow*>().size(), 1);
            QCOMPARE(note->windowTitle(), QStringLiteral("How to select Easy Words"));
        }));
    }

    void closingTheReportUnderItsNoteIsSafe() {
        MainWindowSession s;
        QPointer<NoteWindow> note;
        QVERIFY(whileReportOpen(s, [&](ProgressReportDialog* r) {
            QTest::mouseClick(control<QLabel>(r, QStringLiteral("Label13")), Qt::LeftButton);
            note = r->findChild<NoteWindow*>();
            QVERIFY(note);
            QTimer::singleShot(0, r, &QDialog::reject);
            QTRY_VERIFY(!r->isVisible());
        }));
        QTRY_VERIFY(!note);
        // The main window carries on.
        s.click(QStringLiteral("Command10_1"));
        QCOMPARE(s.word(), QStringLiteral("abate"));
    }
};

QTEST_MAIN(TestProgressReport)
#include "tst_progressreport.moc"
