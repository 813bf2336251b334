// The main window driven as a learner would: start-up, the card, marks, navigation, find,
// reading aloud, the note pop-up, the layout at small and large sizes.
#include "app/Random.h"
#include "support/MainWindowSession.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QtTest>

namespace {

using Session = MainWindowSession;

QString marksOf(const Session& s, const char* name) {
    return s.db.scalar(QStringLiteral("select bookmark || doublebm from words where name='%1'")
                           .arg(QLatin1String(name)))
        .toString();
}

bool shown(const Session& s, const char* name) {
    return !s.find(QLatin1String(name))->isHidden();
}

} // namespace

class TestMainWindow : public QObject {
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
        QCOMPARE(s.text("Text2"), QStringLiteral("meaning of abase"));
        QCOMPARE(s.text("Label10_0"), QStringLiteral("8"));
        QCOMPARE(s.text("Label10_1"), QStringLiteral("1"));
        QCOMPARE(s.text("Label10_2"), QStringLiteral("8"));
        QCOMPARE(s.find<QListWidget>("lstRead")->count(), 1);
        QVERIFY(s.session->timer().isRunning());
        QVERIFY(s.messages.requests.isEmpty());
    }

    void aMissingOrDamagedDatabaseIsReportedAndNothingCrashes_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("missing") << "missing"
                                 << "Error Occured. Error Number: 3024: Could not find file '";
        QTest::newRow("wrong key") << "noise"
                                   << "Error Occured. Error Number: 3031: ";
    }
    void aMissingOrDamagedDatabaseIsReportedAndNothingCrashes() {
        QFETCH(QString, damage);
        QFETCH(QString, prefix);
        Session s(FixtureDb::defaultWords(), {0.0}, false);
        if (damage == QLatin1String("missing")) {
            QFile::remove(s.db.path());
        } else {
            QFile f(s.db.path());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(4096, '\x5a'));
        }
        s.start();
        QCOMPARE(s.messages.requests.size(), 1);
        QVERIFY2(s.messages.requests.first().text.startsWith(prefix),
                 qPrintable(s.messages.requests.first().text));
        QCOMPARE(s.messages.requests.first().icon, QMessageBox::NoIcon);
        s.messages.clear();
        // Every action still answers without a crash, and nothing counts as studied.
        for (const char* button : {"Command10_1", "Command10_0", "cmdRandomWord", "studiedit",
                                   "chkDiff_1", "Command12"})
            s.click(QLatin1String(button));
        QTest::keyClicks(s.find("txtFind"), QStringLiteral("ab"));
        QCOMPARE(s.text("lblRdSess"), QStringLiteral("0"));
        QCOMPARE(s.word(), QString());
        QCOMPARE(s.messages.requests.size(), 2); // "Word Not Found", once a letter
    }

    void markingStudiedCountsAndReachesTheFile() {
        Session s;
        s.click("Command10_1"); // abate, read twice before
        s.click("studiedit");
        s.click("studiedit");
        QCOMPARE(s.text("lblRdSess"), QStringLiteral("2"));
        QCOMPARE(s.text("lblRdCnt"), QStringLiteral("4"));
        QCOMPARE(s.db.scalar("select readcount || lastread || sessionbm from words where "
                             "name='abate'")
                     .toString(),
                 QStringLiteral("4") + QDate::currentDate().toString(Qt::ISODate) + u'1');
        QCOMPARE(s.text("Label12"), QDate::currentDate().toString(QStringLiteral("d/MMM/yy")));
    }

    void aStudyThatDidNotHappenDoesNotCount() {
        Session s(FixtureDb::defaultWords(), {0.99}); // the last word
        s.click("Command10_1"); // past the end: no word on the card
        QCOMPARE(s.word(), QString());
        const QString before = s.db.dump();
        for (const char* control : {"studiedit", "chkDiff_0", "chkDiff_1", "cmdEdit"})
            QVERIFY2(!s.find(QLatin1String(control))->isEnabled(), control);
        QTest::keyClick(s.form.get(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(s.text("lblRdSess"), QStringLiteral("0"));
        QVERIFY(!s.find<QCheckBox>("chkDiff_0")->isChecked());
        QCOMPARE(s.db.dump(), before);
    }

    void theTimerPausesAndResumes() {
        Session s;
        s.session->timer().setMinuteLength(5);
        QTRY_VERIFY(s.text("Label15_1").toInt() >= 1);
        s.click("Command8");
        QVERIFY(!s.session->timer().isRunning());
        QCOMPARE(s.text("Label16"), QStringLiteral("Timer PAUSED"));
        QCOMPARE(s.text("Command8"), QStringLiteral("Continue"));
        const QString minutes = s.text("Label15_1");
        QTest::qWait(30);
        QCOMPARE(s.text("Label15_1"), minutes);
        s.click("studiedit"); // marking resumes it, minutes kept
        QVERIFY(s.session->timer().isRunning());
        QCOMPARE(s.text("Label16"), QStringLiteral("Time Elapsed"));
        QCOMPARE(s.text("Command8"), QStringLiteral("Pause Timer"));
        QTest::mouseClick(s.find("Label16"), Qt::LeftButton); // the caption pauses it too
        QVERIFY(!s.session->timer().isRunning());
        s.click("Command10_1"); // so does a step
        QVERIFY(s.session->timer().isRunning());
    }

    void difficultyMarks_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown"); // Label20, Label22
        QTest::newRow("very difficult sets difficult") << QStringList{"chkDiff_1"} << "11"
                                                       << "##";
        QTest::newRow("clearing difficult clears both")
            << QStringList{"chkDiff_1", "chkDiff_0"} << "00" << "";
        QTest::newRow("difficult alone") << QStringList{"chkDiff_0"} << "10"
                                         << "#";
        QTest::newRow("very difficult on and off")
            << QStringList{"chkDiff_1", "chkDiff_1"} << "10" << "#";
    }
    void difficultyMarks() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        Session s; // abase: Easy
        for (const QString& box : clicks)
            s.click(box);
        QCOMPARE(marksOf(s, "abase"), stored);
        QCOMPARE(s.text("Label20") + s.text("Label22"), shown);
        QCOMPARE(s.find<QCheckBox>("chkDiff_0")->isChecked(), stored[0] == u'1');
        QCOMPARE(s.find<QCheckBox>("chkDiff_1")->isChecked(), stored[1] == u'1');
    }

    void movingNeverWritesTheMarksBack() {
        Session s;
        const QString before = s.db.dump();
        for (int i = 0; i < 12; ++i)
            s.click("Command10_1");
        for (int i = 0; i < 12; ++i)
            s.click("Command10_0");
        s.click("cmdRandomWord");
        QCOMPARE(s.db.dump(), before);
    }

    void navigationButtonsAtTheEnds() {
        Session s(FixtureDb::defaultWords(), {0.99}); // starts on the last word, o'clock
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        s.click("Command10_1");
        QVERIFY(s.find("Command10_1")->isEnabled());
        QCOMPARE(s.word(), QString()); // past the last word the card is empty
        QCOMPARE(s.text("Label10_1"), QString());
        s.click("Command10_1");
        QVERIFY(!s.find("Command10_1")->isEnabled());
        s.click("Command10_0");
        QVERIFY(s.find("Command10_1")->isEnabled());
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        auto* gone = s.find<QListWidget>("lstRead");
        QCOMPARE(gone->item(gone->count() - 1)->text(), QStringLiteral("o'clock"));
    }

    void arrowKeysStepWhenNotTyping() {
        Session s;
        s.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
        QWidget* mark = s.find("studiedit");
        mark->setFocus();
        QTest::keyClick(mark, Qt::Key_Right);
        QCOMPARE(s.word(), QStringLiteral("abate"));
        QTest::keyClick(mark, Qt::Key_Left);
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QWidget* findBox = s.find("txtFind");
        findBox->setFocus();
        QTest::keyClick(findBox, Qt::Key_Right);
        QCOMPARE(s.word(), QStringLiteral("abase"));
    }

    void findAsYouTypeWithTheMessage() {
        Session s;
        s.click("Command10_1");
        s.click("Command10_1"); // abstruse
        auto* findBox = s.find<QLineEdit>("txtFind");
        QTest::keyClicks(findBox, QStringLiteral("a"));
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QTest::keyClicks(findBox, QStringLiteral("c"));
        QCOMPARE(s.word(), QStringLiteral("acerbic"));
        QVERIFY(s.messages.requests.isEmpty());
        QTest::keyClicks(findBox, QStringLiteral("x"));
        QCOMPARE(s.messages.texts(),
                 QStringList{"Word Not Found\r\n\r\nYou can ADD new words. Click on the Add Word "
                             "button on the Menu above"});
        QCOMPARE(s.messages.requests.first().title, QStringLiteral("Verbaloom!"));
        QCOMPARE(s.word(), QStringLiteral("acerbic"));
        findBox->setText(QStringLiteral("o'c"));
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        const int listed = s.find<QListWidget>("lstRead")->count();
        findBox->clear();
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QCOMPARE(s.find<QListWidget>("lstRead")->count(), listed); // find adds nothing
        QVERIFY(s.speech.spoken.isEmpty());
    }

    void displayModesAndTheHint() {
        Session s;
        auto* hint = s.find<QPushButton>("btnHint");
        s.click("Option1_1"); // Guess Words
        QVERIFY(!shown(s, "Text1") && shown(s, "lblMsg") && shown(s, "Text2"));
        QTest::mousePress(hint, Qt::LeftButton);
        QVERIFY(shown(s, "Text1") && !shown(s, "lblMsg"));
        QTest::mouseRelease(hint, Qt::LeftButton);
        QVERIFY(!shown(s, "Text1"));

        s.click("Option1_0"); // Guess Meanings
        QVERIFY(shown(s, "Text1") && !shown(s, "Text2") && !shown(s, "Text3"));
        QVERIFY(shown(s, "Label6"));
        hint->setFocus();
        QTest::keyPress(hint, Qt::Key_Space);
        QVERIFY(shown(s, "Text2"));
        QTest::keyRelease(hint, Qt::Key_Space);
        QVERIFY(!shown(s, "Text2"));

        s.click("Option1_2"); // Show All Boxes: the hint changes nothing
        QTest::mousePress(hint, Qt::LeftButton);
        QTest::mouseRelease(hint, Qt::LeftButton);
        QVERIFY(shown(s, "Text1") && shown(s, "Text2") && shown(s, "Text3"));
    }

    void randomBoxesChooseAfreshForEachWord() {
        Session s(FixtureDb::defaultWords(), {0.0, 0.2, 0.0, 0.7, 0.0, 0.1});
        s.click("Option1_3"); // r = 0.2: Guess Meanings
        QVERIFY(!shown(s, "Text2") && shown(s, "Text1"));
        s.click("Command10_1"); // r = 0.0 again: Guess Meanings
        s.click("Command10_1"); // r = 0.7: Guess Words
        QVERIFY(!shown(s, "Text1") && shown(s, "Text2"));
    }

    void readingAloud() {
        Session s;
        s.click("Command12");
        QTest::mouseClick(s.find("Label1"), Qt::LeftButton);
        QTest::mouseClick(s.find("Label2"), Qt::LeftButton);
        for (int i = 0; i < 3; ++i)
            control<QAction>(s.form.get(), QStringLiteral("mnuReadit_%1").arg(i))->trigger();
        QCOMPARE(s.speech.spoken,
                 (QStringList{"abase", "abase", "meaning of abase", "abase", "meaning of abase",
                              "They used --- in a sentence about 1."}));
        s.speech.spoken.clear();
        s.click("chkPLock");
        s.click("Command10_1");
        s.click("Command10_0");
        s.click("cmdRandomWord");
        QCOMPARE(s.speech.spoken, (QStringList{"abate", "abase", "abase"}));
    }

    void theReadMenuOpensOnTheRightButton() {
        Session s;
        QTest::mouseClick(s.find("Command12"), Qt::RightButton);
        auto* menu = control<QMenu>(s.form.get(), QStringLiteral("mnuRead"));
        QVERIFY(menu->isVisible());
        menu->close();
        QVERIFY(s.speech.spoken.isEmpty());
    }

    void theListOfWordsGoneThroughLooksUpEachWord() {
        Session s(FixtureDb::defaultWords(), {0.99});
        s.click("Command10_0"); // venal
        s.click("Command10_1"); // o'clock again
        auto* gone = s.find<QListWidget>("lstRead");
        QCOMPARE(gone->count(), 3);
        const auto pick = [&](int row) {
            gone->setCurrentRow(row);
            emit gone->itemClicked(gone->item(row));
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("frmMisc") && w->isVisible())
                    return control<QLabel>(w, QStringLiteral("Label1"))->text();
            return QString();
        };
        QCOMPARE(pick(1),
                 QStringLiteral(
                     "meaning of venal\r\n\r\n\r\nUsage: \r\nThey used --- in a sentence about 5."));
        QCOMPARE(pick(2).left(16), QStringLiteral("meaning of o'clo"));
    }

    void aSmallScreenScrollsAndKeepsEveryControl() {
        Session s;
        s.form->resize(800, 560); // an 800 x 600 screen less the window frame
        QVERIFY(s.form->minimumSizeHint().width() <= 800);
        QVERIFY(s.form->minimumSize().width() <= 800 && s.form->minimumSize().height() <= 560);
        QApplication::processEvents();
        auto* scroll = s.find<QScrollArea>("mainScroll");
        // Whatever does not fit is scrolled to, never squeezed: each control keeps at least
        // the room its text needs.
        for (const char* name : {"Command8", "studiedit", "Command10_1", "cmdEdit", "chkDiff_1"}) {
            QWidget* w = s.find(QLatin1String(name));
            QVERIFY2(w->width() >= w->minimumSizeHint().width(), name);
            scroll->ensureWidgetVisible(w);
            const QRect at(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size());
            QVERIFY2(scroll->viewport()->rect().contains(at), name);
        }
    }

    void aTallWindowLeavesNoGapUnderTheCard() {
        Session s;
        s.form->resize(1280, 1200);
        QApplication::processEvents();
        QWidget* usage = s.find("Text3");
        QWidget* previous = s.find("Command10_0");
        const int usageBottom = usage->mapTo(s.form.get(), QPoint(0, usage->height())).y();
        const int buttonsTop = previous->mapTo(s.form.get(), QPoint(0, 0)).y();
        QVERIFY2(buttonsTop - usageBottom < 40, qPrintable(QString::number(buttonsTop - usageBottom)));
    }

    void closingRestoresAChangedScreen() {
        Session s(FixtureDb::defaultWords(), {0.0}, false);
        s.modes.changeResolution(800, 600);
        StartModule::GetScreenSize(s.modes);
        QVERIFY(StartModule::needsResolutionChange(StartModule::savedScreenWidth));
        StartModule::ChangeResolution(s.modes, 1024, 768);
        s.start();
        s.form->close();
        QCOMPARE(s.modes.changes,
                 (QList<QSize>{QSize(800, 600), QSize(1024, 768), QSize(800, 600)}));
        StartModule::savedScreenWidth = -1;
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
