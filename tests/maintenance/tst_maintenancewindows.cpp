// The add-word, tips and about windows and the tour launch, driven from the main window's
// menus as a learner would.
#include "app/basRegistry.h"
#include "app/ProgramFolder.h"
#include "app/ProgramLauncher.h"
#include "app/Random.h"
#include "data/DataSource.h"
#include "data/Recordset.h"
#include "maintenance/AboutText.h"
#include "maintenance/frmAbout.h"
#include "maintenance/frmAddWord.h"
#include "maintenance/frmNotices.h"
#include "maintenance/frmTip.h"
#include "maintenance/TipsOfTheDay.h"
#include "study/Form1.h"
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

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
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

// A started main window on a fixture database, beside a program folder of its own.
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
    frmAddWord* openAddWord() {
        form->addword->trigger();
        return frmAddWord::current();
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
        s.form->querybtn_Click(QStringLiteral("select * from words where groupid = 2"));
        s.form->Command10_Click(1);
        QCOMPARE(s.form->Text1->text(), QStringLiteral("acerbic"));

        frmAddWord* w = s.openAddWord();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Add Word"));
        QVERIFY(!w->isModal());
        QVERIFY(w->optDiffLevel[0]->isChecked());
        QCOMPARE(w->optDiffLevel[1]->text(), QStringLiteral("Difficult "));
        QCOMPARE(w->Label4->text(), QStringLiteral("You can anytime change the Difficutly Level"));
        s.form->addword->trigger();
        QCOMPARE(s.form->findChildren<frmAddWord*>().size(), 1);

        QTest::keyClicks(w->txtWord, QStringLiteral("  quixotic "));
        QTest::keyClicks(w->txtMeaning, QStringLiteral("idealistic and impractical"));
        QTest::keyClicks(w->txtUsage, QStringLiteral("a --- plan"));
        QTest::mouseClick(w->optDiffLevel[2], Qt::LeftButton);
        s.messages.answers = {QMessageBox::Yes};
        w->txtUsage->setFocus();
        QTest::mouseClick(w->cmdAddWord, Qt::LeftButton);

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
        QVERIFY(w->txtWord->text().isEmpty() && w->txtMeaning->text().isEmpty() &&
                w->txtUsage->text().isEmpty());
        QVERIFY(w->optDiffLevel[2]->isChecked());
        QCOMPARE(w->focusWidget(), w->txtWord);
        QVERIFY(!s.form->selection().selectionChanging);

        QTest::keyClicks(w->txtWord, QStringLiteral("zeitgeist"));
        QTest::mouseClick(w->optDiffLevel[0], Qt::LeftButton);
        s.messages.answers = {QMessageBox::No};
        QTest::mouseClick(w->cmdAddWord, Qt::LeftButton);
        QTRY_VERIFY(!frmAddWord::current());
        QCOMPARE(s.db.scalar("select name || bookmark || doublebm || groupid || ifnull(meaning, "
                             "'<null>') from words where id = 10")
                     .toString(),
                 QStringLiteral("zeitgeist0052"));
        QCOMPARE(s.db.scalar("select count(*) from words").toInt(), 10);

        // The main window now holds all words, from the first.
        QCOMPARE(s.form->Adodc1->recordSource(), QStringLiteral("select * from words"));
        QCOMPARE(s.form->recordset()->recordCount(), 10);
        QCOMPARE(s.form->recordset()->absolutePosition(), 1);
        QCOMPARE(s.form->Text1->text(), QStringLiteral("abase"));
        QCOMPARE(s.form->Label10[0]->text(), QStringLiteral("10"));
        QCOMPARE(s.form->Label10[1]->text(), QStringLiteral("1"));
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
        frmAddWord* w = s.openAddWord();
        QTest::keyClicks(w->txtWord, typed);
        QTest::keyClicks(w->txtMeaning, QStringLiteral("again"));
        QTest::mouseClick(w->optDiffLevel[1], Qt::LeftButton);
        w->txtUsage->setFocus();
        QTest::mouseClick(w->cmdAddWord, Qt::LeftButton);
        QCOMPARE(s.messages.texts(), QStringList{"Word Already Exists"});
        QCOMPARE(s.messages.requests[0].icon, QMessageBox::Warning);
        QCOMPARE(s.messages.requests[0].buttons, QMessageBox::Ok);
        QCOMPARE(s.db.dump(), before);
        QCOMPARE(w->focusWidget(), w->txtWord);
        QCOMPARE(w->txtWord->text(), typed);
        QCOMPARE(w->txtMeaning->text(), QStringLiteral("again"));
        QVERIFY(frmAddWord::current() == w && w->isVisible());
        QVERIFY(!s.form->selection().selectionChanging);
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
        QTest::newRow("zero-width space") << "ab\u200bc" << invisible;
        QTest::newRow("lone right-to-left mark") << "\u200f" << invisible;
        QTest::newRow("line break") << "ab\ncd" << invisible;
        QTest::newRow("no letter") << "42"
                                   << "A word needs at least one letter. Nothing was added.";
    }
    void textThatIsNoWordIsRefused() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Session s;
        const QString before = s.db.dump();
        frmAddWord* w = s.openAddWord();
        w->txtWord->setText(typed); // pasted
        QTest::keyClicks(w->txtMeaning, QStringLiteral("a meaning without its word"));
        QTest::mouseClick(w->cmdAddWord, Qt::LeftButton);
        QCOMPARE(s.messages.texts(), QStringList{message});
        QCOMPARE(s.messages.requests[0].icon, QMessageBox::Warning);
        QCOMPARE(s.db.dump(), before);
        QCOMPARE(w->focusWidget(), w->txtWord);
    }

    void aWordInEitherUnicodeFormIsOneWord() {
        Session s;
        frmAddWord* w = s.openAddWord();
        s.messages.answers = {QMessageBox::Yes};
        w->txtWord->setText(QStringLiteral("caf\u00e9"));
        w->txtMeaning->setText(QStringLiteral("a small restaurant") + QChar(0));
        QTest::mouseClick(w->cmdAddWord, Qt::LeftButton);
        w->txtWord->setText(QStringLiteral("cafe\u0301"));
        QTest::mouseClick(w->cmdAddWord, Qt::LeftButton);
        QCOMPARE(s.messages.texts().last(), QStringLiteral("Word Already Exists"));
        QCOMPARE(s.db.scalar("select meaning from words where name = 'caf\u00e9'").toString(),
                 QStringLiteral("a small restaurant"));
        QCOMPARE(s.db.scalar("select count(*) from words").toInt(), 9);
    }

    void anotherErrorIsReportedWithItsNumber() {
        Session s;
        frmAddWord* w = s.openAddWord();
        // Another program holds the file for writing: the addition cannot go through.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(s.db.path()).constData(), &other), SQLITE_OK);
        sqlite3_key(other, "mirtholeandraxep", 16);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        QTest::keyClicks(w->txtWord, QStringLiteral("quixotic"));
        QTest::mouseClick(w->cmdAddWord, Qt::LeftButton);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(s.messages.requests.size(), 1);
        QVERIFY2(s.messages.requests[0].text.startsWith("Error:  3045. Could not use '"),
                 qPrintable(s.messages.requests[0].text));
        QCOMPARE(s.messages.requests[0].icon, QMessageBox::Information);
        QCOMPARE(s.db.scalar("select count(*) from words").toInt(), 8);
        QCOMPARE(w->txtWord->text(), QStringLiteral("quixotic"));
        QVERIFY(!s.form->selection().selectionChanging);
    }

    void closingWithoutAddingGivesTheSelectionBack() {
        Session s;
        s.form->querybtn_Click(QStringLiteral("select * from words where groupid = 2"));
        s.form->recordset()->setFilter(QStringLiteral("bookmark = 0"));
        s.form->recfunc();
        QCOMPARE(s.form->Text1->text(), QStringLiteral("acerbic"));
        frmAddWord* w = s.openAddWord();
        QTest::keyClicks(w->txtWord, QStringLiteral("never added"));
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!frmAddWord::current());
        // The former source is run again from its first word.
        QCOMPARE(s.form->Adodc1->recordSource(),
                 QStringLiteral("select * from words where groupid = 2"));
        QCOMPARE(s.form->recordset()->recordCount(), 2);
        QCOMPARE(s.form->Text1->text(), QStringLiteral("abstruse"));
        QCOMPARE(s.db.scalar("select count(*) from words").toInt(), 8);
        QVERIFY(s.messages.requests.isEmpty());
    }

    void theMainWindowClosingTakesTheAddWordWindowAlong() {
        Session s;
        QPointer<frmAddWord> w = s.openAddWord();
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QTRY_VERIFY(!w);
        w = s.openAddWord();
        s.form->close();
        QTRY_VERIFY(!w);
    }

    // ---- tips ----

    void theTipAtAFirstStartAndAfterItWasSwitchedOff() {
        forgetTipsSetting();
        bool seen = false;
        QString question, answer;
        {
            Session s({0.0, 0.9}, false); // the first word, then the second tip
            writeFile(s.folder.filePath("TIPOFDAY.TXT"), twoTips);
            whenShown<frmTip>(
                [&](frmTip* tip) {
                    QCOMPARE(tip->windowTitle(), QStringLiteral("Tip of the Day"));
                    QVERIFY(!s.form->isVisible()); // before the main window is first shown
                    question = tip->lblTipQues->text();
                    answer = tip->lblTipText->text();
                    QVERIFY(tip->chkLoadTipsAtStartup->isChecked());
                    QTest::mouseClick(tip->chkLoadTipsAtStartup, Qt::LeftButton);
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
            writeFile(s.folder.filePath("TIPOFDAY.TXT"), twoTips);
            whenShown<frmTip>([](frmTip* tip) { tip->close(); }, &seen);
            s.start();
            QTest::qWait(0);
            QVERIFY(!seen); // not shown at start-up
            QVERIFY(s.messages.requests.isEmpty());

            // From the menu it opens ticked again, and the setting stays "0".
            bool ticked = false;
            whenShown<frmTip>(
                [&](frmTip* tip) {
                    ticked = tip->chkLoadTipsAtStartup->isChecked();
                    QTest::keyClick(tip->cmdOK, Qt::Key_Return);
                },
                &seen);
            s.form->vlguide->trigger();
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
        frmTip tip(s.form.get());
        QTest::mouseClick(tip.chkLoadTipsAtStartup, Qt::LeftButton);
        QCOMPARE(storedTipsSetting(), QStringLiteral("0"));
        QTest::mouseClick(tip.chkLoadTipsAtStartup, Qt::LeftButton);
        QCOMPARE(storedTipsSetting(), QStringLiteral("1"));
        QCOMPARE(AppSettings::showTipsAtStartup(), 1);
    }

    void aChoiceThatCannotBeSavedIsSaidOnce() {
        Session s;
        // A folder where the settings file belongs: nobody, root included, can write it.
        const QString file = AppSettings::storePath(AppSettings::AppName);
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        frmTip tip(s.form.get());
        QTest::mouseClick(tip.chkLoadTipsAtStartup, Qt::LeftButton);
        QTest::mouseClick(tip.chkLoadTipsAtStartup, Qt::LeftButton);
        QDir(file).removeRecursively();
        QCOMPARE(s.messages.requests.size(), 1);
        QVERIFY2(s.messages.texts().first().startsWith(
                     "Verbaloom could not save this choice: its settings folder cannot be "
                     "written.\r\n\r\n"),
                 qPrintable(s.messages.texts().first()));
    }

    void nextDrawsAgainAndOneTipShowsItselfAgain() {
        Session s({0.0, 0.0, 0.6, 0.1});
        writeFile(s.folder.filePath("TIPOFDAY.TXT"), twoTips);
        frmTip tip(s.form.get());
        QCOMPARE(tip.Tips.size(), 2);
        QCOMPARE(tip.CurrentTip, 1);
        QCOMPARE(tip.lblTipQues->text(), QStringLiteral("What is the bag?"));
        QTest::mouseClick(tip.cmdNextTip, Qt::LeftButton);
        QCOMPARE(tip.CurrentTip, 2);
        QCOMPARE(tip.lblTipQues->text(), QStringLiteral("How do I peek?"));
        QTest::mouseClick(tip.cmdNextTip, Qt::LeftButton);
        QCOMPARE(tip.lblTipQues->text(), QStringLiteral("What is the bag?"));

        writeFile(s.folder.filePath("TIPOFDAY.TXT"), "Only one<newline>tip here\r\n");
        frmTip single(s.form.get());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(single.lblTipQues->text(), QStringLiteral("Only one"));
            QCOMPARE(single.lblTipText->text(), QStringLiteral("tip here"));
            QTest::mouseClick(single.cmdNextTip, Qt::LeftButton);
        }

        // A tip is shown as typed: markup and a second marker included.
        writeFile(s.folder.filePath("TIPOFDAY.TXT"), "<b>Bold?</b><newline>a<newline>b\r\n");
        frmTip literal(s.form.get());
        QCOMPARE(literal.lblTipQues->textFormat(), Qt::PlainText);
        QCOMPARE(literal.lblTipQues->text(), QStringLiteral("<b>Bold?</b>"));
        QCOMPARE(literal.lblTipText->text(), QStringLiteral("a<newline>b"));

        writeFile(s.folder.filePath("TIPOFDAY.TXT"), "A line without its marker\r\n");
        frmTip unsplit(s.form.get());
        QCOMPARE(unsplit.lblTipQues->text(), QString());
        QCOMPARE(unsplit.lblTipText->text(), QStringLiteral("A line without its marker"));
    }

    void withoutTheFileTheWindowExplains() {
        Session s;
        frmTip tip(s.form.get()); // the program folder has no tips file
        QVERIFY(tip.Tips.isEmpty());
        QCOMPARE(tip.lblTipQues->text(), QString());
        QCOMPARE(tip.lblTipText->text(), TipsOfTheDay::missingFileText());
        QTest::mouseClick(tip.cmdNextTip, Qt::LeftButton);
        QCOMPARE(tip.lblTipText->text(), TipsOfTheDay::missingFileText());
        QVERIFY(!tip.LoadTips(QString()));

        // A tips "file" that cannot be read says the same, and nothing goes wrong.
        QVERIFY(QDir(s.folder.path()).mkpath("TIPOFDAY.TXT"));
        frmTip unreadable(s.form.get());
        QCOMPARE(unreadable.lblTipText->text(), TipsOfTheDay::missingFileText());
    }

    // ---- about and the tour ----

    void theAboutWindowAndItsLicences() {
        Session s;
        writeFile(s.folder.filePath("notices/WORDNET-LICENSE.txt"),
                  "WordNet Release 3.0 This software and database is being provided...\n");
        bool seen = false, licencesSeen = false;
        QString version, firstNotice, firstText;
        whenShown<frmAbout>(
            [&](frmAbout* about) {
                QCOMPARE(about->windowTitle(), QStringLiteral("About Verbaloom!"));
                QCOMPARE(about->parentWidget(), s.form.get());
                version = about->lblVersion->text();
                QVERIFY(!about->Picture1->pixmap().isNull());
                QVERIFY(!about->Label1->text().isEmpty() && !about->Label2->text().isEmpty());
                whenShown<frmNotices>(
                    [&](frmNotices* notices) {
                        firstNotice = notices->lstNotices->item(0)->text();
                        firstText = notices->txtNotice->toPlainText();
                        notices->lstNotices->setCurrentRow(notices->lstNotices->count() - 1);
                        QVERIFY(notices->txtNotice->toPlainText().contains("eSpeak NG"));
                        QTest::mouseClick(notices->cmdClose, Qt::LeftButton);
                    },
                    &licencesSeen);
                QTest::mouseClick(about->cmdLicences, Qt::LeftButton);
                QTest::mouseClick(about->cmdOK, Qt::LeftButton);
            },
            &seen);
        s.form->about->trigger();
        QVERIFY(seen && licencesSeen);
        QCOMPARE(version, QStringLiteral("Version  2. 5. 5"));
        QCOMPARE(firstNotice, QStringLiteral("WordNet 3.0 licence (word data)"));
        QCOMPARE(firstText,
                 QStringLiteral(
                     "WordNet Release 3.0 This software and database is being provided...\n"));
    }

    void theTourStartsBesideTheProgramAndTheWindowStaysInUse() {
        Session s;
        QStringList started;
        ProgramLauncher::setGlobal(std::make_unique<RecordingLauncher>(&started));
        writeFile(s.folder.filePath("VerbaloomTour"), "#!/bin/sh\n");
        s.form->Tutorial->trigger();
        s.form->Tutorial->trigger();
        const QString expected = s.folder.filePath("VerbaloomTour") + " in " + s.folder.path();
        QCOMPARE(started, (QStringList{expected, expected}));
        QVERIFY(s.messages.requests.isEmpty());
        QTest::mouseClick(s.form->Command10[1], Qt::LeftButton);
        QCOMPARE(s.form->Text1->text(), QStringLiteral("abate"));
    }

    void aMissingTourIsSaidAndNothingStarts() {
        Session s;
        QStringList started;
        ProgramLauncher::setGlobal(std::make_unique<RecordingLauncher>(&started));
        s.form->Tutorial->trigger();
        QVERIFY(started.isEmpty());
        QCOMPARE(s.messages.texts(),
                 QStringList{QStringLiteral("The Verbaloom tour is not installed.\r\n\r\nIt "
                                            "should be the program %1, beside Verbaloom.")
                                 .arg(s.folder.filePath("VerbaloomTour"))});
        QVERIFY(s.form->isEnabled());
    }
};

QTEST_MAIN(TestMaintenanceWindows)
#include "tst_maintenancewindows.moc"
