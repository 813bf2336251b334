// Choosing words as a learner does: Revise, Intelli Select, Refine Selection, the calendar.
#include "app/Random.h"
#include "data/DataSource.h"
#include "data/Recordset.h"
#include "selection/frmcalender.h"
#include "selection/frmFilterbox.h"
#include "selection/frmIS.h"
#include "study/Form1.h"
#include "support/MainWindowSession.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

namespace {

struct Session : MainWindowSession {
    explicit Session(double firstWord = 0.0)
        : MainWindowSession(FixtureDb::defaultWords(), {firstWord}) {}
    QStringList counters() const {
        return {form->Label10[2]->text(), form->Label10[0]->text(), form->Label10[1]->text()};
    }
    // Runs `inside` on the modal window the toolbar key opens, then lets it close.
    template <class W> void withModal(const QString& key, std::function<void(W*)> inside) {
        QVERIFY(MainWindowSession::withModal<W>([&] { form->Toolbar1_ButtonClick(key); }, inside));
    }
};

} // namespace

class TestSelectionWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void theToolbarHasItsButtonsInOrder() {
        Session s;
        QStringList keys;
        for (QAction* a : s.form->Toolbar1->actions())
            keys << (a->isSeparator() ? QStringLiteral("|") : a->objectName() + "=" + a->text());
        QCOMPARE(keys, (QStringList{"Intelli Select=Words Selection", "Filter It!=Refine Selection",
                                    "|", "Revise=Session Revision", "Quiz=Quiz", "Game=Game",
                                    "One Spot=One Spot - Ticker", "Listy=List View", "|",
                                    "Print It!=Print It!", "|", "Report=Report"}));
        auto* revise = s.form->Toolbar1->findChild<QAction*>("Revise");
        QCOMPARE(revise->toolTip(),
                 QStringLiteral("Revise whatever you've practiced during this session"));
        QCOMPARE(revise->whatsThis(),
                 QStringLiteral("Revise whatever you've marked read this session"));
    }

    void reviseRightAfterStartKeepsTheCard() {
        Session s(0.5); // acerbic, row 4
        s.form->recordset()->setFilter("groupid <= 3");
        s.form->recordset()->move(2);
        const QString word = s.word();
        const QStringList counters = s.counters();
        s.messages.clear();
        s.form->Toolbar1_ButtonClick("Revise");
        QCOMPARE(s.messages.texts(), (QStringList{"0 words to practice. \r\nHave you clicked 'Mark "
                                                  "It. I've Studied' button this session?"}));
        QCOMPARE(s.word(), word);
        QCOMPARE(s.counters(), counters);
        QCOMPARE(s.form->recordset()->filter(), QStringLiteral("groupid <= 3"));
        // The source text comes back with the rows.
        QCOMPARE(s.form->Adodc1->recordSource(), QStringLiteral("select * from words"));
    }

    void reviseAfterThreeMarks() {
        Session s;
        for (int i = 0; i < 3; ++i) {
            s.form->studiedit->click();
            s.form->Command10[1]->click();
        }
        s.messages.clear();
        s.form->Toolbar1_ButtonClick("Revise");
        // Then the list view opens over the session's words, with its keyboard hint.
        QCOMPARE(
            s.messages.texts(),
            (QStringList{"You have 3 words to practice this session",
                         "You can use your Keyboard OR\r\nEASY NAVIGATE to go through the words"}));
        QVERIFY(s.form->listWindow());
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QCOMPARE(s.form->Label10[0]->text(), QStringLiteral("3"));
        QCOMPARE(s.form->Label10[2]->text(), QStringLiteral("8"));
        QCOMPARE(s.form->Adodc1->recordSource(),
                 QStringLiteral("(select * from words where words.sessionBM = yes) "));
    }

    void intelliSelectBuildsTheBag() {
        Session s;
        s.withModal<frmIS>("Intelli Select", [&](frmIS* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Word Selection"));
            QCOMPARE(w->lstWLSelect->currentItem()->text(), QStringLiteral("Main WordList"));
            QCOMPARE(w->Label5->text(),
                     QStringLiteral("Standard set of advance English vocabulary"));
            QCOMPARE(w->lstWList->count(), 53);
            QCOMPARE(w->lstWList->item(52)->text(), QStringLiteral("WordList 53"));
            QCOMPARE(w->lstAlphabet->count(), 26);
            QVERIFY(w->frameAlpha->isHidden());
            w->chkAlpha->click();
            QVERIFY(!w->frameAlpha->isHidden());
            QTest::mouseClick(w->cmdOK, Qt::LeftButton); // no letter yet
            QCOMPARE(
                s.messages.texts().last(),
                QStringLiteral("Please select an Alphabet / Alphabets or Close the Alphabet Box"));
            QVERIFY(w->isVisible());
            w->lstAlphabet->item(0)->setSelected(true);
            w->chkRCnt->click();
            QCOMPARE(w->cmbRdCnt->currentText(), QStringLiteral(">"));
            QCOMPARE(w->txtRdCnt->text(), QStringLiteral("0"));
            w->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd); // the lower arrow
            QCOMPARE(w->txtRdCnt->text(), QStringLiteral("1"));
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        });
        QCOMPARE(s.messages.texts().last(),
                 QStringLiteral("You have 2 words in your BAG")); // abate, abstruse
        QCOMPARE(s.counters(), (QStringList{"2", "2", "1"}));
        QCOMPARE(s.form->selection().refineFilter,
                 QStringLiteral("bookmark = 1  or bookmark = 0 "));
        QCOMPARE(s.word(), QStringLiteral("abate"));
    }

    void aBadStudyCountKeepsTheWindowOpen() {
        Session s;
        const QString before = s.db.dump();
        s.withModal<frmIS>("Intelli Select", [&](frmIS* w) {
            w->chkRCnt->click();
            w->txtRdCnt->setText(QStringLiteral("0) ; delete from words; --"));
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
            QVERIFY(w->isVisible());
        });
        QVERIFY(s.messages.texts().last().contains(QStringLiteral("Word Study Count")));
        QCOMPARE(s.form->Label10[2]->text(), QStringLiteral("8"));
        QCOMPARE(s.db.dump(), before);
    }

    void cancelStillRefreshesTheCounters() {
        Session s;
        s.form->Label10[0]->setText(QStringLiteral("stale"));
        s.withModal<frmIS>("Intelli Select",
                           [&](frmIS* w) { QTest::mouseClick(w->cmdCancel, Qt::LeftButton); });
        QCOMPARE(s.form->Label10[0]->text(), QStringLiteral("8"));
    }

    void allWordsClearsTheOtherCriteria() {
        Session s;
        s.withModal<frmIS>("Intelli Select", [&](frmIS* w) {
            for (QCheckBox* box : {w->chkAlpha, w->chkDL, w->chkLastRead})
                box->click();
            QVERIFY(!w->frameDL->isHidden());
            w->chkAll->click();
            for (QCheckBox* box : {w->chkAlpha, w->chkDL, w->chkLastRead})
                QVERIFY(!box->isChecked());
            for (QWidget* part : {w->frameAlpha, w->frameDL, w->frameLRead})
                QVERIFY(part->isHidden());
            w->chkWL->click();
            QVERIFY(!w->chkAll->isChecked());
            // The special list's part shows with its choice.
            w->lstWLSelect->setCurrentRow(1);
            QVERIFY(!w->frameSpWL->isHidden());
            QCOMPARE(w->lstSpWL->count(), 27);
            w->cmdCancel->click();
        });
    }

    void theCalendarFillsItsBox() {
        Session s;
        s.withModal<frmIS>("Intelli Select", [&](frmIS* w) {
            w->chkLastRead->click();
            w->txtDateRange[1]->setText(QStringLiteral("typed"));
            auto pick = [&](QPushButton* opener, int button, const QDate& date) {
                QTimer::singleShot(0, [&, button, date] {
                    auto* cal = qobject_cast<frmcalender*>(QApplication::activeModalWidget());
                    QVERIFY(cal);
                    QCOMPARE(cal->windowTitle(), QStringLiteral("Choose a Date"));
                    QCOMPARE(cal->Calendar1->selectedDate(), QDate::currentDate());
                    if (date.isValid())
                        cal->Calendar1->setSelectedDate(date);
                    QTest::mouseClick(cal->command1[size_t(button)], Qt::LeftButton);
                });
                QTest::mouseClick(opener, Qt::LeftButton);
            };
            pick(w->cmdFromDate, 0, QDate());
            QCOMPARE(w->txtDateRange[0]->text(), QDate::currentDate().toString("MM/dd/yyyy"));
            pick(w->cmdToDate, 1, QDate(2004, 12, 31)); // Cancel
            QCOMPARE(w->txtDateRange[1]->text(), QStringLiteral("typed"));
            pick(w->cmdToDate, 0, QDate(2004, 12, 31));
            QCOMPARE(w->txtDateRange[1]->text(), QStringLiteral("12/31/2004"));
            w->cmdCancel->click();
        });
    }

    void refineTypedLetterByLetter() {
        Session s;
        s.withModal<frmFilterbox>("Filter It!", [&](frmFilterbox* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral(" Refine Selection"));
            QCOMPARE(w->lblMsg->text(),
                     QStringLiteral("You have 8 words in your Current Selection "));
            QCOMPARE(w->lblSet->text(), QStringLiteral("8 words after Refining your Selection."));
            QTest::keyClicks(w->Text1[3], QStringLiteral("a"));
            QCOMPARE(w->lblSet->text(), QStringLiteral("4 in your POCKET."));
            QCOMPARE(s.form->Label10[0]->text(), QStringLiteral("4"));
            QTest::keyClicks(w->Text1[3], QStringLiteral("b"));
            QCOMPARE(w->lblSet->text(), QStringLiteral("3 in your POCKET."));
            QCOMPARE(s.form->selection().refineFilter, QStringLiteral("name like 'ab%'"));
            QCOMPARE(s.word(), QStringLiteral("abase"));
            QTest::keyClicks(w->Text1[6], QStringLiteral("x")); // not a number: not taken
            QCOMPARE(s.form->selection().refineFilter, QStringLiteral("name like 'ab%'"));
            QCOMPARE(w->lblSet->text(), QStringLiteral("Type a whole number."));
            w->Option1[1]->click(); // Easy Words
            QCOMPARE(w->lblSet->text(), QStringLiteral("5 WORDS After Refining your Selection"));
            w->Option1[3]->click(); // DON'T Refine
            QCOMPARE(w->lblSet->text(), QStringLiteral("8 WORDS After Refining your Selection"));
            w->Option1[0]->click(); // Difficult Words
            QTest::mouseClick(w->cmdClose, Qt::LeftButton);
        });
        QCOMPARE(s.form->Label10[0]->text(), QStringLiteral("2"));
        // Reopening shows the stored refinement's count.
        s.withModal<frmFilterbox>("Filter It!", [&](frmFilterbox* w) {
            QCOMPARE(w->lblMsg->text(),
                     QStringLiteral("You have 8 words in your Current Selection "));
            QCOMPARE(w->lblSet->text(), QStringLiteral("2 words after Refining your Selection."));
        });
    }

    // A refinement that cannot run says why, and the one before stays in force.
    void aRefinementThatCannotRunSaysSo_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("read count as a condition") << 6 << "1 or 1=1"
                                                   << "Type a whole number.";
        QTest::newRow("word list as a condition") << 7 << "0) or (1=1"
                                                  << "Type a whole number.";
        QTest::newRow("NUL in the meaning") << 1 << QStringLiteral("of") + QChar(0)
                                            << "This text cannot be used to refine your selection.";
        // Pattern by long pattern against the long word: more work than the time allowed.
        QTest::newRow("too much work")
            << 1 << "_" + QString(20000, u'a') + "b"
            << "The search is too complex. Use fewer wildcards (% and _).";
    }
    void aRefinementThatCannotRunSaysSo() {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        std::vector<WordRow> words = FixtureDb::defaultWords();
        words.back().meaning = QString(200000, u'a'); // never shown: o'clock is refined out
        MainWindowSession s(words);
        QVERIFY(MainWindowSession::withModal<frmFilterbox>(
            [&] { s.form->Toolbar1_ButtonClick("Filter It!"); },
            [&](frmFilterbox* w) {
                QTest::keyClicks(w->Text1[3], QStringLiteral("a"));
                w->Text1[size_t(box)]->setText(text);
                QCOMPARE(w->lblSet->text(), shown);
                QCOMPARE(s.form->selection().refineFilter, QStringLiteral("name like 'a%'"));
                QCOMPARE(s.form->Label10[0]->text(), QStringLiteral("4"));
            }));
    }

    // The exploding pattern of the tracker, kept on the long word: at once, and exact.
    void manyWildcardsRunAtOnce() {
        std::vector<WordRow> words = FixtureDb::defaultWords();
        words.front().meaning = QString(3000, u'e') + "q";
        MainWindowSession s(words);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(MainWindowSession::withModal<frmFilterbox>(
            [&] { s.form->Toolbar1_ButtonClick("Filter It!"); },
            [&](frmFilterbox* w) {
                w->Text1[1]->setText(QStringLiteral("%e%e%e%e%e%e%e%e%e%e%e%eq"));
                QCOMPARE(w->lblSet->text(), QStringLiteral("1 in your POCKET."));
            }));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(s.word(), QStringLiteral("abase"));
    }

    void hostileRefineTextChangesNothing() {
        Session s;
        const QString before = s.db.dump();
        s.withModal<frmFilterbox>("Filter It!", [&](frmFilterbox* w) {
            for (int i = 0; i < 8; ++i)
                w->Text1[size_t(i)]->setText(QStringLiteral("x'); delete from words; --"));
            w->Text1[6]->setText(QStringLiteral("0; drop table words"));
        });
        QCOMPARE(s.db.dump(), before);
        QVERIFY(!s.form->selection().refineFilter.contains(QStringLiteral("drop")));
    }
};

QTEST_MAIN(TestSelectionWindows)
#include "tst_selectionwindows.moc"
