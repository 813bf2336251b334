// The One Spot ticker driven as a learner would: opened from the toolbar, stepped by hand and
// by its timer in both orders, listening, following the main window, and waiting while a
// window holds the session.
#include "support/MainWindowSession.h"
#include "ui/Look.h"
#include "views/TickerWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace {
// The default fixture's words in table order.
const QStringList kWords{"abase",   "abate",    "abstruse", "acerbic",
                         "Laconic", "obdurate", "venal",    "o'clock"};

TickerWindow* openTicker(MainWindowSession& s) {
    s.toolbar(QStringLiteral("One Spot"));
    return control<TickerWindow>(s.form.get(), QStringLiteral("frmShowAll"));
}

template <class T = QWidget> T* in(TickerWindow* t, const char* name) {
    return control<T>(t, QString::fromLatin1(name));
}

QString shown(TickerWindow* t) {
    return in<QLineEdit>(t, "Text1")->text();
}

QColor ink() {
    return Look::colour(Look::Colour::Ink);
}

QColor mark() {
    return Look::colour(Look::Colour::Mark);
}

QColor shownColor(TickerWindow* t) {
    return in<QLineEdit>(t, "Text1")->palette().color(QPalette::Text);
}

void chooseSpeed(TickerWindow* t, const QString& text) {
    // As with the keyboard: the list moves and reports the pick.
    auto* speed = in<QComboBox>(t, "cmbSpeed");
    const int target = speed->findText(text);
    QVERIFY(target >= 0);
    speed->setFocus();
    while (speed->currentIndex() < target)
        QTest::keyClick(speed, Qt::Key_Down);
    while (speed->currentIndex() > target)
        QTest::keyClick(speed, Qt::Key_Up);
}

void click(TickerWindow* t, const char* name) {
    QTest::mouseClick(in<QAbstractButton>(t, name), Qt::LeftButton);
}

// Lets the real timer step at a short test interval until the session has stepped n times,
// then switches the ticker off.
void runTicks(MainWindowSession& s, TickerWindow* t, int n) {
    QSignalSpy steps(s.session.get(), &StudySession::stepped);
    in<QTimer>(t, "Timer1")->setInterval(10);
    QTRY_VERIFY_WITH_TIMEOUT(steps.size() >= n, 20000);
    click(t, "chkTickerOnOff");
    QVERIFY(!in<QTimer>(t, "Timer1")->isActive());
}
} // namespace

class TestTickerWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "Label14" << "One Spot - Ticker";
        QTest::newRow("mark") << "studiedit" << "Mark it. I've Studied.";
        QTest::newRow("random") << "Command3" << "&Random Word";
        QTest::newRow("previous") << "Command10_0" << "Previous Word";
        QTest::newRow("next") << "Command10_1" << "Next Word";
        QTest::newRow("switch") << "chkTickerOnOff" << "Ticker On/Off";
        QTest::newRow("speed") << "Label1" << "Speed";
        QTest::newRow("random order") << "Option1_0" << "Random words";
        QTest::newRow("sequential") << "Option1_1" << "Sequential";
        QTest::newRow("listen") << "chkListen" << "LISTEN AUTOMATICALLY";
    }
    void captions() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        MainWindowSession s;
        TickerWindow* t = openTicker(s);
        QCOMPARE(MainWindowSession::textOf(control(t, name)), text);
    }

    void oneSpotShowsTheWordOffAndClearsAlwaysPronounce() {
        MainWindowSession s;
        s.click(QStringLiteral("chkPLock"));
        TickerWindow* t = openTicker(s);
        QVERIFY(t->isVisible());
        QCOMPARE(t->windowTitle(), QStringLiteral("One Spot - Ticker"));
        QVERIFY(!s.find<QCheckBox>(QStringLiteral("chkPLock"))->isChecked());
        QCOMPARE(shown(t), QStringLiteral("abase"));
        QCOMPARE(in<QPlainTextEdit>(t, "Text2")->toPlainText(),
                 QStringLiteral("MEANING: \nmeaning of abase\n\nUSAGE: \nThey used --- in a "
                                "sentence about 1."));
        QVERIFY(!in<QCheckBox>(t, "chkTickerOnOff")->isChecked());
        QVERIFY(in<QGroupBox>(t, "frameTicker")->isHidden());
        QCOMPARE(in<QComboBox>(t, "cmbSpeed")->currentText(), QStringLiteral("Slow"));
        QVERIFY(in<QRadioButton>(t, "Option1_0")->isChecked());
        QVERIFY(!in<QTimer>(t, "Timer1")->isActive());
        QVERIFY(s.speech.spoken.isEmpty());
        // The main window's steps show here too.
        s.click(QStringLiteral("Command10_1"));
        QCOMPARE(shown(t), QStringLiteral("abate"));
    }

    void speedsSetTheIntervalAndOfferListening() {
        MainWindowSession s;
        TickerWindow* t = openTicker(s);
        auto* timer = in<QTimer>(t, "Timer1");
        auto* listen = in<QCheckBox>(t, "chkListen");
        click(t, "chkTickerOnOff");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 4000);
        QVERIFY(in<QGroupBox>(t, "frameTicker")->isVisible());
        QVERIFY(listen->isVisible());
        click(t, "chkListen");

        chooseSpeed(t, QStringLiteral("Very Fast"));
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(listen->isHidden());
        chooseSpeed(t, QStringLiteral("Medium"));
        QCOMPARE(timer->interval(), 3000);
        // Ticked but not offered: a step is silent.
        runTicks(s, t, 1);
        QVERIFY(s.speech.spoken.isEmpty());
        // Back at a slow speed the box, still ticked, is heard again.
        click(t, "chkTickerOnOff");
        chooseSpeed(t, QStringLiteral("Very Slow"));
        QCOMPARE(timer->interval(), 6000);
        QVERIFY(listen->isVisible() && listen->isChecked());
        QVERIFY(timer->isActive());
        runTicks(s, t, 1);
        QVERIFY(!s.speech.spoken.isEmpty());

        QVERIFY(in<QGroupBox>(t, "frameTicker")->isHidden());
        QVERIFY(!in<QComboBox>(t, "cmbSpeed")->isEnabled());
    }

    void randomStepsShowThePickWithItsMarks_data() {
        QTest::addColumn<int>("pick");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("Easy") << 3 << "acerbic " << ink();
        QTest::newRow("Difficult") << 5 << "obdurate " << mark();
        QTest::newRow("Very Difficult") << 2 << "abstruse #" << mark();
        QTest::newRow("Very Difficult mark alone") << 4 << "Laconic #" << ink();
        // The first word: the word itself, not the position before it.
        QTest::newRow("first word") << 0 << "abase " << ink();
    }
    void randomStepsShowThePickWithItsMarks() {
        QFETCH(int, pick);
        QFETCH(QString, text);
        QFETCH(QColor, color);
        std::deque<double> draws{0.99}; // start-up shows the last word
        for (double d : MainWindowSession::picks({pick}, 8))
            draws.push_back(d);
        MainWindowSession s(FixtureDb::defaultWords(), draws);
        TickerWindow* t = openTicker(s);
        click(t, "Command3");
        QCOMPARE(s.word(), kWords[pick]);
        QCOMPARE(s.text(QStringLiteral("Label10_1")), QString::number(pick + 1));
        QCOMPARE(shown(t), text);
        QCOMPARE(shownColor(t), color);
        // The same word again by the ticker's keys keeps one suffix.
        QVERIFY(QTest::qWaitForWindowActive(t));
        QTest::keyClick(t, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(s.word(), kWords.value(pick + 1));
        QTest::keyClick(t, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(shown(t), text);
    }

    void aRandomRunListensToWordThenMeaning() {
        std::deque<double> draws{0.0};
        for (double d : MainWindowSession::picks({2, 6, 0, 5}, 8))
            draws.push_back(d);
        MainWindowSession s(FixtureDb::defaultWords(), draws);
        TickerWindow* t = openTicker(s);
        click(t, "chkTickerOnOff");
        click(t, "chkListen");
        runTicks(s, t, 4);
        QCOMPARE(s.speech.spoken.mid(0, 8),
                 (QStringList{"abstruse", "meaning of abstruse", "venal", "meaning of venal",
                              "abase", "meaning of abase", "obdurate", "meaning of obdurate"}));
        // Each step was the session's own: the main window lists the words gone through.
        auto* goneThrough = s.find<QListWidget>(QStringLiteral("lstRead"));
        QCOMPARE(goneThrough->item(1)->text(), QStringLiteral("abstruse"));
        QCOMPARE(goneThrough->item(4)->text(), QStringLiteral("obdurate"));
        // Off means off: no step after the switch.
        const int heardSoFar = int(s.speech.spoken.size());
        QTest::qWait(60);
        QCOMPARE(s.speech.spoken.size(), heardSoFar);
    }

    void aSequentialRunGoesOnPastTheLastWord() {
        MainWindowSession s(FixtureDb::defaultWords(), {0.99}); // o'clock, the last word
        TickerWindow* t = openTicker(s);
        s.click(QStringLiteral("Command10_0")); // venal
        click(t, "Option1_1");
        click(t, "chkTickerOnOff");
        click(t, "chkListen");
        runTicks(s, t, 3);
        QCOMPARE(s.speech.spoken.mid(0, 4), (QStringList{"o'clock", "meaning of o'clock", "", ""}));
        // Past the end the session has no word and Next gave up; the ticker shows the one
        // blank of its suffix.
        QCOMPARE(s.word(), QString());
        QVERIFY(!s.find<QPushButton>(QStringLiteral("Command10_1"))->isEnabled());
        QCOMPARE(shown(t), QStringLiteral(" "));
        // Stepping back lands on the last word again.
        click(t, "Command10_0");
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        QCOMPARE(shown(t), QStringLiteral("o'clock "));
        QVERIFY(s.find<QPushButton>(QStringLiteral("Command10_1"))->isEnabled());
    }

    void theMainWindowsOwnStepsShowThePlainWord() {
        MainWindowSession s;
        TickerWindow* t = openTicker(s);
        click(t, "Command10_1"); // abate, Difficult: red
        QCOMPARE(shown(t), QStringLiteral("abate "));
        QCOMPARE(shownColor(t), mark());
        s.click(QStringLiteral("Command10_1"));
        QCOMPARE(shown(t), QStringLiteral("abstruse"));
        QCOMPARE(shownColor(t), mark());
        click(t, "Command10_1"); // acerbic, Easy: black
        QCOMPARE(shownColor(t), ink());
        QCOMPARE(s.find<QListWidget>(QStringLiteral("lstRead"))->count(), 4);
    }

    void markAndPronounceWorkOnTheSessionsWord() {
        MainWindowSession s;
        TickerWindow* t = openTicker(s);
        click(t, "Command10_1"); // abate, read twice
        click(t, "studiedit");
        QCOMPARE(s.db.scalar("select readcount from words where name='abate'").toInt(), 3);
        QCOMPARE(shown(t), QStringLiteral("abate ")); // still the word the step showed
        QCOMPARE(s.text(QStringLiteral("lblRdSess")), QStringLiteral("1"));
        QVERIFY(QTest::qWaitForWindowActive(t));
        QTest::keyClick(t, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(s.db.scalar("select readcount from words where name='abate'").toInt(), 4);
        click(t, "Command12");
        QCOMPARE(s.speech.spoken, QStringList{"abate"});
    }

    // The quiz, the game and the edit window hold the session: the ticker must neither step
    // the word away from them nor talk over them, and carries on once they let go.
    void aHeldSessionPausesTheTicker_data() {
        QTest::addColumn<QString>("speed");
        QTest::newRow("Very Fast") << "Very Fast";
        QTest::newRow("Very Slow, listening") << "Very Slow";
    }
    void aHeldSessionPausesTheTicker() {
        QFETCH(QString, speed);
        MainWindowSession s;
        TickerWindow* t = openTicker(s);
        click(t, "chkTickerOnOff");
        click(t, "chkListen");
        chooseSpeed(t, speed);
        auto* timer = in<QTimer>(t, "Timer1");
        const int interval = timer->interval();
        s.session->hold();
        // Several ticks' worth, at a test interval.
        timer->setInterval(10);
        const QString word = s.word();
        QTest::qWait(120);
        QCOMPARE(s.word(), word);
        QVERIFY(s.speech.spoken.isEmpty());
        QVERIFY(!timer->isActive());
        // The ticker's own buttons wait as well.
        click(t, "Command3");
        click(t, "Command10_1");
        QCOMPARE(s.word(), word);
        QCOMPARE(shown(t), word);

        s.session->release();
        QVERIFY(timer->isActive());
        QSignalSpy steps(s.session.get(), &StudySession::stepped);
        QTRY_VERIFY(steps.size() >= 2);
        QCOMPARE(s.speech.spoken.isEmpty(), speed == QLatin1String("Very Fast"));
        click(t, "chkTickerOnOff");
        QCOMPARE(interval, speed == QLatin1String("Very Fast") ? 1000 : 6000);
    }

    void closingDiscardsItAndOneSpotOpensAFreshOne() {
        MainWindowSession s;
        QPointer<TickerWindow> t = openTicker(s);
        click(t, "chkTickerOnOff");
        t->close();
        QTRY_VERIFY(!t);
        s.click(QStringLiteral("Command10_1"));
        TickerWindow* fresh = openTicker(s);
        QVERIFY(fresh->isVisible());
        QVERIFY(!in<QCheckBox>(fresh, "chkTickerOnOff")->isChecked());
        QVERIFY(!in<QTimer>(fresh, "Timer1")->isActive());
        QCOMPARE(shown(fresh), QStringLiteral("abate"));
    }
};

QTEST_MAIN(TestTickerWindow)
#include "tst_tickerwindow.moc"
