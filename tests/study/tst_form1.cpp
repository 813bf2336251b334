// The main window driven as a learner would: start-up, the card, marks, navigation, find,
// reading aloud, the note pop-up and editing a meaning.
#include "app/Random.h"
#include "data/DataSource.h"
#include "data/Recordset.h"
#include "maintenance/frmEdit.h"
#include "maintenance/frmMisc.h"
#include "study/Form1.h"
#include "support/MainWindowSession.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

using Session = MainWindowSession;

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void startUpClearsTheSessionAndShowsAWord() {
        Session s; // the random draw 0.0 shows the first word
        QCOMPARE(s.form->windowTitle(),
                 QStringLiteral("Verbaloom - The Vocabulary Building Learning Tool "));
        QCOMPARE(s.db.scalar("select count(*) from words where sessionbm = 1").toInt(), 0);
        QCOMPARE(s.db.scalar("select count(*) from spwl where sessionbm = 1").toInt(), 1);
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QCOMPARE(s.form->Text2->toPlainText(), QStringLiteral("meaning of abase"));
        QCOMPARE(s.form->Label10[0]->text(), QStringLiteral("8"));
        QCOMPARE(s.form->Label10[1]->text(), QStringLiteral("1"));
        QCOMPARE(s.form->Label10[2]->text(), QStringLiteral("8"));
        QCOMPARE(s.form->lstRead->count(), 1);
        QVERIFY(s.form->Timer1->isActive());
        QVERIFY(s.messages.requests.isEmpty());
    }

    void aMissingOrLockedDatabaseIsReportedAndNothingCrashes_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("missing") << "missing"
                                 << "Error Occured. Error Number: 3024: Could not find file '";
        QTest::newRow("wrong key") << "noise"
                                   << "Error Occured. Error Number: 3031: ";
    }
    void aMissingOrLockedDatabaseIsReportedAndNothingCrashes() {
        QFETCH(QString, damage);
        QFETCH(QString, prefix);
        FixtureDb db;
        if (damage == QLatin1String("missing")) {
            QFile::remove(db.path());
        } else {
            QFile f(db.path());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(4096, '\x5a'));
        }
        RecordingSpeech speech;
        FakeDisplayModes modes(QSize(1280, 1024));
        MessageRecorder messages;
        Form1 form(&speech, &modes);
        form.Form_Load();
        form.show();
        QCOMPARE(messages.requests.size(), 1);
        QVERIFY2(messages.requests.first().text.startsWith(prefix),
                 qPrintable(messages.requests.first().text));
        QCOMPARE(messages.requests.first().icon, QMessageBox::NoIcon);
        messages.clear();
        // Every action still answers without a crash.
        QTest::mouseClick(form.Command10[1], Qt::LeftButton);
        QTest::mouseClick(form.Command10[0], Qt::LeftButton);
        QTest::mouseClick(form.cmdRandomWord, Qt::LeftButton);
        QTest::mouseClick(form.studiedit, Qt::LeftButton);
        QTest::mouseClick(form.chkDiff[1], Qt::LeftButton);
        QTest::mouseClick(form.Command12, Qt::LeftButton);
        QTest::keyClicks(form.txtFind, QStringLiteral("ab"));
        form.lstRead->addItem(QStringLiteral("abase"));
        form.lstRead->setCurrentRow(0);
        form.lstRead_Click();
        QCOMPARE(form.lblRdSess->text(), QStringLiteral("1"));
        QCOMPARE(form.Text1->text(), QString());
        QCOMPARE(messages.texts().count(
                     QStringLiteral("Word Not Found\r\n\r\nYou can ADD new words. Click on the Add "
                                    "Word button on the Menu above")),
                 2);
    }

    void aDatabaseOfANewerVersionIsShownAndNeverWritten() {
        Session s(FixtureDb::defaultWords(), {0.0}, false);
        FixtureDb::scalarAt(s.db.path(), QStringLiteral("PRAGMA user_version = 1000"));
        const QString before = s.db.dump();
        s.start();
        QCOMPARE(s.messages.requests.size(), 1);
        QVERIFY2(s.messages.texts().first().contains("was made by a newer version of Verbaloom"),
                 qPrintable(s.messages.texts().first()));
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QCOMPARE(s.form->Label10[0]->text(), QStringLiteral("8"));
        s.form->studiedit->click();
        s.form->chkDiff[0]->click();
        QCOMPARE(s.db.dump(), before); // last session's marks stay too
    }

    void markingStudiedCountsTwiceAndReachesTheFile() {
        Session s;
        s.form->Command10_Click(1); // abate, read twice before
        QCOMPARE(s.word(), QStringLiteral("abate"));
        s.click(s.form->studiedit);
        s.click(s.form->studiedit);
        QCOMPARE(s.form->lblRdSess->text(), QStringLiteral("2"));
        QCOMPARE(s.form->lblRdCnt->text(), QStringLiteral("4"));
        QCOMPARE(s.db.scalar("select readcount from words where name='abate'").toInt(), 4);
        QCOMPARE(s.db.scalar("select lastread from words where name='abate'").toString(),
                 QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(s.db.scalar("select sessionbm from words where name='abate'").toInt(), 1);
        QCOMPARE(s.form->Label12->text(),
                 QDate::currentDate().toString(QStringLiteral("d/MMM/yy")));
    }

    void theTimerPausesAndResumes() {
        Session s;
        s.form->Timer1_Timer();
        QCOMPARE(s.form->Label15[1]->text(), QStringLiteral("1"));
        s.click(s.form->Command8);
        QVERIFY(!s.form->Timer1->isActive());
        QCOMPARE(s.form->Label16->text(), QStringLiteral("Timer PAUSED"));
        QCOMPARE(s.form->Command8->text(), QStringLiteral("Continue"));
        s.click(s.form->studiedit); // marking resumes it, minutes kept
        QVERIFY(s.form->Timer1->isActive());
        QCOMPARE(s.form->Label16->text(), QStringLiteral("Time Elapsed"));
        QCOMPARE(s.form->Command8->text(), QStringLiteral("Pause Timer"));
        QCOMPARE(s.form->Label15[1]->text(), QStringLiteral("1"));
        s.click(s.form->Command8);
        s.click(s.form->Command10[1]); // so does a step
        QVERIFY(s.form->Timer1->isActive());
    }

    void difficultyMarksCascade() {
        Session s; // abase: Easy
        s.click(s.form->chkDiff[1]);
        QVERIFY(s.form->chkDiff[0]->isChecked());
        QCOMPARE(
            s.db.scalar("select bookmark || doublebm from words where name='abase'").toString(),
            QStringLiteral("11"));
        QCOMPARE(s.form->Label20->text(), QStringLiteral("#"));
        QCOMPARE(s.form->Label22->text(), QStringLiteral("#"));
        s.click(s.form->chkDiff[0]);
        QVERIFY(!s.form->chkDiff[1]->isChecked());
        QCOMPARE(
            s.db.scalar("select bookmark || doublebm from words where name='abase'").toString(),
            QStringLiteral("00"));
        s.click(s.form->chkDiff[0]);
        QCOMPARE(
            s.db.scalar("select bookmark || doublebm from words where name='abase'").toString(),
            QStringLiteral("10"));
        s.click(s.form->chkDiff[1]);
        s.click(s.form->chkDiff[1]);
        QCOMPARE(
            s.db.scalar("select bookmark || doublebm from words where name='abase'").toString(),
            QStringLiteral("10"));
    }

    void movingNeverWritesTheMarksBack() {
        Session s;
        const QString before = s.db.dump();
        for (int i = 0; i < 12; ++i)
            s.click(s.form->Command10[1]);
        for (int i = 0; i < 12; ++i)
            s.click(s.form->Command10[0]);
        s.click(s.form->cmdRandomWord);
        QCOMPARE(s.db.dump(), before);
        QVERIFY(s.form->Command10[0]->isEnabled() || s.form->Command10[1]->isEnabled());
    }

    void navigationButtonsAtTheEnds() {
        Session s(FixtureDb::defaultWords(), {0.99}); // starts on the last word, o'clock
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        s.click(s.form->Command10[1]);
        QVERIFY(s.form->Command10[1]->isEnabled());
        QCOMPARE(s.word(), QString()); // past the last word the card is empty
        QCOMPARE(s.form->Label10[1]->text(), QString());
        s.click(s.form->Command10[1]);
        QVERIFY(!s.form->Command10[1]->isEnabled());
        s.click(s.form->Command10[0]);
        QVERIFY(s.form->Command10[1]->isEnabled());
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        QCOMPARE(s.form->lstRead->item(s.form->lstRead->count() - 1)->text(),
                 QStringLiteral("o'clock"));
    }

    void arrowKeysStepWhenNotTyping() {
        Session s;
        s.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
        s.form->studiedit->setFocus();
        QTest::keyClick(s.form->studiedit, Qt::Key_Right);
        QCOMPARE(s.word(), QStringLiteral("abate"));
        QTest::keyClick(s.form->studiedit, Qt::Key_Left);
        QCOMPARE(s.word(), QStringLiteral("abase"));
        s.form->txtFind->setFocus();
        QTest::keyClick(s.form->txtFind, Qt::Key_Right);
        QCOMPARE(s.word(), QStringLiteral("abase"));
    }

    void findAsYouTypeWithTheMessage() {
        Session s;
        s.form->Command10_Click(1);
        s.form->Command10_Click(1); // abstruse
        QTest::keyClicks(s.form->txtFind, QStringLiteral("a"));
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QTest::keyClicks(s.form->txtFind, QStringLiteral("c"));
        QCOMPARE(s.word(), QStringLiteral("acerbic"));
        QVERIFY(s.messages.requests.isEmpty());
        QTest::keyClicks(s.form->txtFind, QStringLiteral("x"));
        QCOMPARE(s.messages.requests.size(), 1);
        QCOMPARE(s.messages.requests.first().icon, QMessageBox::Information);
        QCOMPARE(s.messages.requests.first().title, QStringLiteral("Verbaloom!"));
        QCOMPARE(s.word(), QStringLiteral("acerbic"));
        s.form->txtFind->setText(QStringLiteral("o'c"));
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        const int listed = s.form->lstRead->count();
        s.form->txtFind->clear();
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QCOMPARE(s.form->lstRead->count(), listed); // find adds nothing to the list
        QVERIFY(s.speech.spoken.isEmpty());
    }

    void displayModesAndTheHint() {
        Session s;
        s.form->Option1[1]->click(); // Guess Words
        QVERIFY(s.form->Text1->isHidden());
        QVERIFY(s.form->lblMsg->isVisible());
        QVERIFY(!s.form->Text2->isHidden());
        QTest::mousePress(s.form->btnHint, Qt::LeftButton);
        QVERIFY(!s.form->Text1->isHidden());
        QVERIFY(!s.form->lblMsg->isVisible());
        QTest::mouseRelease(s.form->btnHint, Qt::LeftButton);
        QVERIFY(s.form->Text1->isHidden());

        s.form->Option1[0]->click(); // Guess Meanings
        QVERIFY(!s.form->Text1->isHidden());
        QVERIFY(s.form->Text2->isHidden() && s.form->Text3->isHidden());
        QVERIFY(s.form->Label6->isVisible());
        s.form->btnHint->setFocus();
        QTest::keyPress(s.form->btnHint, Qt::Key_Space);
        QVERIFY(!s.form->Text2->isHidden());
        QTest::keyRelease(s.form->btnHint, Qt::Key_Space);
        QVERIFY(s.form->Text2->isHidden());

        s.form->Option1[2]->click(); // Show All Boxes: the hint changes nothing
        QTest::mousePress(s.form->btnHint, Qt::LeftButton);
        QTest::mouseRelease(s.form->btnHint, Qt::LeftButton);
        QVERIFY(!s.form->Text1->isHidden() && !s.form->Text2->isHidden() &&
                !s.form->Text3->isHidden());
    }

    void randomBoxesChooseAfreshForEachWord() {
        Session s(FixtureDb::defaultWords(), {0.0, 0.2, 0.0, 0.7, 0.0, 0.1});
        s.form->Option1[3]->click(); // r = 0.2: Guess Meanings
        QVERIFY(s.form->Text2->isHidden() && !s.form->Text1->isHidden());
        s.click(s.form->Command10[1]); // r = 0.0 again: Guess Meanings
        s.click(s.form->Command10[1]); // r = 0.7: Guess Words
        QVERIFY(s.form->Text1->isHidden() && !s.form->Text2->isHidden());
    }

    void readingAloud() {
        Session s;
        s.click(s.form->Command12);
        QTest::mouseClick(s.form->Label1, Qt::LeftButton);
        QTest::mouseClick(s.form->Label2, Qt::LeftButton);
        for (QAction* a : s.form->mnuReadit)
            a->trigger();
        s.form->mnuReadit_Click(7);
        QCOMPARE(s.speech.spoken,
                 (QStringList{"abase", "abase", "meaning of abase", "abase", "meaning of abase",
                              "They used --- in a sentence about 1."}));
        s.speech.spoken.clear();
        s.click(s.form->chkPLock);
        s.click(s.form->Command10[1]);
        s.click(s.form->Command10[0]);
        s.click(s.form->cmdRandomWord);
        QCOMPARE(s.speech.spoken, (QStringList{"abate", "abase", "abase"}));
    }

    void theReadMenuOpensOnTheRightButton() {
        Session s;
        QTest::mouseClick(s.form->Command12, Qt::RightButton);
        QVERIFY(s.form->mnuRead->isVisible());
        s.form->mnuRead->close();
        QVERIFY(s.speech.spoken.isEmpty());
    }

    void theListOfWordsGoneThroughLooksUpEachWord() {
        std::vector<WordRow> words = FixtureDb::defaultWords();
        Session s(words, {0.99});
        s.click(s.form->Command10[0]); // venal
        s.click(s.form->Command10[1]); // o'clock again
        QCOMPARE(s.form->lstRead->count(), 3);
        s.form->lstRead->setCurrentRow(1);
        s.form->lstRead_Click();
        QVERIFY(frmMisc::current());
        QCOMPARE(
            frmMisc::current()->Label1->text(),
            QStringLiteral(
                "meaning of venal\r\n\r\n\r\nUsage: \r\nThey used --- in a sentence about 5."));
        s.form->lstRead->setCurrentRow(2);
        s.form->lstRead_Click();
        QCOMPARE(frmMisc::current()->Label1->text().left(16), QStringLiteral("meaning of o'clo"));
        QTest::mouseClick(frmMisc::current()->cmdClose, Qt::LeftButton);
        QTRY_VERIFY(!frmMisc::current());
    }

    void editingTheMeaningIsStoredAtOnce() {
        Session s;
        bool done = false;
        QTimer::singleShot(0, [&] {
            auto* edit = s.form->findChild<frmEdit*>();
            QVERIFY(edit);
            QCOMPARE(edit->windowTitle(), QStringLiteral("Edit Meaning / Usage"));
            QCOMPARE(edit->lblWord->text(), QStringLiteral("abase"));
            edit->txtMeaning->setPlainText(QStringLiteral("to degrade; it's humbling"));
            edit->txtUsage->setPlainText(QString());
            QTest::mouseClick(edit->cmdUpdate, Qt::LeftButton);
            done = true;
        });
        s.click(s.form->cmdEdit);
        QVERIFY(done);
        QCOMPARE(s.db.scalar("select meaning from words where name='abase'").toString(),
                 QStringLiteral("to degrade; it's humbling"));
        QCOMPARE(s.db.scalar("select example from words where name='abase'").toString(), QString());
        QCOMPARE(s.form->Text2->toPlainText(), QStringLiteral("to degrade; it's humbling"));

        const QString before = s.db.dump();
        QTimer::singleShot(0, [&] {
            auto* edit = s.form->findChild<frmEdit*>();
            edit->txtMeaning->setPlainText(QStringLiteral("discarded"));
            QTest::mouseClick(edit->cmdCancel, Qt::LeftButton);
        });
        s.click(s.form->cmdEdit);
        QCOMPARE(s.db.dump(), before);
    }

    void closingRestoresAChangedScreen() {
        FixtureDb db;
        FakeDisplayModes modes(QSize(800, 600));
        StartModule::GetScreenSize(modes);
        QVERIFY(StartModule::needsResolutionChange(StartModule::savedScreenWidth));
        StartModule::ChangeResolution(modes, 1024, 768);
        RecordingSpeech speech;
        MessageRecorder messages;
        {
            Form1 form(&speech, &modes);
            form.Form_Load();
            form.show();
            form.close();
        }
        QCOMPARE(modes.changes, (QList<QSize>{QSize(1024, 768), QSize(800, 600)}));
        StartModule::savedScreenWidth = -1;
    }

    void theScreenWidthTest_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("change");
        QTest::newRow("1024 exactly") << 1024 << false;
        QTest::newRow("800") << 800 << true;
        QTest::newRow("1280 wide, 720 high") << 1280 << false;
        QTest::newRow("1023") << 1023 << true;
    }
    void theScreenWidthTest() {
        QFETCH(int, width);
        QFETCH(bool, change);
        QCOMPARE(StartModule::needsResolutionChange(float(width)), change);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
