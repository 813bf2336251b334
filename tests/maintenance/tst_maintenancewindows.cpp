// The add-word, edit, tips and about windows and the tour launch, driven from the main
// window's menus and buttons as a learner would.
#include "app/Settings.h"
#include "app/ProgramFolder.h"
#include "app/ProgramLauncher.h"
#include "maintenance/AboutDialog.h"
#include "maintenance/AddWordWindow.h"
#include "maintenance/EditWordDialog.h"
#include "maintenance/NoticesDialog.h"
#include "maintenance/TipDialog.h"
#include "maintenance/TipsOfTheDay.h"
#include "support/MainWindowSession.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {

template <class T = QWidget> T* in(const QWidget* window, const char* name) {
    return control<T>(window, QLatin1String(name));
}

// Clicks near the left edge, where a check box or an option has its mark.
void click(const QWidget* window, const char* name) {
    auto* button = in<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(std::min(button->width() / 2, 8), button->height() / 2));
}

QString textOf(const QWidget* window, const char* name) {
    return MainWindowSession::textOf(in(window, name));
}

QString storedTipsSetting() {
    return AppSettings::GetSetting(AppSettings::AppName, AppSettings::OptionsSection,
                                   AppSettings::ShowTipsKey, QStringLiteral("<absent>"));
}

void forgetTipsSetting() {
    QFile::remove(AppSettings::storePath(AppSettings::AppName));
}

// Runs the check against the modal window of type W once it is open; the check closes it.
template <class W> void whenShown(std::function<void(W*)> check, bool* seen) {
    QTimer::singleShot(0, [check, seen] {
        auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
        *seen = w != nullptr;
        if (w)
            check(w);
    });
}

class RecordingLauncher : public ProgramLauncher {
public:
    explicit RecordingLauncher(QStringList* log) : log_(log) {}
    bool startDetached(const QString& program, const QStringList&, const QString& folder) override {
        *log_ << program + QStringLiteral(" in ") + folder;
        return true;
    }

private:
    QStringList* log_;
};

// A main window on a fixture database, beside a program folder of its own.
struct Session : MainWindowSession {
    explicit Session(std::deque<double> random = {0.0}, bool load = true)
        : MainWindowSession(FixtureDb::defaultWords(), std::move(random), false) {
        ProgramFolder::setPath(folder.path());
        if (load)
            start();
    }
    ~Session() override {
        form.reset();
        ProgramLauncher::setGlobal(nullptr);
        ProgramFolder::setPath(QString());
    }
    AddWordWindow* openAddWord() const {
        toolbar(QStringLiteral("addword"));
        return AddWordWindow::current();
    }
    // Runs `inside` on the edit window the card's Edit button opens.
    bool edit(const std::function<void(EditWordDialog*)>& inside) const {
        return withModal<EditWordDialog>([&] { click(QStringLiteral("cmdEdit")); }, inside);
    }
    QString column(const QString& column, const QString& word) const {
        return db.scalar(QStringLiteral("select %1 from words where name = '%2'").arg(column, word))
            .toString();
    }

    QTemporaryDir folder;
};

const QByteArray twoTips("What is the bag?<newline>The words of your current selection.\r\n"
                         "How do I peek?<newline>Keep the ? button pressed.\r\n");

} // namespace

class TestMaintenanceWindows : public QObject {
    Q_OBJECT
private slots:
    void init() { useTestSettings(); }

    // ---- add word ----

    void addingTwoWordsOneAfterTheOther() {
        Session s({0.0, 0.2, 0.7}); // the first word, then lists 51 and 52
        s.session->applySelection(QStringLiteral("select * from words where groupid = 2"));
        s.click(QStringLiteral("Command10_1"));
        QCOMPARE(s.word(), QStringLiteral("acerbic"));

        AddWordWindow* w = s.openAddWord();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Add Word"));
        QVERIFY(!w->isModal());
        QVERIFY(in<QRadioButton>(w, "optDiffLevel_0")->isChecked());
        QCOMPARE(textOf(w, "optDiffLevel_1"), QStringLiteral("Difficult "));
        QCOMPARE(textOf(w, "Label4"),
                 QStringLiteral("You can anytime change the Difficutly Level"));
        s.openAddWord();
        QCOMPARE(s.form->findChildren<AddWordWindow*>().size(), 1);

        QTest::keyClicks(in(w, "txtWord"), QStringLiteral("  quixotic "));
        QTest::keyClicks(in(w, "txtMeaning"), QStringLiteral("idealistic and impractical"));
        QTest::keyClicks(in(w, "txtUsage"), QStringLiteral("a --- plan"));
        click(w, "optDiffLevel_2");
        s.messages.answers = {QMessageBox::Yes};
        in(w, "txtUsage")->setFocus();
        click(w, "cmdAddWord");

        QCOMPARE(s.messages.requests.size(), 1);
        QCOMPARE(s.messages.requests[0].text,
                 QStringLiteral("Word Added Successfully\r\n\r\nAdd Another Word?"));
        QCOMPARE(s.messages.requests[0].icon, QMessageBox::Information);
        QCOMPARE(s.messages.requests[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(s.db.scalar("select name || '|' || meaning || '|' || example || '|' || bookmark "
                             "|| doublebm || '|' || groupid || '|' || readcount || sessionbm "
                             "|| ifnull(lastread, '-') || highfw from words where id = 9")
                     .toString(),
                 QStringLiteral("quixotic|idealistic and impractical|a --- plan|11|51|00-0"));
        for (const char* box : {"txtWord", "txtMeaning", "txtUsage"})
            QVERIFY(textOf(w, box).isEmpty());
        QVERIFY(in<QRadioButton>(w, "optDiffLevel_2")->isChecked());
        QCOMPARE(w->focusWidget(), in(w, "txtWord"));

        QTest::keyClicks(in(w, "txtWord"), QStringLiteral("zeitgeist"));
        click(w, "optDiffLevel_0");
        s.messages.answers = {QMessageBox::No};
        click(w, "cmdAddWord");
        QTRY_VERIFY(!AddWordWindow::current());
        QCOMPARE(s.db.scalar("select name || bookmark || doublebm || groupid || ifnull(meaning, "
                             "'<null>') from words where id = 10")
                     .toString(),
                 QStringLiteral("zeitgeist0052"));
        QCOMPARE(s.db.scalar("select count(*) from words").toInt(), 10);

        // The main window now holds all words, from the first.
        QCOMPARE(s.session->selectionSource(), QStringLiteral("select * from words"));
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QCOMPARE(s.text(QStringLiteral("Label10_0")), QStringLiteral("10"));
        QCOMPARE(s.text(QStringLiteral("Label10_1")), QStringLiteral("1"));
    }

    void aDuplicateIsRefusedWhateverItsCaseOrBlanks_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("other case") << "ABASE";
        QTest::newRow("blank after") << "abase ";
        QTest::newRow("mixed") << " Laconic";
    }
    void aDuplicateIsRefusedWhateverItsCaseOrBlanks() {
        QFETCH(QString, typed);
        Session s;
        const QString before = s.db.dump();
        AddWordWindow* w = s.openAddWord();
        QTest::keyClicks(in(w, "txtWord"), typed);
        QTest::keyClicks(in(w, "txtMeaning"), QStringLiteral("again"));
        click(w, "optDiffLevel_1");
        in(w, "txtUsage")->setFocus();
        click(w, "cmdAddWord");
        QCOMPARE(s.messages.texts(), QStringList{"Word Already Exists"});
        QCOMPARE(s.messages.requests[0].icon, QMessageBox::Warning);
        QCOMPARE(s.messages.requests[0].buttons, QMessageBox::Ok);
        QCOMPARE(s.db.dump(), before);
        QCOMPARE(w->focusWidget(), in(w, "txtWord"));
        QCOMPARE(textOf(w, "txtWord"), typed);
        QCOMPARE(textOf(w, "txtMeaning"), QStringLiteral("again"));
        QVERIFY(AddWordWindow::current() == w && w->isVisible());
    }

    void textThatIsNoWordIsRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString invisible = "The word holds a character that cannot be seen (a control "
                                  "character, a line break, a tab or an invisible mark). Nothing "
                                  "was added.";
        QTest::newRow("blanks") << "   "
                                << "Please type the word you want to add. Nothing was added.";
        QTest::newRow("NUL") << QStringLiteral("ab") + QChar(0) << invisible;
        QTest::newRow("line break") << "ab\ncd" << invisible;
        QTest::newRow("no letter") << "42"
                                   << "A word needs at least one letter. Nothing was added.";
    }
    void textThatIsNoWordIsRefused() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Session s;
        const QString before = s.db.dump();
        AddWordWindow* w = s.openAddWord();
        in<QLineEdit>(w, "txtWord")->setText(typed); // pasted
        QTest::keyClicks(in(w, "txtMeaning"), QStringLiteral("a meaning without its word"));
        click(w, "cmdAddWord");
        QCOMPARE(s.messages.texts(), QStringList{message});
        QCOMPARE(s.messages.requests[0].icon, QMessageBox::Warning);
        QCOMPARE(s.db.dump(), before);
        QCOMPARE(w->focusWidget(), in(w, "txtWord"));
    }

    void aWordInEitherUnicodeFormIsOneWord() {
        Session s;
        AddWordWindow* w = s.openAddWord();
        s.messages.answers = {QMessageBox::Yes};
        in<QLineEdit>(w, "txtWord")->setText(QStringLiteral("caf\u00e9"));
        in<QLineEdit>(w, "txtMeaning")->setText(QStringLiteral("a small restaurant") + QChar(0));
        click(w, "cmdAddWord");
        in<QLineEdit>(w, "txtWord")->setText(QStringLiteral("cafe\u0301"));
        click(w, "cmdAddWord");
        QCOMPARE(s.messages.texts().last(), QStringLiteral("Word Already Exists"));
        QCOMPARE(s.column("meaning", QStringLiteral("caf\u00e9")),
                 QStringLiteral("a small restaurant"));
        QCOMPARE(s.db.scalar("select count(*) from words").toInt(), 9);
    }

    void anotherErrorIsReportedWithItsNumber() {
        Session s;
        AddWordWindow* w = s.openAddWord();
        // Another program holds the file for writing: the addition cannot go through.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(s.db.path()).constData(), &other), SQLITE_OK);
        sqlite3_key(other, "mirtholeandraxep", 16);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        QTest::keyClicks(in(w, "txtWord"), QStringLiteral("quixotic"));
        click(w, "cmdAddWord");
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(s.messages.requests.size(), 1);
        QVERIFY2(s.messages.requests[0].text.startsWith("Error:  3045. Could not use '"),
                 qPrintable(s.messages.requests[0].text));
        QCOMPARE(s.messages.requests[0].icon, QMessageBox::Information);
        QCOMPARE(s.db.scalar("select count(*) from words").toInt(), 8);
        QCOMPARE(textOf(w, "txtWord"), QStringLiteral("quixotic"));
    }

    void closingWithoutAddingGivesTheSelectionBack() {
        Session s;
        s.session->applySelection(QStringLiteral("select * from words where groupid = 2"));
        s.session->applyRefinement(QStringLiteral("bookmark = 0"));
        QCOMPARE(s.word(), QStringLiteral("acerbic"));
        AddWordWindow* w = s.openAddWord();
        QTest::keyClicks(in(w, "txtWord"), QStringLiteral("never added"));
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!AddWordWindow::current());
        // The former source is run again from its first word.
        QCOMPARE(s.session->selectionSource(),
                 QStringLiteral("select * from words where groupid = 2"));
        QCOMPARE(s.text(QStringLiteral("Label10_0")), QStringLiteral("2"));
        QCOMPARE(s.word(), QStringLiteral("abstruse"));
        QCOMPARE(s.db.scalar("select count(*) from words").toInt(), 8);
        QVERIFY(s.messages.requests.isEmpty());
    }

    void theMainWindowClosingTakesTheAddWordWindowAlong() {
        Session s;
        QPointer<AddWordWindow> w = s.openAddWord();
        click(w, "Command1");
        QTRY_VERIFY(!w);
        w = s.openAddWord();
        s.form->close();
        QTRY_VERIFY(!w);
    }

    // ---- edit ----

    void editingIsStoredAtOnceAndCancelKeepsTheWord() {
        Session s;
        QVERIFY(s.edit([&](EditWordDialog* edit) {
            QCOMPARE(edit->windowTitle(), QStringLiteral("Edit Meaning / Usage"));
            QCOMPARE(textOf(edit, "lblWord"), QStringLiteral("abase"));
            QCOMPARE(textOf(edit, "txtMeaning"), QStringLiteral("meaning of abase"));
            in<QPlainTextEdit>(edit, "txtMeaning")
                ->setPlainText(QStringLiteral("to degrade;\x01 it's humbling"));
            in<QPlainTextEdit>(edit, "txtUsage")->setPlainText(QString());
            click(edit, "cmdUpdate");
            QVERIFY(!edit->isVisible());
        }));
        // Control characters are no part of what is stored.
        QCOMPARE(s.column("meaning", "abase"), QStringLiteral("to degrade; it's humbling"));
        QCOMPARE(s.column("example", "abase"), QString());
        QCOMPARE(s.text(QStringLiteral("Text2")), QStringLiteral("to degrade; it's humbling"));
        QVERIFY(!s.session->isHeld());

        const QString before = s.db.dump();
        QVERIFY(s.edit([&](EditWordDialog* edit) {
            in<QPlainTextEdit>(edit, "txtMeaning")->setPlainText(QStringLiteral("discarded"));
            click(edit, "cmdCancel");
        }));
        QCOMPARE(s.db.dump(), before);
    }

    // The edit belongs to the word it was opened for, even when the session moves meanwhile
    // (as the quiz may move it).
    void anEditWritesToTheWordItWasOpenedFor() {
        Session s;
        const QString abateUsage = s.column("example", "abate");
        QVERIFY(s.edit([&](EditWordDialog* edit) {
            s.session->moveTo(2);
            QCOMPARE(s.word(), QStringLiteral("abate"));
            in<QPlainTextEdit>(edit, "txtUsage")
                ->setPlainText(QStringLiteral("Do not --- yourself."));
            click(edit, "cmdUpdate");
        }));
        QCOMPARE(s.column("example", "abase"), QStringLiteral("Do not --- yourself."));
        QCOMPARE(s.column("meaning", "abase"), QStringLiteral("meaning of abase"));
        QCOMPARE(s.column("example", "abate"), abateUsage);
        QCOMPARE(s.text(QStringLiteral("Text3")), abateUsage);
    }

    // An edit the file refuses is said, and neither field is stored: one failing column
    // takes the other back with it.
    void aRefusedEditStoresNeitherField_data() {
        QTest::addColumn<QString>("refusedColumn");
        QTest::newRow("usage refused") << "example";
        QTest::newRow("meaning refused") << "meaning";
    }
    void aRefusedEditStoresNeitherField() {
        QFETCH(QString, refusedColumn);
        Session s;
        const QString before = s.db.dump();
        const QString trigger =
            QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE OF %1 ON words BEGIN SELECT "
                           "RAISE(ABORT, 'this column is locked'); END")
                .arg(refusedColumn);
        QCOMPARE(sqlite3_exec(s.session->connection()->handle(), trigger.toUtf8().constData(),
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        QVERIFY(s.edit([&](EditWordDialog* edit) {
            in<QPlainTextEdit>(edit, "txtMeaning")->setPlainText(QStringLiteral("new meaning"));
            in<QPlainTextEdit>(edit, "txtUsage")->setPlainText(QStringLiteral("new usage"));
            click(edit, "cmdUpdate");
            QVERIFY(edit->isVisible()); // the typed texts stay to try again
            QCOMPARE(textOf(edit, "txtMeaning"), QStringLiteral("new meaning"));
        }));
        sqlite3_exec(s.session->connection()->handle(), "DROP TRIGGER refuse", nullptr, nullptr,
                     nullptr);
        QCOMPARE(s.messages.texts(),
                 QStringList{"The change could not be saved.\r\n\r\nA required value is missing "
                             "or not allowed (this column is locked)."});
        QCOMPARE(s.db.dump(), before);
        QCOMPARE(s.text(QStringLiteral("Text2")), QStringLiteral("meaning of abase"));
    }

    // The texts and buttons keep a dialog's margin from the window's edges.
    void theEditWindowHasMargins() {
        Session s;
        QVERIFY(s.edit([&](EditWordDialog* edit) {
            QApplication::processEvents();
            const QRect inside = edit->rect().adjusted(14, 14, -14, -14);
            for (const char* name :
                 {"Picture1", "lblWord", "txtMeaning", "txtUsage", "cmdUpdate", "cmdCancel"}) {
                const QWidget* w = in(edit, name);
                const QRect at(w->mapTo(edit, QPoint(0, 0)), w->size());
                QVERIFY2(inside.contains(at), name);
            }
        }));
    }

    // ---- tips ----

    void theTipAtAFirstStartAndAfterItWasSwitchedOff() {
        forgetTipsSetting();
        bool seen = false;
        QString question, answer;
        {
            Session s({0.0, 0.9}, false); // the first word, then the second tip
            writeTestFile(s.folder.filePath("TIPOFDAY.TXT"), twoTips);
            whenShown<TipDialog>(
                [&](TipDialog* tip) {
                    QCOMPARE(tip->windowTitle(), QStringLiteral("Tip of the Day"));
                    QVERIFY(!s.form->isVisible()); // before the main window is first shown
                    question = textOf(tip, "lblTipQues");
                    answer = textOf(tip, "lblTipText");
                    QVERIFY(in<QCheckBox>(tip, "chkLoadTipsAtStartup")->isChecked());
                    click(tip, "chkLoadTipsAtStartup");
                    QCOMPARE(storedTipsSetting(), QStringLiteral("0"));
                    QTest::keyClick(tip, Qt::Key_Escape);
                },
                &seen);
            s.start();
            QVERIFY(seen);
            QCOMPARE(question, QStringLiteral("How do I peek?"));
            QCOMPARE(answer, QStringLiteral("Keep the ? button pressed."));
            QVERIFY(!QApplication::activeModalWidget());
        }
        {
            Session s({0.0}, false);
            writeTestFile(s.folder.filePath("TIPOFDAY.TXT"), twoTips);
            whenShown<TipDialog>([](TipDialog* tip) { tip->close(); }, &seen);
            s.start();
            QTest::qWait(0);
            QVERIFY(!seen); // not shown at start-up
            QVERIFY(s.messages.requests.isEmpty());

            // From the menu it opens ticked again, and the setting stays "0".
            bool ticked = false;
            whenShown<TipDialog>(
                [&](TipDialog* tip) {
                    ticked = in<QCheckBox>(tip, "chkLoadTipsAtStartup")->isChecked();
                    QTest::keyClick(in(tip, "cmdOK"), Qt::Key_Return);
                },
                &seen);
            s.toolbar(QStringLiteral("vlguide"));
            QVERIFY(seen);
            QVERIFY(ticked);
            QCOMPARE(storedTipsSetting(), QStringLiteral("0"));
        }
    }

    void tickingTheBoxAgainStoresOne() {
        forgetTipsSetting();
        AppSettings::SaveSetting(AppSettings::AppName, AppSettings::OptionsSection,
                                 AppSettings::ShowTipsKey, QStringLiteral("0"));
        Session s;
        TipDialog tip(s.form.get());
        click(&tip, "chkLoadTipsAtStartup");
        QCOMPARE(storedTipsSetting(), QStringLiteral("0"));
        click(&tip, "chkLoadTipsAtStartup");
        QCOMPARE(storedTipsSetting(), QStringLiteral("1"));
        QCOMPARE(AppSettings::showTipsAtStartup(), 1);
        QVERIFY(s.messages.requests.isEmpty());
    }

    void aChoiceThatCannotBeSavedIsSaidOnce() {
        Session s;
        // A folder where the settings file belongs: nobody, root included, can write it.
        const QString file = AppSettings::storePath(AppSettings::AppName);
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        TipDialog tip(s.form.get());
        click(&tip, "chkLoadTipsAtStartup");
        click(&tip, "chkLoadTipsAtStartup");
        QDir(file).removeRecursively();
        QCOMPARE(s.messages.requests.size(), 1);
        QVERIFY2(s.messages.texts().first().startsWith(
                     "Verbaloom could not save this choice: its settings folder cannot be "
                     "written.\r\n\r\n"),
                 qPrintable(s.messages.texts().first()));
    }

    void nextDrawsAgainAndOneTipShowsItselfAgain() {
        Session s({0.0, 0.0, 0.6, 0.1});
        writeTestFile(s.folder.filePath("TIPOFDAY.TXT"), twoTips);
        TipDialog tip(s.form.get());
        QCOMPARE(textOf(&tip, "lblTipQues"), QStringLiteral("What is the bag?"));
        click(&tip, "cmdNextTip");
        QCOMPARE(textOf(&tip, "lblTipQues"), QStringLiteral("How do I peek?"));
        click(&tip, "cmdNextTip");
        QCOMPARE(textOf(&tip, "lblTipQues"), QStringLiteral("What is the bag?"));

        writeTestFile(s.folder.filePath("TIPOFDAY.TXT"), "Only one<newline>tip here\r\n");
        TipDialog single(s.form.get());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(textOf(&single, "lblTipQues"), QStringLiteral("Only one"));
            QCOMPARE(textOf(&single, "lblTipText"), QStringLiteral("tip here"));
            click(&single, "cmdNextTip");
        }

        // A tip is shown as typed: markup and a second marker included.
        writeTestFile(s.folder.filePath("TIPOFDAY.TXT"), "<b>Bold?</b><newline>a<newline>b\r\n");
        TipDialog literal(s.form.get());
        QCOMPARE(in<QLabel>(&literal, "lblTipQues")->textFormat(), Qt::PlainText);
        QCOMPARE(textOf(&literal, "lblTipQues"), QStringLiteral("<b>Bold?</b>"));
        QCOMPARE(textOf(&literal, "lblTipText"), QStringLiteral("a<newline>b"));
    }

    void withoutTheFileTheWindowExplains() {
        Session s;
        TipDialog tip(s.form.get()); // the program folder has no tips file
        QVERIFY(in(&tip, "lblTipQues")->isHidden());
        QCOMPARE(textOf(&tip, "lblTipText"), TipsOfTheDay::missingFileText());
        click(&tip, "cmdNextTip");
        QCOMPARE(textOf(&tip, "lblTipText"), TipsOfTheDay::missingFileText());
    }

    // ---- about and the tour ----

    void theAboutWindowAndItsLicences() {
        Session s;
        writeTestFile(s.folder.filePath("notices/WORDNET-LICENSE.txt"),
                      "WordNet Release 3.0 This software and database is being provided...\n");
        bool seen = false, licencesSeen = false;
        QString version, firstNotice, firstText;
        whenShown<AboutDialog>(
            [&](AboutDialog* about) {
                QCOMPARE(about->windowTitle(), QStringLiteral("About Verbaloom!"));
                QCOMPARE(about->parentWidget(), s.form.get());
                version = textOf(about, "lblVersion");
                QVERIFY(!in<QLabel>(about, "Picture1")->pixmap().isNull());
                QVERIFY(!textOf(about, "Label1").isEmpty() && !textOf(about, "Label2").isEmpty());
                whenShown<NoticesDialog>(
                    [&](NoticesDialog* notices) {
                        auto* titles = in<QListWidget>(notices, "lstNotices");
                        firstNotice = titles->item(0)->text();
                        firstText = textOf(notices, "txtNotice");
                        titles->setCurrentRow(titles->count() - 1);
                        QVERIFY(textOf(notices, "txtNotice").contains("eSpeak NG"));
                        click(notices, "cmdClose");
                    },
                    &licencesSeen);
                click(about, "cmdLicences");
                click(about, "cmdOK");
            },
            &seen);
        s.toolbar(QStringLiteral("about"));
        QVERIFY(seen && licencesSeen);
        QCOMPARE(version, QStringLiteral("Version  2. 5. 5"));
        QCOMPARE(firstNotice, QStringLiteral("WordNet 3.0 licence (word data)"));
        QCOMPARE(firstText,
                 QStringLiteral(
                     "WordNet Release 3.0 This software and database is being provided...\n"));
    }

    // The tour is left to itself: the main window stays in use.
    void theTourStartsBesideTheProgramOrIsSaidMissing() {
        Session s;
        QStringList started;
        ProgramLauncher::setGlobal(std::make_unique<RecordingLauncher>(&started));
        const QString tour = s.folder.filePath("VerbaloomTour");
        s.toolbar(QStringLiteral("Tutorial"));
        QVERIFY(started.isEmpty());
        QCOMPARE(s.messages.texts(),
                 QStringList{QStringLiteral("The Verbaloom tour is not installed.\r\n\r\nIt "
                                            "should be the program %1, beside Verbaloom.")
                                 .arg(tour)});
        writeTestFile(tour, "#!/bin/sh\n");
        s.toolbar(QStringLiteral("Tutorial"));
        s.toolbar(QStringLiteral("Tutorial"));
        QCOMPARE(started,
                 (QStringList{tour + " in " + s.folder.path(), tour + " in " + s.folder.path()}));
        QCOMPARE(s.messages.requests.size(), 1);
        s.click(QStringLiteral("Command10_1"));
        QCOMPARE(s.word(), QStringLiteral("abate"));
    }
};

QTEST_MAIN(TestMaintenanceWindows)
#include "tst_maintenancewindows.moc"
