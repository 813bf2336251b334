// The word game driven as a learner would: a whole game of seven puzzles through the
// letter picker, the lists, the keyboard and the hints, to the end and the high score;
// short words, a level without words, a word list the game cannot use.
#include "app/basRegistry.h"
#include "app/Random.h"
#include "game/dlgHighScorerName.h"
#include "game/frmAlphabets.h"
#include "game/frmGame.h"
#include "study/Form1.h"
#include "support/MainWindowSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
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

// Owns the waits below, so that none outlives its test.
QObject& waits() {
    static QObject owner;
    return owner;
}

// Acts on the next modal window of type T as soon as it is open. Returns a flag that tells
// whether it was seen; gives up quietly after a few seconds.
template <class T> std::shared_ptr<bool> whenModal(std::function<void(T*)> act) {
    auto seen = std::make_shared<bool>(false);
    auto* timer = new QTimer(&waits());
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, seen, ticks] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            *seen = true;
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (++*ticks > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
    return seen;
}

// A started main window with the game opened from the toolbar; every draw is 0.
struct Session : MainWindowSession {
    explicit Session(const std::vector<WordRow>& words = FixtureDb::defaultWords(),
                     bool pronounce = false)
        : MainWindowSession(words) {
        form->chkPLock->setChecked(pronounce);
        wordsGoneThrough = form->lstRead->count();
        form->Toolbar1_ButtonClick(QStringLiteral("Game"));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* g = qobject_cast<frmGame*>(w); g && g->isVisible())
                game = g;
        if (game)
            game->move(0, 0); // room under the boxes for the picker
    }
    QString puzzleWord() const { return form->Text1->text(); }
    QLabel* box(int i) const { return game->lblWordLetter[size_t(i)]; }

    // Through the picker: a letter "A".."Z", "show" or "cancel".
    void pick(int i, const QString& choice) {
        whenModal<frmAlphabets>([choice](frmAlphabets* p) {
            if (choice == QLatin1String("show"))
                QTest::mouseClick(p->cmdShowCorrect, Qt::LeftButton);
            else if (choice == QLatin1String("cancel"))
                QTest::mouseClick(p->cmdCancel, Qt::LeftButton);
            else
                QTest::mouseClick(p->cmdLetter[size_t(choice.at(0).unicode() - 'A')],
                                  Qt::LeftButton);
        });
        QTest::mouseClick(box(i), Qt::LeftButton);
    }
    void type(int i, char letter) { QTest::keyClick(box(i), letter); }
    void typeTheRest() {
        const QString w = puzzleWord();
        for (int i = 0; i < w.size(); ++i)
            if (game->Combo1[size_t(i)]->isVisible())
                type(i, w.at(i).toLatin1());
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    QPointer<frmGame> game;
    int wordsGoneThrough = 0;
};

QVariant registry(const char* value) {
    return basRegistry::RegGetValue(basRegistry::HKEY_CURRENT_USER, "Software\\vloom\\hs", value);
}

} // namespace

class TestGameWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }
    void init() { QFile::remove(basRegistry::storePath()); }
    void cleanup() { qDeleteAll(waits().children()); }

    void aWholeGameToTheHighScore() {
        Session s(FixtureDb::defaultWords(), true);
        QVERIFY(s.game);
        QVERIFY(!s.form->isEnabled());
        QCOMPARE(s.game->windowTitle(), QStringLiteral("Game"));
        QVERIFY(s.game->lblHighScore->isHidden());
        QCOMPARE(s.game->Label1->text(), QStringLiteral("Total Puzzles Q's: 7"));

        // Puzzle 1 at level 1: the first difficult word.
        QCOMPARE(s.puzzleWord(), QStringLiteral("abate"));
        QCOMPARE(s.game->lblPuzzleNo->text(), QStringLiteral("#  1"));
        QCOMPARE(s.game->lblPrizeMoney->text(), QStringLiteral("Points for this Word: 150"));
        QCOMPARE(s.game->lblMeaning->text(), QStringLiteral("meaning of abate"));
        QCOMPARE(s.game->lblExample->text(),
                 QStringLiteral("They used *****  in a sentence about 1."));
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("0"));
        QCOMPARE(s.game->lblCost->text(), QStringLiteral("10"));
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(s.game->shapeWLtr[size_t(i)]->isVisible(), i < 5);
            QCOMPARE(s.game->Combo1[size_t(i)]->isVisible(), i < 5);
        }

        // A wrong letter from the picker, which opens under the box.
        QPoint pickerAt;
        whenModal<frmAlphabets>([&](frmAlphabets* p) {
            pickerAt = p->pos();
            QCOMPARE(p->windowTitle(), QStringLiteral("Albhabets"));
            QCOMPARE(frmAlphabets::correctLetter, QStringLiteral("A"));
            QCOMPARE(s.game->boxBack(0), QColor(0x80, 0x80, 0x80));
            QTest::mouseClick(p->cmdLetter[16], Qt::LeftButton);
        });
        s.click(s.box(0));
        const QPoint boxAt = s.box(0)->mapToGlobal(QPoint(0, 0));
        QCOMPARE(pickerAt.x(), boxAt.x());
        QVERIFY(pickerAt.y() > boxAt.y() + s.box(0)->height());
        QCOMPARE(s.box(0)->text(), QStringLiteral("Q"));
        QCOMPARE(s.game->boxText(0), QColor(0xff, 0, 0));
        QCOMPARE(s.game->boxBack(0), QColor(0, 0, 0));
        QCOMPARE(s.game->lblGuess->text(),
                 QStringLiteral("Wrong Guess. Take another guess or Click 'Show Correct'"));
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("-3"));
        QVERIFY(s.game->Combo1[0]->isVisible());

        // "First Letter": 10 points, and the next hint costs 20.
        s.click(s.game->lblHint1);
        QCOMPARE(s.box(0)->text(), QStringLiteral("A"));
        QCOMPARE(s.game->boxText(0), QColor(0, 0xff, 0));
        QCOMPARE(s.game->lblGuess->text(), QStringLiteral("Correct"));
        QVERIFY(s.game->lblHint1->isHidden());
        QVERIFY(s.game->Combo1[0]->isHidden());
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("-13"));
        QCOMPARE(s.game->lblCost->text(), QStringLiteral(" 20"));

        // A wrong letter typed into a solved box costs, but the box stays solved.
        s.type(0, 'z');
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("-16"));
        QVERIFY(s.game->Combo1[0]->isHidden());

        // "Show Correct" in the picker: the cost, then a fifth more, as plain numbers.
        s.pick(1, "show");
        QCOMPARE(s.box(1)->text(), QStringLiteral("B"));
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("-36"));
        QCOMPARE(s.game->lblCost->text(), QStringLiteral("24"));
        QCOMPARE(s.game->helpCount, 2);

        // "Cancel" on an empty box changes nothing.
        s.pick(2, "cancel");
        QCOMPARE(s.box(2)->text(), QString());
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("-36"));

        // The keyboard and the list.
        s.type(2, 'a');
        QVERIFY(s.game->lblHintThLetter->isHidden());
        QTest::keyClick(s.game->Combo1[3], Qt::Key_T);
        QCOMPARE(s.box(3)->text(), QStringLiteral("T"));
        QVERIFY(s.game->Combo1[3]->isHidden());
        QVERIFY(s.game->cmdNext->isHidden());
        s.type(4, 'e');

        // Solved with two helps: 150 points, the level stays.
        QCOMPARE(s.game->lblScore->text(), QStringLiteral(" 114"));
        QCOMPARE(s.game->lblDiffLevelMsg->text(),
                 QStringLiteral("Based on your performance, the next puzzle will have difficulty "
                                "level as: DIFFICULT"));
        for (QWidget* shown :
             {(QWidget*)s.game->cmdNext, (QWidget*)s.game->imgCorrect, (QWidget*)s.game->cmdTalk,
              (QWidget*)s.game->lblDiffLevelMsg, (QWidget*)s.game->lblMean2})
            QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
        for (QWidget* hidden : {(QWidget*)s.game->lblMeaning, (QWidget*)s.game->lblExample,
                                (QWidget*)s.game->frameHint, (QWidget*)s.game->lblPrizeMoney,
                                (QWidget*)s.game->lblGuess})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
        QCOMPARE(s.game->lblMean2->text(), QStringLiteral("meaning of abate"));

        // "Show Correct" after solving still charges.
        s.pick(0, "show");
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("90"));
        QCOMPARE(s.game->lblCost->text(), QStringLiteral("29"));
        s.click(s.game->cmdTalk);
        QCOMPARE(s.speech.spoken.last(), QStringLiteral("abate"));

        // Puzzle 2: the hints and their price are back.
        s.click(s.game->cmdNext);
        QCOMPARE(s.game->lblPuzzleNo->text(), QStringLiteral("#  2"));
        QCOMPARE(s.game->lblCost->text(), QStringLiteral("10"));
        for (QLabel* hint : {s.game->lblHint1, s.game->lblHint2, s.game->lblHintThLetter,
                             s.game->lblHint3, s.game->lblHint4})
            QVERIFY(hint->isVisible());
        QCOMPARE(s.box(0)->text(), QString());
        s.typeTheRest(); // no help: level 2 next
        QCOMPARE(s.game->lblScore->text(), QStringLiteral(" 240"));
        QVERIFY(s.game->lblDiffLevelMsg->text().endsWith(": VERY DIFFICULT"));

        // Puzzles 3 to 7 at level 2.
        for (int puzzle = 3; puzzle <= 7; ++puzzle) {
            s.click(s.game->cmdNext);
            QCOMPARE(s.game->lblPuzzleNo->text(), QStringLiteral("#  %1").arg(puzzle));
            QCOMPARE(s.puzzleWord(), QStringLiteral("abstruse"));
            QCOMPARE(s.game->lblPrizeMoney->text(), QStringLiteral("Points for this Word: 225"));
            s.typeTheRest();
        }
        QCOMPARE(s.game->lblScore->text(), QStringLiteral(" 1365"));
        QVERIFY(s.messages.requests.isEmpty());

        // The end: the score, the congratulation and the name.
        const auto named = whenModal<dlgHighScorerName>([](dlgHighScorerName* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Dialog Caption"));
            QCOMPARE(d->lblPrizeMoney->text(), QStringLiteral("Enter your name High Scorer"));
            QTest::keyClicks(d->Text1, QStringLiteral("Anna"));
            QTest::mouseClick(d->OKButton, Qt::LeftButton);
        });
        s.click(s.game->cmdNext);
        QVERIFY(*named);
        QCOMPARE(s.messages.texts(),
                 (QStringList{"over: score:  1365", "You are the highest scorer!"}));
        QCOMPARE(s.messages.requests.first().icon, QMessageBox::NoIcon);
        QCOMPARE(s.messages.requests.first().title, QStringLiteral("Verbaloom!"));
        QCOMPARE(registry("hs1").toString(), QStringLiteral("1365"));
        QCOMPARE(registry("hsName").toString(), QStringLiteral("Anna"));
        QVERIFY(s.game->cmdNewGame->isVisible());
        QVERIFY(s.game->cmdExitGame->isVisible());
        QVERIFY(s.game->cmdNext->isHidden());

        // Only the seven puzzle words went through the main window, each read aloud.
        QCOMPARE(s.form->lstRead->count(), s.wordsGoneThrough + 7);
        QCOMPARE(s.speech.spoken.count(QStringLiteral("abstruse")), 5);

        // A new game shows the high score and starts afresh.
        s.click(s.game->cmdNewGame);
        QCOMPARE(s.game->lblHighScore->text(), QStringLiteral("Highest Score:      ANNA   1365 "));
        QVERIFY(s.game->lblHighScore->isVisible());
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("0"));
        QCOMPARE(s.game->lblPuzzleNo->text(), QStringLiteral("#  1"));
        QVERIFY(s.game->cmdNewGame->isHidden());
        for (QComboBox* list : s.game->Combo1) {
            QCOMPARE(list->count(), 26);
            QCOMPARE(list->itemText(0), QStringLiteral("A"));
            QCOMPARE(list->itemText(25), QStringLiteral("Z"));
        }
        s.click(s.game->cmdExitGame);
        QVERIFY(s.form->isEnabled());
        QTRY_VERIFY(!s.game);
    }

    void theKeyboardPlaysAPuzzle() {
        Session s;
        s.game->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.game));
        QCOMPARE(QApplication::focusWidget(), s.box(0));
        // Space opens the picker on the box in focus; its letter keys pick.
        whenModal<frmAlphabets>([](frmAlphabets* p) { QTest::keyClick(p, Qt::Key_A); });
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
        QVERIFY(s.game->cmdNext->isVisible());
        QCOMPARE(s.game->lblScore->text(), QStringLiteral(" 140"));
        QCOMPARE(QApplication::focusWidget(), s.game->cmdNext);
        QTest::keyClick(s.game->cmdNext, Qt::Key_Return);
        QCOMPARE(s.game->lblPuzzleNo->text(), QStringLiteral("#  2"));
    }

    void theHighScoreIsBeatenOnlyByMore_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("beaten");
        QTest::newRow("equal") << "1500" << false;
        QTest::newRow("one less") << "1499" << true;
        QTest::newRow("not a number") << "many" << true;
    }
    void theHighScoreIsBeatenOnlyByMore() {
        QFETCH(QString, stored);
        QFETCH(bool, beaten);
        using namespace basRegistry;
        RegSetString(HKEY_CURRENT_USER, "Software\\vloom\\hs", "hsName", "Zoe");
        RegSetString(HKEY_CURRENT_USER, "Software\\vloom\\hs", "hs1", stored);
        Session s;
        QVERIFY(s.game->lblHighScore->isVisible());
        const QString shown = stored == QLatin1String("many") ? QString() : stored;
        QCOMPARE(s.game->lblHighScore->text(), "Highest Score:      ZOE   " + shown + " ");
        std::shared_ptr<bool> asked;
        for (int puzzle = 1; puzzle <= 7; ++puzzle) {
            s.typeTheRest(); // 150, then 225 six times
            if (puzzle == 7) // closed without "OK": the name given last time (none) is stored
                asked = whenModal<dlgHighScorerName>([](dlgHighScorerName* d) { d->close(); });
            s.click(s.game->cmdNext);
        }
        QCOMPARE(s.messages.texts().first(), QStringLiteral("over: score:  1500"));
        QCOMPARE(*asked, beaten);
        QCOMPARE(s.messages.requests.size(), beaten ? 2 : 1);
        QCOMPARE(registry("hs1").toString(), beaten ? QStringLiteral("1500") : stored);
        QCOMPARE(registry("hsName").toString(), beaten ? QString() : QStringLiteral("Zoe"));
    }

    void aTwoLetterWordAndItsHints() {
        Session s({word("ox", true)});
        QVERIFY(s.game->lblHintThLetter->isHidden());
        QVERIFY(s.game->lblHint3->isHidden());
        s.click(s.game->lblHint2); // the last letter too
        QCOMPARE(s.box(1)->text(), QStringLiteral("X"));
        QVERIFY(s.game->lblHint4->isHidden());
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("-10"));
        s.click(s.game->lblHint1); // reveals the last open letter: solved, and paid for
        QCOMPARE(s.game->lblScore->text(), QStringLiteral(" 120"));
        QVERIFY(s.game->cmdNext->isVisible());
        QVERIFY(s.game->lblDiffLevelMsg->text().endsWith(": DIFFICULT"));
    }

    void randomLetterOnAThreeLetterWord() {
        Session s({word("awe", true)});
        QVERIFY(s.game->lblHint3->isVisible());
        s.click(s.game->lblHint3);
        QCOMPARE(s.box(2)->text(), QStringLiteral("E"));
        QCOMPARE(s.box(0)->text(), QString());
        QVERIFY(s.game->lblHint4->isHidden());
        QVERIFY(s.game->lblHintThLetter->isHidden());
        QVERIFY(s.game->lblHint3->isHidden()); // nothing left from the third on
        QCOMPARE(s.game->lblScore->text(), QStringLiteral("-10"));
        QCOMPARE(s.game->lblCost->text(), QStringLiteral(" 20"));
        s.typeTheRest();
        QCOMPARE(s.game->lblScore->text(), QStringLiteral(" 140"));
    }

    void aLevelWithoutWordsTakesTheNearest() {
        Session s({word("abase"), word("venal")});
        QCOMPARE(s.game->lblPrizeMoney->text(), QStringLiteral("Points for this Word: 100"));
        s.typeTheRest();
        QCOMPARE(s.game->lblScore->text(), QStringLiteral(" 100"));
    }

    void unplayableWordsNeverReachTheMainWindow() {
        Session s({word("Laconic", true), word("o'clock", true), word("self-made", true),
                   word("abcdefghijklmnop", true), word("obdurate", true), word("x y", true)},
                  true);
        QCOMPARE(s.puzzleWord(), QStringLiteral("obdurate"));
        QCOMPARE(s.form->lstRead->count(), s.wordsGoneThrough + 1);
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
    }
};

QTEST_MAIN(TestGameWindow)
#include "tst_frmgame.moc"
