// The progress report opened from the toolbar: its counts, percentages and bars over the whole
// word table, the advice windows, and the learner's selection untouched throughout.
#include "data/DataSource.h"
#include "data/Recordset.h"
#include "maintenance/frmMisc.h"
#include "support/MainWindowSession.h"
#include "views/frmReport.h"
#include "views/ProgressReport.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace {
// Opens the report from the toolbar and runs check while it is up, then closes it as the
// learner does; returns whether check ran.
bool whileReportOpen(MainWindowSession& s, const std::function<void(frmReport*)>& check) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* report = qobject_cast<frmReport*>(QApplication::activeModalWidget());
        QVERIFY(report);
        check(report);
        ran = true;
        report->close();
    });
    s.form->Toolbar1->findChild<QAction*>(QStringLiteral("Report"))->trigger();
    return ran;
}

QString row(QLabel* total, QLabel* second, QLabel* percent, QProgressBar* bar) {
    return QStringLiteral("%1 %2 | %3 | %4")
        .arg(total->text(), second->text(), percent->text())
        .arg(bar->value());
}
} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void theReportCountsEveryWordAndLeavesTheSelectionAlone() {
        MainWindowSession s;
        // A refined selection, standing on its second word.
        s.form->querybtn_Click(QStringLiteral("select * from words where groupid <= 4"));
        s.form->recordset()->setFilter(QStringLiteral("readcount >= 1"));
        s.click(s.form->Command10[1]);
        const std::shared_ptr<Recordset> before = s.form->Adodc1->recordset();
        const QString word = s.word();
        const QString source = s.form->Adodc1->recordSource();
        const QStringList counters{s.form->Label10[0]->text(), s.form->Label10[1]->text(),
                                   s.form->Label10[2]->text()};
        const QString data = s.db.dump();
        QCOMPARE(word, QStringLiteral("abstruse"));

        const bool ran = whileReportOpen(s, [&](frmReport* r) {
            QCOMPARE(r->windowTitle(), QStringLiteral("Progress Report"));
            QCOMPARE(r->Label18->text(), QStringLiteral("Progress Report"));
            QCOMPARE(row(r->lblAllTotal, r->lblAllOne, r->lblAllPerc, r->PBarAll),
                     QStringLiteral("8 5 | At 1 time reading 62% Completed | 62"));
            QCOMPARE(row(r->lblEasyTotal, r->lblEasyLess, r->lblEasyPerc, r->PBarEasyLess),
                     QStringLiteral("4 3 | 3 times reading => 25% Completed | 25"));
            QCOMPARE(row(r->lblDiffTotal, r->lblDiffLess, r->lblDiffPerc, r->PBarDiffLess),
                     QStringLiteral("2 2 | 4 times reading => 0% Completed | 0"));
            QCOMPARE(row(r->lblVeryDiffTotal, r->lblVeryDiffLess, r->lblVeryDiffPerc,
                         r->PBarVeryDiffLess),
                     QStringLiteral("1 0 | 5 times reading => 100% Completed | 100"));
            QCOMPARE(r->Label4->text(), ProgressReport::recommendation());
            for (QLabel* l : {r->Label12, r->Label13, r->Label15})
                QCOMPARE(l->text(), QStringLiteral("Give Me Such Words"));
            // While the report is up the card still stands where it stood.
            QCOMPARE(s.form->Adodc1->recordset(), before);
            QCOMPARE(s.word(), word);
        });
        QVERIFY(ran);
        QCOMPARE(s.form->Adodc1->recordset(), before);
        QCOMPARE(before->filter(), QStringLiteral("readcount >= 1"));
        QCOMPARE(before->absolutePosition(), 2);
        QCOMPARE(s.form->Adodc1->recordSource(), source);
        QCOMPARE(s.word(), word);
        QCOMPARE((QStringList{s.form->Label10[0]->text(), s.form->Label10[1]->text(),
                              s.form->Label10[2]->text()}),
                 counters);
        QVERIFY(!s.form->selection().selectionChanging);
        QCOMPARE(s.db.dump(), data);
    }

    void aGroupWithoutWordsHasNoShare() {
        std::vector<WordRow> words = FixtureDb::defaultWords();
        std::erase_if(words, [](const WordRow& w) { return w.doublebm; });
        MainWindowSession s(words);
        QVERIFY(whileReportOpen(s, [&](frmReport* r) {
            QCOMPARE(row(r->lblVeryDiffTotal, r->lblVeryDiffLess, r->lblVeryDiffPerc,
                         r->PBarVeryDiffLess),
                     QStringLiteral("0 0 | 5 times reading => no words yet | 0"));
            QVERIFY(!r->PBarVeryDiffLess->isTextVisible());
            QVERIFY(r->PBarEasyLess->isTextVisible());
        }));
    }

    void anUnreadableDatabaseLeavesTheLabelsEmpty() {
        MainWindowSession s;
        QFile f(s.db.path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, '\x5a'));
        f.close();
        s.messages.clear();
        QVERIFY(whileReportOpen(s, [&](frmReport* r) {
            QCOMPARE(row(r->lblAllTotal, r->lblAllOne, r->lblAllPerc, r->PBarAll),
                     QStringLiteral("  |  | 0"));
        }));
        QVERIFY(s.messages.requests.isEmpty());
    }

    void theAdviceLabelsExplainHowToSelect_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("group");
        QTest::newRow("Easy") << "Label12" << int(ProgressReport::Easy);
        QTest::newRow("Difficult") << "Label13" << int(ProgressReport::Difficult);
        QTest::newRow("Very Difficult") << "Label15" << int(ProgressReport::VeryDifficult);
    }
    void theAdviceLabelsExplainHowToSelect() {
        QFETCH(QString, label);
        QFETCH(int, group);
        MainWindowSession s;
        QString shown;
        bool modal = false;
        QVERIFY(whileReportOpen(s, [&](frmReport* r) {
            QTimer::singleShot(0, [&] {
                frmMisc* note = frmMisc::current();
                QVERIFY(note);
                shown = note->Label1->text();
                modal = QApplication::activeModalWidget() == note && note->parentWidget() == r;
                QTest::mouseClick(note->cmdClose, Qt::LeftButton);
            });
            QTest::mouseClick(r->findChild<QLabel*>(label), Qt::LeftButton);
        }));
        QCOMPARE(shown, ProgressReport::advice(ProgressReport::Group(group)));
        QVERIFY(modal);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
