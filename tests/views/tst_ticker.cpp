// The One Spot ticker driven as a learner would: opened from the toolbar, stepped by hand and
// by its timer in both orders, listening, and kept up to date while hidden.
#include "data/DataSource.h"
#include "support/MainWindowSession.h"
#include "views/frmShowAll.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>

namespace {
// The default fixture's words in table order, and their levels.
const QStringList kWords{"abase",   "abate",    "abstruse", "acerbic",
                         "Laconic", "obdurate", "venal",    "o'clock"};

QString details(const QString& word, int group) {
    return QStringLiteral(
               "MEANING: \nmeaning of %1\n\nUSAGE: \nThey used --- in a sentence about %2.")
        .arg(word)
        .arg(group);
}

void chooseSpeed(frmShowAll* t, const QString& text) {
    // As with the keyboard: the list moves and reports the pick.
    const int target = t->cmbSpeed->findText(text);
    QVERIFY(target >= 0);
    t->cmbSpeed->setFocus();
    while (t->cmbSpeed->currentIndex() < target)
        QTest::keyClick(t->cmbSpeed, Qt::Key_Down);
    while (t->cmbSpeed->currentIndex() > target)
        QTest::keyClick(t->cmbSpeed, Qt::Key_Up);
}

// Lets the real timer step at a short test interval until the voice has heard n texts.
void runUntilSpoken(MainWindowSession& s, frmShowAll* t, int n) {
    t->Timer1->setInterval(10);
    QTRY_VERIFY_WITH_TIMEOUT(s.speech.spoken.size() >= n, 20000);
    QTest::mouseClick(t->chkTickerOnOff, Qt::LeftButton);
    QVERIFY(!t->Timer1->isActive());
}
} // namespace

class TestTicker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void itIsThereHiddenFromTheFirstWordAndOff() {
        MainWindowSession s;
        frmShowAll* t = s.form->tickerWindow();
        QVERIFY(t);
        QVERIFY(!t->isVisible());
        QCOMPARE(t->Text1->text(), QStringLiteral("abase"));
        QCOMPARE(t->Text2->toPlainText(), details("abase", 1));
        QCOMPARE(t->windowTitle(), QStringLiteral("One Spot - Ticker"));
        QCOMPARE(t->Label14->text(), QStringLiteral("One Spot - Ticker"));
        QCOMPARE(t->studiedit->text(), QStringLiteral("Mark it. I've Studied."));
        QCOMPARE(t->studiedit->toolTip(),
                 QStringLiteral("Studied the word? Then Click it to keep track."));
        QCOMPARE(t->Command3->text(), QStringLiteral("&Random Word"));
        QCOMPARE(t->Command3->toolTip(), QStringLiteral("Click to get a Random word"));
        QCOMPARE(t->Command10[0]->text(), QStringLiteral("Previous Word"));
        QCOMPARE(t->Command10[1]->text(), QStringLiteral("Next Word"));
        QCOMPARE(t->chkTickerOnOff->text(), QStringLiteral("Ticker On/Off"));
        QVERIFY(!t->chkTickerOnOff->isChecked());
        QCOMPARE(t->frameTicker->title(), QStringLiteral("Ticker"));
        QVERIFY(t->frameTicker->isHidden());
        QCOMPARE(t->Label1->text(), QStringLiteral("Speed"));
        QCOMPARE(t->cmbSpeed->currentText(), QStringLiteral("Slow"));
        QCOMPARE(t->cmbSpeed->count(), 5);
        QCOMPARE(t->Option1[0]->text(), QStringLiteral("Random words"));
        QCOMPARE(t->Option1[1]->text(), QStringLiteral("Sequential"));
        QVERIFY(t->Option1[0]->isChecked());
        QCOMPARE(t->chkListen->text(), QStringLiteral("LISTEN AUTOMATICALLY"));
        QVERIFY(!t->chkListen->isChecked());
        QVERIFY(!t->listening());
        QVERIFY(!t->Timer1->isActive());
        QCOMPARE(t->Timer1->interval(), 0);
        QCOMPARE(t->Text1->font().pointSizeF(), 27.75);
        QVERIFY(t->Text1->font().bold());

        // Hidden, it still follows the card.
        s.click(s.form->Command10[1]);
        QCOMPARE(t->Text1->text(), QStringLiteral("abate"));
        QCOMPARE(t->Text2->toPlainText(), details("abate", 1));
    }

    void oneSpotShowsItAndClearsAlwaysPronounce() {
        MainWindowSession s;
        s.form->chkPLock->setChecked(true);
        QAction* oneSpot = s.form->Toolbar1->findChild<QAction*>(QStringLiteral("One Spot"));
        QVERIFY(oneSpot);
        oneSpot->trigger();
        frmShowAll* t = s.form->tickerWindow();
        QVERIFY(t && t->isVisible());
        QVERIFY(!s.form->chkPLock->isChecked());
        QCOMPARE(t->Text1->text(), QStringLiteral("abase"));
        QVERIFY(s.speech.spoken.isEmpty());
    }

    void speedsSetTheIntervalAndOfferListening() {
        MainWindowSession s;
        frmShowAll* t = s.form->tickerWindow();
        t->show();
        QTest::mouseClick(t->chkTickerOnOff, Qt::LeftButton);
        QVERIFY(t->Timer1->isActive());
        QCOMPARE(t->Timer1->interval(), 4000);
        QVERIFY(t->frameTicker->isVisible());
        QVERIFY(t->cmbSpeed->isEnabled());
        QVERIFY(t->chkListen->isVisible());
        QTest::mouseClick(t->chkListen, Qt::LeftButton);
        QVERIFY(t->listening());

        chooseSpeed(t, QStringLiteral("Very Fast"));
        QCOMPARE(t->Timer1->interval(), 1000);
        QVERIFY(t->chkListen->isHidden());
        QVERIFY(!t->listening());
        chooseSpeed(t, QStringLiteral("Medium"));
        QCOMPARE(t->Timer1->interval(), 3000);
        QVERIFY(!t->listening());
        // Back to a slow speed: the box was left ticked, so listening comes back.
        chooseSpeed(t, QStringLiteral("Very Slow"));
        QCOMPARE(t->Timer1->interval(), 6000);
        QVERIFY(t->chkListen->isVisible());
        QVERIFY(t->listening());
        QVERIFY(t->Timer1->isActive());

        QTest::mouseClick(t->chkTickerOnOff, Qt::LeftButton);
        QVERIFY(!t->Timer1->isActive());
        QVERIFY(t->frameTicker->isHidden());
        QVERIFY(!t->cmbSpeed->isEnabled());
    }

    void randomStepsShowThePickWithItsMarks_data() {
        QTest::addColumn<int>("pick");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("Easy") << 3 << "acerbic " << QColor(Qt::black);
        QTest::newRow("Difficult") << 5 << "obdurate " << QColor(Qt::red);
        QTest::newRow("Very Difficult") << 2 << "abstruse #" << QColor(Qt::red);
        // The first word: the word itself, not the position before it.
        QTest::newRow("first word") << 0 << "abase " << QColor(Qt::black);
    }
    void randomStepsShowThePickWithItsMarks() {
        QFETCH(int, pick);
        QFETCH(QString, text);
        QFETCH(QColor, color);
        std::deque<double> draws{0.99}; // start-up shows the last word
        for (double d : MainWindowSession::picks({pick}, 8))
            draws.push_back(d);
        MainWindowSession s(FixtureDb::defaultWords(), draws);
        frmShowAll* t = s.form->tickerWindow();
        t->show();
        s.click(t->Command3);
        QCOMPARE(s.word(), kWords[pick]);
        QCOMPARE(s.form->Label10[1]->text(), QString::number(pick + 1));
        QCOMPARE(t->Text1->text(), text);
        QCOMPARE(t->wordColor(), color);
        // The same word again keeps one suffix.
        t->Command10_Click(1);
        t->Command10_Click(0);
        QCOMPARE(t->Text1->text(), text);
    }

    void aRandomRunListensToWordThenMeaning() {
        std::deque<double> draws{0.0};
        for (double d : MainWindowSession::picks({2, 6, 0, 5}, 8))
            draws.push_back(d);
        MainWindowSession s(FixtureDb::defaultWords(), draws);
        frmShowAll* t = s.form->tickerWindow();
        t->show();
        QTest::mouseClick(t->chkTickerOnOff, Qt::LeftButton);
        QTest::mouseClick(t->chkListen, Qt::LeftButton);
        runUntilSpoken(s, t, 8);
        const QStringList heard = s.speech.spoken.mid(0, 8);
        QCOMPARE(heard,
                 (QStringList{"abstruse", "meaning of abstruse", "venal", "meaning of venal",
                              "abase", "meaning of abase", "obdurate", "meaning of obdurate"}));
        // Each step went through the main window's own random word.
        QCOMPARE(s.form->lstRead->item(1)->text(), QStringLiteral("abstruse"));
        QCOMPARE(s.form->lstRead->item(4)->text(), QStringLiteral("obdurate"));
        // Off means off: no step after the switch.
        const int heardSoFar = s.speech.spoken.size();
        QTest::qWait(60);
        QCOMPARE(s.speech.spoken.size(), heardSoFar);
    }

    void aSequentialRunGoesOnPastTheLastWord() {
        MainWindowSession s(FixtureDb::defaultWords(), {0.99}); // o'clock, the last word, first
        frmShowAll* t = s.form->tickerWindow();
        t->show();
        s.form->Command10_Click(0); // venal
        QTest::mouseClick(t->Option1[1], Qt::LeftButton);
        QTest::mouseClick(t->chkTickerOnOff, Qt::LeftButton);
        QTest::mouseClick(t->chkListen, Qt::LeftButton);
        runUntilSpoken(s, t, 6);
        QCOMPARE(s.speech.spoken.mid(0, 4), (QStringList{"o'clock", "meaning of o'clock", "", ""}));
        // Past the end the main window shows no word and its Next button gave up; the ticker
        // shows what the main window shows, with the one blank of its suffix.
        QCOMPARE(s.word(), QString());
        QVERIFY(!s.form->Command10[1]->isEnabled());
        QCOMPARE(t->Text1->text(), QStringLiteral(" "));
        t->Timer1_Timer();
        QCOMPARE(t->Text1->text(), QStringLiteral(" "));
        // Stepping back lands on the last word again.
        s.click(t->Command10[0]);
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        QCOMPARE(t->Text1->text(), QStringLiteral("o'clock "));
        QVERIFY(s.form->Command10[1]->isEnabled());
    }

    void aSequentialStepWithoutListeningSpeaksNothing() {
        MainWindowSession s;
        frmShowAll* t = s.form->tickerWindow();
        t->show();
        QTest::mouseClick(t->Option1[1], Qt::LeftButton);
        QTest::mouseClick(t->chkTickerOnOff, Qt::LeftButton);
        t->Timer1_Timer();
        t->Timer1_Timer();
        QCOMPARE(s.word(), QStringLiteral("abstruse"));
        QCOMPARE(t->Text1->text(), QStringLiteral("abstruse #"));
        QCOMPARE(t->wordColor(), QColor(Qt::red));
        QVERIFY(s.speech.spoken.isEmpty());
    }

    void theMainWindowsOwnStepsShowThePlainWord() {
        MainWindowSession s;
        frmShowAll* t = s.form->tickerWindow();
        t->show();
        s.click(t->Command10[1]); // abate, Difficult: red
        QCOMPARE(t->Text1->text(), QStringLiteral("abate "));
        QCOMPARE(t->wordColor(), QColor(Qt::red));
        s.click(s.form->Command10[1]);
        QCOMPARE(t->Text1->text(), QStringLiteral("abstruse"));
        QCOMPARE(t->wordColor(), QColor(Qt::red));
        s.click(t->Command10[1]); // acerbic, Easy: black
        QCOMPARE(t->wordColor(), QColor(Qt::black));
        QCOMPARE(s.form->lstRead->count(), 4);
    }

    void markAndPronounceAreTheMainWindows() {
        MainWindowSession s;
        frmShowAll* t = s.form->tickerWindow();
        t->show();
        s.click(t->Command10[1]); // abate, read twice
        s.click(t->studiedit);
        QCOMPARE(s.db.scalar("select readcount from words where name='abate'").toInt(), 3);
        QCOMPARE(s.form->lblRdSess->text(), QStringLiteral("1"));
        s.click(t->Command12);
        QCOMPARE(s.speech.spoken, QStringList{"abate"});
    }

    void closingDiscardsItUntilTheNextWord() {
        MainWindowSession s;
        s.form->Toolbar1_ButtonClick(QStringLiteral("One Spot"));
        QPointer<frmShowAll> t = s.form->tickerWindow();
        QTest::mouseClick(t->chkTickerOnOff, Qt::LeftButton);
        t->close();
        QTRY_VERIFY(!t);
        QVERIFY(!s.form->tickerWindow());
        s.click(s.form->Command10[1]);
        frmShowAll* fresh = s.form->tickerWindow();
        QVERIFY(fresh && !fresh->isVisible());
        QVERIFY(!fresh->chkTickerOnOff->isChecked());
        QVERIFY(!fresh->Timer1->isActive());
        QCOMPARE(fresh->Text1->text(), QStringLiteral("abate"));
        // One Spot after a close without a new word brings it back at once.
        fresh->close();
        QTRY_VERIFY(!s.form->tickerWindow());
        s.form->Toolbar1_ButtonClick(QStringLiteral("One Spot"));
        QVERIFY(s.form->tickerWindow() && s.form->tickerWindow()->isVisible());
        QCOMPARE(s.form->tickerWindow()->Text1->text(), QStringLiteral("abate"));
    }
};

QTEST_MAIN(TestTicker)
#include "tst_ticker.moc"
