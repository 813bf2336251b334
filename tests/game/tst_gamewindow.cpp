// The word game driven as a learner would: a whole game of seven puzzles through the
// letter picker, the lists, the keyboard and the hints, to the end and the high score;
// short words, a level without words, a word list the game cannot use; the puzzle word
// kept whatever moves the session; the game closed from outside under its own dialogs.
#include "app/Settings.h"
#include "game/HighScoreDialog.h"
#include "game/LetterBoxesPanel.h"
#include "game/LetterPickerDialog.h"
#include "game/WordGameWindow.h"
#include "selection/MainToolbar.h"
#include "support/MainWindowSession.h"
#include "support/WhenModal.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

WordRow word(const QString& name, bool bm = false, bool dbm = false) {
    WordRow r;
    r.name = name;
    r.meaning = QStringLiteral("meaning of %1").arg(name);
    r.example = QStringLiteral("They --- it.");
    r.bookmark = bm;
    r.doublebm = dbm;
    return r;
}

// Whether the control shows the colour: some of its pixels are exactly that colour.
bool shows(QWidget* w, const QColor& colour) {
    const QImage image = w->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                return true;
    return false;
}

// A started main window with the game opened from the toolbar; every draw is 0.
struct Session : MainWindowSession {
    explicit Session(const std::vector<WordRow>& words = FixtureDb::defaultWords(),
                     bool pronounce = false)
        : MainWindowSession(words) {
        if (pronounce)
            find<QAbstractButton>("chkPLock")->click(); // "Always Pronounce"
        wordsGoneThrough = goneThrough();
        toolbar(MainToolbar::Game);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* g = qobject_cast<WordGameWindow*>(w); g && g->isVisible())
                game = g;
        if (game)
            game->move(0, 0); // room under the boxes for the picker
    }
    template <class T = QWidget> T* in(const QString& name) const {
        return control<T>(game.data(), name);
    }
    QString shown(const QString& name) const { return textOf(in(name)); }
    bool visible(const QString& name) const { return in(name)->isVisible(); }
    int goneThrough() const { return find<QListWidget>("lstRead")->count(); }
    QLabel* box(int i) const { return in<QLabel>(QStringLiteral("lblWordLetter_%1").arg(i)); }
    QComboBox* list(int i) const { return in<QComboBox>(QStringLiteral("Combo1_%1").arg(i)); }
    void click(const QString& name) const { QTest::mouseClick(in(name), Qt::LeftButton); }

    // Through the picker: a letter "A".."Z", "show" or "cancel".
    void pick(int i, const QString& choice) const {
        whenModal<LetterPickerDialog>([choice](LetterPickerDialog* p) {
            const QString name =
                choice == QLatin1String("show") ? "cmdShowCorrect"
                : choice == QLatin1String("cancel")
                    ? "cmdCancel"
                    : QStringLiteral("cmdLetter_%1").arg(choice.at(0).unicode() - 'A');
            QTest::mouseClick(control(p, name), Qt::LeftButton);
        });
        QTest::mouseClick(box(i), Qt::LeftButton);
    }
    void type(int i, QChar letter) const { QTest::keyClick(box(i), letter.toLatin1()); }
    void typeTheRest(const QString& puzzle) const {
        for (int i = 0; i < puzzle.size(); ++i)
            if (list(i)->isVisible())
                type(i, puzzle.at(i));
    }
    void typeTheRest() const { typeTheRest(word()); }

    QPointer<WordGameWindow> game;
    int wordsGoneThrough = 0;
};

QVariant registry(const char* value) {
    return HighScoreStore::value(QLatin1String(value));
}

void storeHighScore(const QString& name, const QString& score) {
    HighScoreStore::setValue(QStringLiteral("hsName"), name);
    HighScoreStore::setValue(QStringLiteral("hs1"), score);
}

} // namespace

class TestGameWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }
    void init() { QFile::remove(HighScoreStore::storePath()); }
    void cleanup() { qDeleteAll(modalWaits().children()); }

    void aPuzzleThroughThePickerTheHintsTheKeysAndTheLists() {
        Session s;
        QVERIFY(s.game);
        QVERIFY(!s.form->isEnabled());
        QVERIFY(s.session->isHeld());
        QCOMPARE(s.game->windowTitle(), QStringLiteral("Game"));
        QVERIFY(!s.visible("lblHighScore"));
        QCOMPARE(s.shown("Label1"), QStringLiteral("Total Puzzles Q's: 7"));

        // Puzzle 1 at level 1: the first difficult word.
        QCOMPARE(s.word(), QStringLiteral("abate"));
        QCOMPARE(s.shown("lblPuzzleNo"), QStringLiteral("#  1"));
        QCOMPARE(s.shown("lblPrizeMoney"), QStringLiteral("Points for this Word: 150"));
        QCOMPARE(s.shown("lblMeaning"), QStringLiteral("meaning of abate"));
        QCOMPARE(s.shown("lblExample"), QStringLiteral("They used *****  in a sentence about 1."));
        QCOMPARE(s.shown("lblScore"), QStringLiteral("0"));
        QCOMPARE(s.shown("lblCost"), QStringLiteral("10"));
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(s.visible(QStringLiteral("shapeWLtr_%1").arg(i)), i < 5);
            QCOMPARE(s.list(i)->isVisible(), i < 5);
        }

        // A wrong letter from the picker, which opens under the box; the box greys meanwhile.
        QPoint pickerAt;
        bool greyWhilePicking = false;
        whenModal<LetterPickerDialog>([&](LetterPickerDialog* p) {
            pickerAt = p->pos();
            QCOMPARE(p->windowTitle(), QStringLiteral("Albhabets"));
            greyWhilePicking = shows(s.box(0), Look::colour(Look::Colour::LetterPicking));
            QTest::mouseClick(control(p, "cmdLetter_16"), Qt::LeftButton);
        });
        s.click("lblWordLetter_0");
        QVERIFY(greyWhilePicking);
        const QPoint boxAt = s.box(0)->mapToGlobal(QPoint(0, 0));
        QCOMPARE(pickerAt.x(), boxAt.x());
        QVERIFY(pickerAt.y() > boxAt.y() + s.box(0)->height());
        QCOMPARE(s.box(0)->text(), QStringLiteral("Q"));
        QVERIFY(shows(s.box(0), Look::colour(Look::Colour::LetterWrong)));
        QVERIFY(!shows(s.box(0), Look::colour(Look::Colour::LetterPicking)));
        QCOMPARE(s.shown("lblGuess"),
                 QStringLiteral("Wrong Guess. Take another guess or Click 'Show Correct'"));
        QCOMPARE(s.shown("lblScore"), QStringLiteral("-3"));
        QVERIFY(s.list(0)->isVisible());

        // "First Letter": 10 points, and the next hint costs 20.
        s.click("lblHint1");
        QCOMPARE(s.box(0)->text(), QStringLiteral("A"));
        QVERIFY(shows(s.box(0), Look::colour(Look::Colour::LetterRight)));
        QCOMPARE(s.shown("lblGuess"), QStringLiteral("Correct"));
        QVERIFY(!s.visible("lblHint1"));
        QVERIFY(!s.list(0)->isVisible());
        QCOMPARE(s.shown("lblScore"), QStringLiteral("-13"));
        QCOMPARE(s.shown("lblCost"), QStringLiteral(" 20"));

        // A wrong letter typed into a solved box costs, but the box stays solved.
        s.type(0, 'z');
        QCOMPARE(s.shown("lblScore"), QStringLiteral("-16"));
        QVERIFY(!s.list(0)->isVisible());

        // "Show Correct" in the picker: the cost, then a fifth more, as plain numbers.
        s.pick(1, "show");
        QCOMPARE(s.box(1)->text(), QStringLiteral("B"));
        QCOMPARE(s.shown("lblScore"), QStringLiteral("-36"));
        QCOMPARE(s.shown("lblCost"), QStringLiteral("24"));

        // "Cancel" on an empty box changes nothing.
        s.pick(2, "cancel");
        QCOMPARE(s.box(2)->text(), QString());
        QCOMPARE(s.shown("lblScore"), QStringLiteral("-36"));

        // The keyboard and the list.
        s.type(2, 'a');
        QVERIFY(!s.visible("lblHintThLetter"));
        QTest::keyClick(s.list(3), Qt::Key_T);
        QCOMPARE(s.box(3)->text(), QStringLiteral("T"));
        QVERIFY(!s.list(3)->isVisible());
        QVERIFY(!s.visible("cmdNext"));
        s.type(4, 'e');

        // Solved with two helps: 150 points, the level stays.
        QCOMPARE(s.shown("lblScore"), QStringLiteral(" 114"));
        QCOMPARE(s.shown("lblDiffLevelMsg"),
                 QStringLiteral("Based on your performance, the next puzzle will have difficulty "
                                "level as: DIFFICULT"));
        for (const char* shown :
             {"cmdNext", "imgCorrect", "cmdTalk", "lblDiffLevelMsg", "lblMean2"})
            QVERIFY2(s.visible(shown), shown);
        for (const char* hidden :
             {"lblMeaning", "lblExample", "frameHint", "lblPrizeMoney", "lblGuess"})
            QVERIFY2(!s.visible(hidden), hidden);
        QCOMPARE(s.shown("lblMean2"), QStringLiteral("meaning of abate"));

        // "Show Correct" after solving still charges.
        s.pick(0, "show");
        QCOMPARE(s.shown("lblScore"), QStringLiteral("90"));
        QCOMPARE(s.shown("lblCost"), QStringLiteral("29"));
        s.click("cmdTalk");
        QCOMPARE(s.speech.spoken.last(), QStringLiteral("abate"));
    }

    void aWholeGameToTheHighScore() {
        Session s(FixtureDb::defaultWords(), true);
        s.click("lblHint1");
        s.typeTheRest(); // one help: level 2 next
        QCOMPARE(s.shown("lblScore"), QStringLiteral(" 140"));
        QVERIFY(s.shown("lblDiffLevelMsg").endsWith(": VERY DIFFICULT"));

        // Puzzle 2 on: the hints and their price are back; the very difficult word.
        s.click("cmdNext");
        QCOMPARE(s.shown("lblCost"), QStringLiteral("10"));
        for (const char* hint : {"lblHint1", "lblHint2", "lblHintThLetter", "lblHint3", "lblHint4"})
            QVERIFY2(s.visible(hint), hint);
        QCOMPARE(s.box(0)->text(), QString());
        for (int puzzle = 2; puzzle <= 7; ++puzzle) {
            if (puzzle > 2)
                s.click("cmdNext");
            QCOMPARE(s.shown("lblPuzzleNo"), QStringLiteral("#  %1").arg(puzzle));
            QCOMPARE(s.word(), QStringLiteral("abstruse"));
            QCOMPARE(s.shown("lblPrizeMoney"), QStringLiteral("Points for this Word: 225"));
            s.typeTheRest();
        }
        QCOMPARE(s.shown("lblScore"), QStringLiteral(" 1490"));
        QVERIFY(s.messages.requests.isEmpty());

        // The end: the score, the congratulation and the name.
        const auto named = whenModal<HighScoreDialog>([](HighScoreDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Dialog Caption"));
            QCOMPARE(control<QLabel>(d, "lblPrizeMoney")->text(),
                     QStringLiteral("Enter your name High Scorer"));
            QTest::keyClicks(control(d, "Text1"), QStringLiteral("Anna"));
            QTest::mouseClick(control(d, "OKButton"), Qt::LeftButton);
        });
        s.click("cmdNext");
        QVERIFY(*named);
        QCOMPARE(s.messages.texts(),
                 (QStringList{"over: score:  1490", "You are the highest scorer!"}));
        QCOMPARE(s.messages.requests.first().icon, QMessageBox::NoIcon);
        QCOMPARE(s.messages.requests.first().title, QStringLiteral("Verbaloom!"));
        QCOMPARE(registry("hs1").toString(), QStringLiteral("1490"));
        QCOMPARE(registry("hsName").toString(), QStringLiteral("Anna"));
        QVERIFY(s.visible("cmdNewGame"));
        QVERIFY(s.visible("cmdExitGame"));
        QVERIFY(!s.visible("cmdNext"));

        // Only the seven puzzle words went through the main window, each read aloud.
        QCOMPARE(s.goneThrough(), s.wordsGoneThrough + 7);
        QCOMPARE(s.speech.spoken.count(QStringLiteral("abstruse")), 6);

        // A new game shows the high score and starts afresh.
        s.click("cmdNewGame");
        QCOMPARE(s.shown("lblHighScore"), QStringLiteral("Highest Score:      ANNA   1490 "));
        QVERIFY(s.visible("lblHighScore"));
        QCOMPARE(s.shown("lblScore"), QStringLiteral("0"));
        QCOMPARE(s.shown("lblPuzzleNo"), QStringLiteral("#  1"));
        QVERIFY(!s.visible("cmdNewGame"));
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(s.list(i)->count(), 26);
            QCOMPARE(s.list(i)->itemText(0), QStringLiteral("A"));
            QCOMPARE(s.list(i)->itemText(25), QStringLiteral("Z"));
        }
        s.click("cmdExitGame");
        QVERIFY(s.form->isEnabled());
        QVERIFY(!s.session->isHeld());
        QTRY_VERIFY(!s.game);
    }

    void theKeyboardPlaysAPuzzle() {
        Session s;
        s.game->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.game));
        QCOMPARE(QApplication::focusWidget(), s.box(0));
        // Space opens the picker on the box in focus; its letter keys pick.
        whenModal<LetterPickerDialog>([](LetterPickerDialog* p) { QTest::keyClick(p, Qt::Key_A); });
        QTest::keyClick(s.box(0), Qt::Key_Space);
        QCOMPARE(s.box(0)->text(), QStringLiteral("A"));
        QTRY_COMPARE(QApplication::focusWidget(), s.box(0)); // back once the picker is gone
        QTest::keyClick(s.box(0), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), s.box(1));
        // Each right letter moves on to the next open box.
        for (char letter : {'b', 'a', 't'})
            QTest::keyClick(QApplication::focusWidget(), letter);
        QCOMPARE(QApplication::focusWidget(), s.box(4));
        QTest::keyClick(s.game, Qt::Key_5, Qt::AltModifier); // "Last Letter"
        QVERIFY(s.visible("cmdNext"));
        QCOMPARE(s.shown("lblScore"), QStringLiteral(" 140"));
        QCOMPARE(QApplication::focusWidget(), s.in("cmdNext"));
        QTest::keyClick(s.in("cmdNext"), Qt::Key_Return);
        QCOMPARE(s.shown("lblPuzzleNo"), QStringLiteral("#  2"));
    }

    void theHighScoreIsBeatenOnlyByMore_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("beaten");
        QTest::newRow("equal") << "1500"
                               << "1500" << false;
        QTest::newRow("one less") << "1499"
                                  << "1499" << true;
        QTest::newRow("not a number: none, and the line stays") << "many"
                                                                << "" << true;
    }
    void theHighScoreIsBeatenOnlyByMore() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(bool, beaten);
        storeHighScore("Zoe", stored);
        Session s;
        QVERIFY(s.visible("lblHighScore"));
        QCOMPARE(s.shown("lblHighScore"), "Highest Score:      ZOE   " + shown + " ");
        std::shared_ptr<bool> asked;
        for (int puzzle = 1; puzzle <= 7; ++puzzle) {
            s.typeTheRest(); // 150, then 225 six times
            if (puzzle == 7) // closed without "OK": the name given last time (none) is stored
                asked = whenModal<HighScoreDialog>([](HighScoreDialog* d) { d->close(); });
            s.click("cmdNext");
        }
        QCOMPARE(s.messages.texts().first(), QStringLiteral("over: score:  1500"));
        QCOMPARE(*asked, beaten);
        QCOMPARE(s.messages.requests.size(), beaten ? 2 : 1);
        QCOMPARE(registry("hs1").toString(), beaten ? QStringLiteral("1500") : stored);
        QCOMPARE(registry("hsName").toString(), beaten ? QString() : QStringLiteral("Zoe"));
    }

    void aTwoLetterWordAndItsHints() {
        Session s({word("ox", true)});
        QVERIFY(!s.visible("lblHintThLetter"));
        QVERIFY(!s.visible("lblHint3"));
        s.click("lblHint2"); // the last letter too
        QCOMPARE(s.box(1)->text(), QStringLiteral("X"));
        QVERIFY(!s.visible("lblHint4"));
        QCOMPARE(s.shown("lblScore"), QStringLiteral("-10"));
        s.click("lblHint1"); // reveals the last open letter: solved, and paid for
        QCOMPARE(s.shown("lblScore"), QStringLiteral(" 120"));
        QVERIFY(s.visible("cmdNext"));
        QVERIFY(s.shown("lblDiffLevelMsg").endsWith(": DIFFICULT"));
    }

    void randomLetterOnAThreeLetterWord() {
        Session s({word("awe", true)});
        QVERIFY(s.visible("lblHint3"));
        s.click("lblHint3");
        QCOMPARE(s.box(2)->text(), QStringLiteral("E"));
        QCOMPARE(s.box(0)->text(), QString());
        QVERIFY(!s.visible("lblHint4"));
        QVERIFY(!s.visible("lblHintThLetter"));
        QVERIFY(!s.visible("lblHint3")); // nothing left from the third on
        QCOMPARE(s.shown("lblScore"), QStringLiteral("-10"));
        QCOMPARE(s.shown("lblCost"), QStringLiteral(" 20"));
        s.typeTheRest();
        QCOMPARE(s.shown("lblScore"), QStringLiteral(" 140"));
    }

    void aLevelWithoutWordsTakesTheNearest() {
        Session s({word("abase"), word("venal")});
        QCOMPARE(s.shown("lblPrizeMoney"), QStringLiteral("Points for this Word: 100"));
        s.typeTheRest();
        QCOMPARE(s.shown("lblScore"), QStringLiteral(" 100"));
    }

    void unplayableWordsNeverReachTheMainWindow() {
        Session s({word("Laconic", true), word("o'clock", true), word("self-made", true),
                   word("abcdefghijklmnop", true), word("obdurate", true), word("x y", true)},
                  true);
        QCOMPARE(s.word(), QStringLiteral("obdurate"));
        QCOMPARE(s.goneThrough(), s.wordsGoneThrough + 1);
        QCOMPARE(s.speech.spoken.last(), QStringLiteral("obdurate"));
        QCOMPARE(s.speech.spoken.count(QStringLiteral("obdurate")), s.speech.spoken.size());
    }

    void aWordListWithoutPlayableWordsSaysSoAndCloses() {
        Session s({word("Laconic"), word("o'clock", true)});
        QCOMPARE(s.messages.texts(),
                 QStringList{"No word in the word list can be played. The game needs words of 1 "
                             "to 15 small letters, a to z."});
        QTRY_VERIFY(!s.game);
        QVERIFY(s.form->isEnabled());
        QVERIFY(!s.session->isHeld());
    }

    void thePuzzleWordIsTheGamesOwn() {
        // While the game is open the learner's steps elsewhere are refused, and a quiet move
        // of the session leaves the puzzle, its speaker and the words gone through alone.
        Session s(FixtureDb::defaultWords(), true);
        const int goneThrough = s.goneThrough();
        const int spoken = int(s.speech.spoken.size());
        QCOMPARE(s.word(), QStringLiteral("abate"));
        s.session->next();
        s.session->randomWord();
        s.session->goTo(1);
        QVERIFY(!s.session->find(QStringLiteral("venal")));
        QCOMPARE(s.word(), QStringLiteral("abate"));
        s.session->moveTo(7); // venal
        QCOMPARE(s.word(), QStringLiteral("venal"));
        QCOMPARE(s.goneThrough(), goneThrough);
        QCOMPARE(s.speech.spoken.size(), spoken);

        QCOMPARE(s.shown("lblMeaning"), QStringLiteral("meaning of abate"));
        s.typeTheRest(QStringLiteral("abate"));
        QVERIFY(s.visible("cmdNext"));
        QCOMPARE(s.shown("lblMean2"), QStringLiteral("meaning of abate"));
        s.click("cmdTalk");
        QCOMPARE(s.speech.spoken.last(), QStringLiteral("abate"));
        s.click("cmdNext");
        QCOMPARE(s.goneThrough(), goneThrough + 1);
        QCOMPARE(s.find<QListWidget>("lstRead")->item(goneThrough)->text(), s.word());
        QCOMPARE(s.speech.spoken.last(), s.word());
    }

    void closedFromOutsideUnderItsOwnDialog_data() {
        QTest::addColumn<QString>("dialog"); // the objectName of the modal window up
        QTest::addColumn<int>("stored");     // the high score afterwards; -1: none
        QTest::newRow("the letter picker") << "frmAlphabets" << -1;
        QTest::newRow("the score at the end") << "over" << 1500;
        QTest::newRow("the high scorer's name") << "dlgHighScorerName" << 1500;
    }
    void closedFromOutsideUnderItsOwnDialog() {
        QFETCH(QString, dialog);
        QFETCH(int, stored);
        Session s;
        MessageBox::setHandler(nullptr); // the real message boxes
        if (dialog != QLatin1String("frmAlphabets"))
            for (int puzzle = 1; puzzle <= 7; ++puzzle) {
                s.typeTheRest();
                if (puzzle < 7)
                    s.click("cmdNext");
            }
        // Answers every modal window until the one asked for is up; then closes the game as
        // the main window's close does, and every modal window after that.
        QStringList boxes;
        const auto answer = [&boxes](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                boxes << box->text();
            modal->close();
        };
        auto closed = std::make_shared<bool>(false);
        auto* timer = new QTimer(&modalWaits());
        QObject::connect(timer, &QTimer::timeout, [&, closed, timer] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (modal->objectName() != dialog && !(box && box->text().startsWith(dialog))) {
                answer(modal);
                return;
            }
            *closed = true;
            timer->stop();
            auto* closer = new QTimer(&modalWaits());
            QObject::connect(closer, &QTimer::timeout, [answer] {
                if (QWidget* m = QApplication::activeModalWidget())
                    answer(m);
            });
            closer->start(10);
            s.game->close();
        });
        timer->start(10);
        s.click(dialog == QLatin1String("frmAlphabets") ? "lblWordLetter_0" : "cmdNext");
        QTRY_VERIFY(*closed);
        QTRY_VERIFY(!s.game);
        QVERIFY(s.form->isEnabled());
        QVERIFY(!s.session->isHeld());
        // Nothing more is asked once the game is gone; a score earned is kept.
        if (dialog == QLatin1String("over"))
            QCOMPARE(boxes, QStringList{"over: score:  1500"});
        QCOMPARE(registry("hs1").toString(), stored < 0 ? QString() : QString::number(stored));
        s.toolbar(MainToolbar::Game); // and a game opens again
        QVERIFY(!s.form->isEnabled());
    }
};

QTEST_MAIN(TestGameWindow)
#include "tst_gamewindow.moc"
