// Choosing words as a learner does: the toolbar, Revise, Word Selection (Intelli Select) with
// its calendar, and Refine Selection.
#include "data/Recordset.h"
#include "selection/CalendarDialog.h"
#include "selection/RefineSelectionDialog.h"
#include "selection/WordSelectionDialog.h"
#include "support/MainWindowSession.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
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

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {

struct Session : MainWindowSession {
    explicit Session(double firstWord = 0.0,
                     const std::vector<WordRow>& words = FixtureDb::defaultWords())
        : MainWindowSession(words, {firstWord}) {}
    // Selection, refined, position: the counters as the main window shows them.
    QStringList counters() const {
        return {text(QStringLiteral("Label10_2")), text(QStringLiteral("Label10_0")),
                text(QStringLiteral("Label10_1"))};
    }
    // Runs `inside` on the modal window the toolbar key opens, then lets it close.
    template <class W> bool withToolbarModal(const QString& key, std::function<void(W*)> inside) {
        return MainWindowSession::withModal<W>([&] { toolbar(key); }, inside);
    }
};

template <class T = QWidget> T* in(const QWidget* window, const char* name) {
    return control<T>(window, QLatin1String(name));
}

// Clicks near the left edge, where a check box or an option has its mark.
void click(const QWidget* window, const char* name) {
    auto* button = in<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(std::min(button->width() / 2, 8), button->height() / 2));
}

// Another program holding the file: reads and writes wait, then fail as "file in use".
class FileLock {
public:
    explicit FileLock(const QString& path) {
        sqlite3_open(QFile::encodeName(path).constData(), &db_);
        sqlite3_key(db_, "mirtholeandraxep", 16);
        held_ = sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~FileLock() {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return held_; }

private:
    sqlite3* db_ = nullptr;
    bool held_ = false;
};

} // namespace

class TestSelectionWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void theToolbarHasItsButtonsInOrder() {
        Session s;
        QStringList keys;
        for (QAction* a : s.find<QToolBar>(QStringLiteral("Toolbar1"))->actions())
            keys << (a->isSeparator() ? QStringLiteral("|") : a->objectName() + "=" + a->text());
        QCOMPARE(keys, (QStringList{"Intelli Select=Words Selection", "Filter It!=Refine Selection",
                                    "|", "Revise=Session Revision", "Due Words=Due Words (8)",
                                    "Quiz=Quiz", "Game=Game",
                                    "One Spot=One Spot - Ticker", "Listy=List View", "|",
                                    "Print It!=Print It!", "|", "Report=Report"}));
        auto* revise = control<QAction>(s.form.get(), QStringLiteral("Revise"));
        QCOMPARE(revise->toolTip(),
                 QStringLiteral("Revise whatever you've practiced during this session"));
        QCOMPARE(revise->whatsThis(),
                 QStringLiteral("Revise whatever you've marked read this session"));
    }

    void reviseRightAfterStartKeepsTheCard() {
        Session s(0.5); // acerbic
        s.session->applyRefinement(QStringLiteral("groupid <= 3"));
        s.session->moveTo(3);
        const QString word = s.word();
        const QStringList counters = s.counters();
        s.messages.clear();
        s.toolbar(QStringLiteral("Revise"));
        QCOMPARE(s.messages.texts(), (QStringList{"0 words to practice. \r\nHave you clicked 'Mark "
                                                  "It. I've Studied' button this session?"}));
        QCOMPARE(s.word(), word);
        QCOMPARE(s.counters(), counters);
        QCOMPARE(s.session->refinedRows()->filter(), QStringLiteral("groupid <= 3"));
        // The source text comes back with the rows.
        QCOMPARE(s.session->selectionSource(), QStringLiteral("select * from words"));
    }

    void reviseAfterThreeMarks() {
        Session s;
        for (int i = 0; i < 3; ++i) {
            s.click(QStringLiteral("studiedit"));
            s.click(QStringLiteral("Command10_1"));
        }
        s.messages.clear();
        s.toolbar(QStringLiteral("Revise"));
        QCOMPARE(s.messages.texts().value(0),
                 QStringLiteral("You have 3 words to practice this session"));
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QCOMPARE(s.counters(), (QStringList{"8", "3", "1"}));
        QCOMPARE(s.session->selectionSource(),
                 QStringLiteral("(select * from words where words.sessionBM = yes) "));
    }

    // ---- Word Selection ----

    void intelliSelectBuildsTheBag() {
        Session s;
        QVERIFY(s.withToolbarModal<WordSelectionDialog>("Intelli Select", [&](QDialog* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Word Selection"));
            QCOMPARE(in<QListWidget>(w, "lstWLSelect")->currentItem()->text(),
                     QStringLiteral("Main WordList"));
            QCOMPARE(in<QLabel>(w, "Label5")->text(),
                     QStringLiteral("Standard set of advance English vocabulary"));
            auto* lists = in<QListWidget>(w, "lstWList");
            QCOMPARE(lists->count(), 53);
            QCOMPARE(lists->item(52)->text(), QStringLiteral("WordList 53"));
            auto* letters = in<QListWidget>(w, "lstAlphabet");
            QCOMPARE(letters->count(), 26);
            QVERIFY(in(w, "frameAlpha")->isHidden());
            click(w, "chkAlpha");
            QVERIFY(!in(w, "frameAlpha")->isHidden());
            click(w, "cmdOK"); // no letter yet
            QCOMPARE(
                s.messages.texts().last(),
                QStringLiteral("Please select an Alphabet / Alphabets or Close the Alphabet Box"));
            QVERIFY(w->isVisible());
            letters->item(0)->setSelected(true);
            click(w, "chkRCnt");
            QCOMPARE(in<QComboBox>(w, "cmbRdCnt")->currentText(), QStringLiteral(">"));
            QCOMPARE(in<QLineEdit>(w, "txtRdCnt")->text(), QStringLiteral("0"));
            in<QScrollBar>(w, "VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            QCOMPARE(in<QLineEdit>(w, "txtRdCnt")->text(), QStringLiteral("1"));
            click(w, "cmdOK");
        }));
        QCOMPARE(s.messages.texts().last(),
                 QStringLiteral("You have 2 words in your BAG")); // abate, abstruse
        QCOMPARE(s.counters(), (QStringList{"2", "2", "1"}));
        QCOMPARE(s.session->refinement(), QStringLiteral("bookmark = 1  or bookmark = 0 "));
        QCOMPARE(s.word(), QStringLiteral("abate"));
    }

    // A criterion the checks refuse keeps the window open and changes nothing.
    void refusedCriteriaKeepTheWindowOpen_data() {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("a statement as the count")
            << "chkRCnt"
            << "txtRdCnt"
            << "0) ; delete from words; --"
            << "Please enter a whole number of times (0 to 32767) in the Word Study Count box";
        QTest::newRow("a condition as the comparison")
            << "chkRCnt"
            << "cmbRdCnt"
            << "> 0 or 1 = 1 or readcount"
            << "Please choose one of =, <, >, <=, >=, <> in the Word Study Count box";
        QTest::newRow("no real date")
            << "chkLastRead"
            << "txtDateRange_0"
            << "02/30/2005"
            << "Please enter a real date as mm/dd/yyyy in the From box of the Date Range";
    }
    void refusedCriteriaKeepTheWindowOpen() {
        QFETCH(QString, criterion);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Session s;
        const QString before = s.db.dump();
        QVERIFY(s.withToolbarModal<WordSelectionDialog>("Intelli Select", [&](QDialog* w) {
            click(w, criterion.toLatin1().constData());
            if (auto* combo = w->findChild<QComboBox*>(box))
                combo->setCurrentText(typed);
            else
                control<QLineEdit>(w, box)->setText(typed);
            in<QLineEdit>(w, "txtDateRange_1")->setText(QStringLiteral("12/31/2005"));
            click(w, "cmdOK");
            QVERIFY(w->isVisible());
        }));
        QCOMPARE(s.messages.texts().last(), message);
        QCOMPARE(s.counters(), (QStringList{"8", "8", "1"}));
        QCOMPARE(s.db.dump(), before);
    }

    // Rows that could not be selected are never reported as the bag.
    void aSelectionTheFileRefusesKeepsTheOneBefore() {
        Session s;
        QVERIFY(s.withToolbarModal<WordSelectionDialog>("Intelli Select", [&](QDialog* w) {
            click(w, "chkAll");
            FileLock lock(s.db.path());
            QVERIFY(lock.held());
            click(w, "cmdOK");
            QVERIFY(w->isVisible());
        }));
        QCOMPARE(s.messages.texts().last(),
                 QStringLiteral("The words could not be selected. Please check the criteria and "
                                "try again."));
        QCOMPARE(s.counters(), (QStringList{"8", "8", "1"}));
        QCOMPARE(s.session->selectionSource(), QStringLiteral("select * from words"));
    }

    void allWordsClearsTheOtherCriteria() {
        Session s;
        QVERIFY(s.withToolbarModal<WordSelectionDialog>("Intelli Select", [&](QDialog* w) {
            for (const char* box : {"chkAlpha", "chkDL", "chkLastRead"})
                click(w, box);
            QVERIFY(!in(w, "frameDL")->isHidden());
            click(w, "chkAll");
            for (const char* box : {"chkAlpha", "chkDL", "chkLastRead"})
                QVERIFY(!in<QCheckBox>(w, box)->isChecked());
            for (const char* part : {"frameAlpha", "frameDL", "frameLRead"})
                QVERIFY(in(w, part)->isHidden());
            click(w, "chkWL");
            QVERIFY(!in<QCheckBox>(w, "chkAll")->isChecked());
            // The special list's part shows with its choice.
            in<QListWidget>(w, "lstWLSelect")->setCurrentRow(1);
            QVERIFY(!in(w, "frameSpWL")->isHidden());
            QCOMPARE(in<QListWidget>(w, "lstSpWL")->count(), 27);
            click(w, "cmdCancel");
        }));
        QCOMPARE(s.counters(), (QStringList{"8", "8", "1"}));
    }

    void theCalendarFillsTheBoxItWasOpenedFor() {
        Session s;
        QVERIFY(s.withToolbarModal<WordSelectionDialog>("Intelli Select", [&](QDialog* w) {
            click(w, "chkLastRead");
            auto* from = in<QLineEdit>(w, "txtDateRange_0");
            auto* to = in<QLineEdit>(w, "txtDateRange_1");
            to->setText(QStringLiteral("typed"));
            auto pick = [&](const char* opener, const char* button, const QDate& date) {
                QVERIFY(MainWindowSession::withModal<CalendarDialog>(
                    [&] { click(w, opener); },
                    [&](CalendarDialog* cal) {
                        QCOMPARE(cal->windowTitle(), QStringLiteral("Choose a Date"));
                        auto* calendar = in<QCalendarWidget>(cal, "Calendar1");
                        QCOMPARE(calendar->selectedDate(), QDate::currentDate());
                        if (date.isValid())
                            calendar->setSelectedDate(date);
                        click(cal, button);
                    }));
            };
            pick("cmdFromDate", "command1_0", QDate());
            QCOMPARE(from->text(), QDate::currentDate().toString("MM/dd/yyyy"));
            QCOMPARE(to->text(), QStringLiteral("typed"));
            pick("cmdToDate", "command1_1", QDate(2004, 12, 31)); // Cancel
            QCOMPARE(to->text(), QStringLiteral("typed"));
            pick("cmdToDate", "command1_0", QDate(2004, 12, 31));
            QCOMPARE(to->text(), QStringLiteral("12/31/2004"));
            QCOMPARE(from->text(), QDate::currentDate().toString("MM/dd/yyyy"));
            click(w, "cmdCancel");
        }));
    }

    // ---- Refine Selection ----

    void refineTypedLetterByLetter() {
        Session s;
        QVERIFY(s.withToolbarModal<RefineSelectionDialog>("Filter It!", [&](QDialog* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral(" Refine Selection"));
            auto* shown = in<QLabel>(w, "lblSet");
            QCOMPARE(in<QLabel>(w, "lblMsg")->text(),
                     QStringLiteral("You have 8 words in your Current Selection "));
            QCOMPARE(shown->text(), QStringLiteral("8 words after Refining your Selection."));
            QTest::keyClicks(in(w, "Text1_3"), QStringLiteral("a"));
            QCOMPARE(shown->text(), QStringLiteral("4 in your POCKET."));
            QCOMPARE(s.text(QStringLiteral("Label10_0")), QStringLiteral("4"));
            QTest::keyClicks(in(w, "Text1_3"), QStringLiteral("b"));
            QCOMPARE(shown->text(), QStringLiteral("3 in your POCKET."));
            QCOMPARE(s.session->refinement(), QStringLiteral("name like 'ab%'"));
            QCOMPARE(s.word(), QStringLiteral("abase"));
            QTest::keyClicks(in(w, "Text1_6"), QStringLiteral("x")); // not a number: not taken
            QCOMPARE(s.session->refinement(), QStringLiteral("name like 'ab%'"));
            QCOMPARE(shown->text(), QStringLiteral("Type a whole number."));
            click(w, "Option1_1"); // Easy Words
            QCOMPARE(shown->text(), QStringLiteral("5 WORDS After Refining your Selection"));
            click(w, "Option1_3"); // DON'T Refine
            QCOMPARE(shown->text(), QStringLiteral("8 WORDS After Refining your Selection"));
            click(w, "Option1_0"); // Difficult Words
            click(w, "cmdClose");
        }));
        QCOMPARE(s.text(QStringLiteral("Label10_0")), QStringLiteral("2"));
        // Reopening shows the refinement in force.
        QVERIFY(s.withToolbarModal<RefineSelectionDialog>("Filter It!", [&](QDialog* w) {
            QCOMPARE(in<QLabel>(w, "lblMsg")->text(),
                     QStringLiteral("You have 8 words in your Current Selection "));
            QCOMPARE(in<QLabel>(w, "lblSet")->text(),
                     QStringLiteral("2 words after Refining your Selection."));
        }));
        QCOMPARE(s.text(QStringLiteral("Label10_0")), QStringLiteral("2"));
    }

    // A refinement that cannot run says why, and the one before stays in force.
    void aRefinementThatCannotRunSaysSo_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("shown");
        QTest::newRow("read count as a condition") << "Text1_6"
                                                   << "1 or 1=1" << false << "Type a whole number.";
        QTest::newRow("word list as a condition")
            << "Text1_7"
            << "0) or (1=1" << false << "Type a whole number.";
        QTest::newRow("NUL in the meaning") << "Text1_1" << QStringLiteral("of") + QChar(0) << false
                                            << "This text cannot be used to refine your selection.";
        QTest::newRow("another program holds the file")
            << "Text1_1"
            << "of" << true << "Could not use '%1'; file already in use.";
    }
    void aRefinementThatCannotRunSaysSo() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, locked);
        QFETCH(QString, shown);
        Session s;
        QVERIFY(s.withToolbarModal<RefineSelectionDialog>("Filter It!", [&](QDialog* w) {
            QTest::keyClicks(in(w, "Text1_3"), QStringLiteral("a"));
            std::optional<FileLock> lock;
            if (locked)
                QVERIFY(lock.emplace(s.db.path()).held());
            control<QLineEdit>(w, box)->setText(typed);
            QCOMPARE(in<QLabel>(w, "lblSet")->text(), shown.arg(s.db.path()));
            QCOMPARE(s.session->refinement(), QStringLiteral("name like 'a%'"));
            QCOMPARE(s.text(QStringLiteral("Label10_0")), QStringLiteral("4"));
        }));
    }

    void hostileRefineTextChangesNothing() {
        Session s;
        const QString before = s.db.dump();
        QVERIFY(s.withToolbarModal<RefineSelectionDialog>("Filter It!", [&](QDialog* w) {
            for (int i = 0; i < 8; ++i)
                control<QLineEdit>(w, QStringLiteral("Text1_%1").arg(i))
                    ->setText(QStringLiteral("x'); delete from words; --"));
            in<QLineEdit>(w, "Text1_6")->setText(QStringLiteral("0; drop table words"));
        }));
        QCOMPARE(s.db.dump(), before);
        QVERIFY(!s.session->refinement().contains(QStringLiteral("drop")));
    }
};

QTEST_MAIN(TestSelectionWindows)
#include "tst_selectionwindows.moc"
