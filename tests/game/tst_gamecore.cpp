// The word game's rules: which words a puzzle takes, the masked example, the letters and
// hints, the score and cost arithmetic, the next level, the high score, the word pool.
#include "app/Settings.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "game/GameScoring.h"
#include "game/GameState.h"
#include "game/PuzzleWordPool.h"
#include "game/WordPuzzle.h"
#include "support/Fixture.h"

#include <QFile>
#include <QtTest>

using WordPuzzle::Hint;
Q_DECLARE_METATYPE(QList<Hint>)

class TestGameCore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }
    void init() { QFile::remove(HighScoreStore::storePath()); }

    // ---- words ----

    void acceptance_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("difficult");
        QTest::addColumn<bool>("veryDifficult");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("easy at 0") << "abase" << 0 << false << false << true;
        QTest::newRow("easy at 1") << "abase" << 1 << false << false << false;
        QTest::newRow("difficult at 1") << "abate" << 1 << true << false << true;
        QTest::newRow("difficult at 0") << "abate" << 0 << true << false << false;
        QTest::newRow("difficult at 2") << "abate" << 2 << true << false << false;
        QTest::newRow("very difficult at 2") << "abstruse" << 2 << true << true << true;
        QTest::newRow("very difficult at 1") << "abstruse" << 1 << true << true << false;
        QTest::newRow("only very difficult, at 0") << "laconic" << 0 << false << true << true;
        QTest::newRow("only very difficult, at 1") << "laconic" << 1 << false << true << false;
        QTest::newRow("only very difficult, at 2") << "laconic" << 2 << false << true << true;
        QTest::newRow("15 letters") << "abcdefghijklmno" << 0 << false << false << true;
        QTest::newRow("16 letters") << "abcdefghijklmnop" << 0 << false << false << false;
        QTest::newRow("one letter") << "a" << 0 << false << false << true;
        QTest::newRow("empty") << "" << 0 << false << false << false;
        QTest::newRow("capital") << "Laconic" << 0 << false << false << false;
        QTest::newRow("digit") << "abc1" << 0 << false << false << false;
        QTest::newRow("accent") << QString::fromUtf8("café") << 0 << false << false << false;
    }
    void acceptance() {
        QFETCH(QString, word);
        QFETCH(int, level);
        QFETCH(bool, difficult);
        QFETCH(bool, veryDifficult);
        QFETCH(bool, accepted);
        QCOMPARE(WordPuzzle::accepts(word, level, difficult, veryDifficult), accepted);
    }

    void masking_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("shown");
        QTest::newRow("blanks around: two blanks after") << "They used --- in a sentence."
                                                         << "abase"
                                                         << "They used *****  in a sentence.";
        QTest::newRow("suffix") << "The storm ---d at dawn."
                                << "abate"
                                << "The storm *****  at dawn.";
        QTest::newRow("long suffix, three hidden") << "He was ---ingly rude."
                                                   << "abase"
                                                   << "He was ***** ly rude.";
        QTest::newRow("prefix and suffix") << "It was un---able now."
                                           << "x"
                                           << "It was ***** e now.";
        QTest::newRow("four before, three hidden") << "abcd--- end"
                                                   << "x"
                                                   << "a*****  end";
        QTest::newRow("at the very start") << "---ed by all."
                                           << "x"
                                           << "*****  by all.";
        QTest::newRow("the whole text") << "---"
                                        << "x"
                                        << "***** ";
        QTest::newRow("at the end, with a full stop") << "It was ---."
                                                      << "x"
                                                      << "It was ***** ";
        QTest::newRow("only the first placeholder") << "--- and ---"
                                                    << "x"
                                                    << "*****  and ---";
        QTest::newRow("no placeholder: the word itself") << "The storm abated; Abate it."
                                                         << "abate"
                                                         << "The storm *****d; ***** it.";
        QTest::newRow("no placeholder, no word") << "Nothing to hide."
                                                 << "abase"
                                                 << "Nothing to hide.";
        QTest::newRow("empty") << ""
                               << "abase"
                               << "";
    }
    void masking() {
        QFETCH(QString, example);
        QFETCH(QString, word);
        QFETCH(QString, shown);
        QCOMPARE(WordPuzzle::maskExample(example, word), shown);
    }

    void hints_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("positions"); // first, second, third, random, last
        QTest::addColumn<QList<bool>>("offered");
        QTest::newRow("one letter")
            << 1 << QList<int>{0, -1, -1, -1, 0} << QList<bool>{true, false, false, false, true};
        QTest::newRow("two letters")
            << 2 << QList<int>{0, 1, -1, -1, 1} << QList<bool>{true, true, false, false, true};
        QTest::newRow("three letters")
            << 3 << QList<int>{0, 1, 2, -1, 2} << QList<bool>{true, true, true, true, true};
        QTest::newRow("fifteen letters")
            << 15 << QList<int>{0, 1, 2, -1, 14} << QList<bool>{true, true, true, true, true};
    }
    void hints() {
        QFETCH(int, length);
        QFETCH(QList<int>, positions);
        QFETCH(QList<bool>, offered);
        const QList<Hint> all{Hint::First, Hint::Second, Hint::Third, Hint::Random, Hint::Last};
        for (int i = 0; i < all.size(); ++i) {
            QCOMPARE(WordPuzzle::hintPosition(all[i], length), positions[i]);
            QCOMPARE(WordPuzzle::offeredAtStart(all[i], length), offered[i]);
        }
    }

    void solvingALetterWithdrawsItsHints_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<Hint>>("withdrawn");
        QTest::newRow("first of many") << 0 << 8 << QList<Hint>{Hint::First};
        QTest::newRow("third of many") << 2 << 8 << QList<Hint>{Hint::Third};
        QTest::newRow("a middle letter") << 4 << 8 << QList<Hint>{};
        QTest::newRow("last of many") << 7 << 8 << QList<Hint>{Hint::Last};
        QTest::newRow("second of two") << 1 << 2 << QList<Hint>{Hint::Second, Hint::Last};
        QTest::newRow("third of three") << 2 << 3 << QList<Hint>{Hint::Third, Hint::Last};
        QTest::newRow("the only letter") << 0 << 1 << QList<Hint>{Hint::First, Hint::Last};
    }
    void solvingALetterWithdrawsItsHints() {
        QFETCH(int, position);
        QFETCH(int, length);
        QFETCH(QList<Hint>, withdrawn);
        QCOMPARE(WordPuzzle::withdrawnBy(position, length), withdrawn);
    }

    void randomLetter_data() {
        QTest::addColumn<QList<bool>>("open");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("position");
        QTest::newRow("three letters: always the third")
            << QList<bool>{true, true, true} << 0.0 << 2;
        QTest::newRow("three letters, top draw") << QList<bool>{true, true, true} << 0.9999 << 2;
        QTest::newRow("two letters: none") << QList<bool>{true, true} << 0.5 << -1;
        QTest::newRow("third on solved: none")
            << QList<bool>{true, true, false, false} << 0.0 << -1;
        QTest::newRow("skips solved, low")
            << QList<bool>{false, false, true, false, true} << 0.0 << 2;
        QTest::newRow("skips solved, high")
            << QList<bool>{false, false, true, false, true} << 0.6 << 4;
        QTest::newRow("never the first two") << QList<bool>{true, true, false, true} << 0.0 << 3;
    }
    void randomLetter() {
        QFETCH(QList<bool>, open);
        QFETCH(double, r);
        QFETCH(int, position);
        const std::vector<bool> letters(open.begin(), open.end());
        QCOMPARE(WordPuzzle::randomLetterPosition(letters, r), position);
        QCOMPARE(WordPuzzle::randomLetterOffered(letters), position >= 0);
    }

    // ---- numbers ----

    void signPosition_data() {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << " 0";
        QTest::newRow("positive") << qint64(450) << " 450";
        QTest::newRow("negative") << qint64(-3) << "-3";
        QTest::newRow("past 16 bits") << qint64(40000) << " 40000";
    }
    void signPosition() {
        QFETCH(qint64, number);
        QFETCH(QString, text);
        QCOMPARE(GameScoring::withSignPosition(number), text);
    }

    void levels_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("prize");
        QTest::addColumn<QString>("message");
        QTest::newRow("easy")
            << 0 << 100 << "Points for this Word: 100"
            << "Based on your performance, the next puzzle will have difficulty level as: EASY";
        QTest::newRow("difficult") << 1 << 150 << "Points for this Word: 150"
                                   << "Based on your performance, the next puzzle will have "
                                      "difficulty level as: DIFFICULT";
        QTest::newRow("very difficult") << 2 << 225 << "Points for this Word: 225"
                                        << "Based on your performance, the next puzzle will have "
                                           "difficulty level as: VERY DIFFICULT";
    }
    void levels() {
        QFETCH(int, level);
        QFETCH(int, points);
        QFETCH(QString, prize);
        QFETCH(QString, message);
        QCOMPARE(GameScoring::pointsFor(level), points);
        QCOMPARE(GameScoring::prizeCaption(level), prize);
        QCOMPARE(GameScoring::nextLevelMessage(level), message);
        qint64 score = 10;
        GameScoring::award(score, level);
        QCOMPARE(score, 10 + points);
    }

    void nextLevel_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("helps");
        QTest::addColumn<int>("next");
        QTest::newRow("1, no help") << 1 << 0 << 2;
        QTest::newRow("1, one help") << 1 << 1 << 2;
        QTest::newRow("2, no help stays") << 2 << 0 << 2;
        QTest::newRow("0, one help") << 0 << 1 << 1;
        QTest::newRow("1, two helps") << 1 << 2 << 1;
        QTest::newRow("0, two helps") << 0 << 2 << 0;
        QTest::newRow("2, two helps") << 2 << 2 << 2;
        QTest::newRow("2, three helps") << 2 << 3 << 1;
        QTest::newRow("1, three helps") << 1 << 3 << 0;
        QTest::newRow("0, three helps stays") << 0 << 3 << 0;
        QTest::newRow("0, many helps") << 0 << 40 << 0;
    }
    void nextLevel() {
        QFETCH(int, level);
        QFETCH(int, helps);
        QFETCH(int, next);
        QCOMPARE(GameScoring::nextLevel(level, helps), next);
    }

    void aGameInPlay_data() {
        QTest::addColumn<QStringList>("moves"); // from a new game, at level 1
        QTest::addColumn<qint64>("score");
        QTest::addColumn<qint64>("cost");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("puzzle");
        QTest::newRow("solved alone: the level goes up")
            << QStringList{"solve"} << qint64(150) << qint64(10) << 2 << 2;
        QTest::newRow("each hint costs 10 more, two keep the level")
            << QStringList{"hint", "hint", "solve"} << qint64(120) << qint64(30) << 1 << 2;
        QTest::newRow("show correct is help too, a fifth dearer")
            << QStringList{"show", "show", "show", "solve"} << qint64(114) << qint64(17) << 0 << 2;
        QTest::newRow("wrong letters cost 3 but are no help")
            << QStringList{"wrong", "wrong", "solve"} << qint64(144) << qint64(10) << 2 << 2;
        QTest::newRow("a new puzzle starts at the first price, without help")
            << QStringList{"hint", "hint", "hint", "solve", "next", "solve"} << qint64(190)
            << qint64(10) << 1 << 3;
        QTest::newRow("below zero") << QStringList{"wrong"} << qint64(-3) << qint64(10) << 1 << 1;
    }
    void aGameInPlay() {
        QFETCH(QStringList, moves);
        QFETCH(qint64, score);
        QFETCH(qint64, cost);
        QFETCH(int, level);
        QFETCH(int, puzzle);
        GameState game;
        game.startPuzzle();
        for (const QString& move : moves) {
            if (move == QLatin1String("hint"))
                game.buyHint();
            else if (move == QLatin1String("show"))
                game.buyShowCorrect();
            else if (move == QLatin1String("wrong"))
                game.wrongLetter();
            else if (move == QLatin1String("solve"))
                game.solve();
            else
                game.startPuzzle();
        }
        QCOMPARE(game.score, score);
        QCOMPARE(game.hintCost, cost);
        QCOMPARE(game.level, level);
        QCOMPARE(game.puzzleNumber, puzzle);
    }

    void showCorrectCosts() {
        qint64 score = 0, cost = GameScoring::FirstHintCost;
        QList<qint64> costs{cost};
        for (int i = 0; i < 6; ++i) {
            GameScoring::chargeShowCorrect(score, cost);
            costs << cost;
        }
        QCOMPARE(costs, (QList<qint64>{10, 12, 14, 17, 20, 24, 29}));
        QCOMPARE(score, -(10 + 12 + 14 + 17 + 20 + 24));
    }

    void costsSaturateInsteadOfOverflowing() {
        qint64 score = 0, cost = GameScoring::FirstHintCost;
        for (int i = 0; i < 2000; ++i)
            GameScoring::chargeShowCorrect(score, cost);
        QCOMPARE(cost, GameScoring::Limit);
        QCOMPARE(score, -GameScoring::Limit);
        GameScoring::chargeHint(score, cost);
        GameScoring::chargeWrongLetter(score);
        QCOMPARE(cost, GameScoring::Limit);
        QCOMPARE(score, -GameScoring::Limit);
        GameScoring::award(score, 2);
        QCOMPARE(score, -GameScoring::Limit + 225);
    }

    // ---- the high score ----

    void highScore_data() {
        QTest::addColumn<QString>("stored"); // "<none>": no key at all
        QTest::addColumn<qint64>("score");
        QTest::addColumn<bool>("beats");
        QTest::addColumn<QString>("line"); // "<none>": no line
        const QString none = "<none>";
        QTest::newRow("first game, any score") << none << qint64(-40) << true << none;
        QTest::newRow("first game, zero") << none << qint64(0) << true << none;
        const QString line450 = "Highest Score:      ZOE   450 ";
        QTest::newRow("equal") << "450" << qint64(450) << false << line450;
        QTest::newRow("one more") << "450" << qint64(451) << true << line450;
        QTest::newRow("less") << "450" << qint64(10) << false << line450;
        QTest::newRow("negative stored")
            << "-30" << qint64(-29) << true << "Highest Score:      ZOE   -30 ";
        // No number counts as no high score, and the line stays with the score left out.
        const QString noScore = "Highest Score:      ZOE    ";
        QTest::newRow("not a number") << "lots" << qint64(-500) << true << noScore;
        QTest::newRow("empty") << "" << qint64(-500) << true << noScore;
    }
    void highScore() {
        QFETCH(QString, stored);
        QFETCH(qint64, score);
        QFETCH(bool, beats);
        QFETCH(QString, line);
        if (stored != QLatin1String("<none>")) {
            HighScoreStore::setValue("hsName", "Zoe");
            HighScoreStore::setValue("hs1", stored);
        }
        QCOMPARE(GameScoring::HighScore::beats(score), beats);
        QCOMPARE(GameScoring::HighScore::line().value_or("<none>"), line);
    }

    void theHighScoreIsStoredAndShown() {
        QVERIFY(!GameScoring::HighScore::line());
        GameScoring::HighScore::store(450, QStringLiteral("  Anna Lee "));
        QCOMPARE(HighScoreStore::value("hs1"), QStringLiteral("450"));
        QCOMPARE(HighScoreStore::value("hsName"), QStringLiteral("Anna Lee"));
        QCOMPARE(GameScoring::HighScore::line().value_or(QString()),
                 QStringLiteral("Highest Score:      ANNA LEE   450 "));
    }

    // ---- the word pool ----

    void thePoolDrawsAmongTheWordsOfTheLevel() {
        PuzzleWordPool pool;
        pool.add(1, "abase", false, false);
        pool.add(2, "abate", true, false);
        pool.add(3, "laconic", false, true); // levels 0 and 2
        pool.add(4, "Laconic", true, false); // never playable
        pool.add(5, "obdurate", true, false);
        pool.add(6, "abcdefghijklmnop", true, false);
        QCOMPARE(pool.count(0), 2);
        QCOMPARE(pool.count(1), 2);
        QCOMPARE(pool.count(2), 1);
        QCOMPARE(pool.pick(1, 0.0)->position, 2);
        QCOMPARE(pool.pick(1, 0.5)->position, 5);
        QCOMPARE(pool.pick(1, 0.99999)->position, 5);
        QCOMPARE(pool.pick(0, 0.99999)->position, 3);
        QCOMPARE(pool.pick(2, 0.3)->position, 3);
        QCOMPARE(pool.pick(2, 0.3)->level, 2);
    }

    void aLevelWithoutWordsGivesWayToTheNearest_data() {
        QTest::addColumn<QList<int>>("levelsWithWords");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("taken"); // -1: none
        QTest::newRow("1 empty: the easier") << QList<int>{0, 2} << 1 << 0;
        QTest::newRow("1 empty, only 2") << QList<int>{2} << 1 << 2;
        QTest::newRow("2 empty") << QList<int>{0, 1} << 2 << 1;
        QTest::newRow("0 empty, only 2") << QList<int>{2} << 0 << 2;
        QTest::newRow("nothing playable") << QList<int>{} << 1 << -1;
    }
    void aLevelWithoutWordsGivesWayToTheNearest() {
        QFETCH(QList<int>, levelsWithWords);
        QFETCH(int, asked);
        QFETCH(int, taken);
        PuzzleWordPool pool;
        pool.add(1, "Capital", false, false);
        for (int level : levelsWithWords)
            pool.add(10 + level, "word", level >= 1, level == 2);
        const auto pick = pool.pick(asked, 0.0);
        QCOMPARE(pick.has_value(), taken >= 0);
        QCOMPARE(pool.empty(), taken < 0);
        if (pick) {
            QCOMPARE(pick->level, taken);
            QCOMPARE(pick->position, 10 + taken);
        }
    }

    void thePoolReadsTheRowsOfTheSelection() {
        FixtureDb db;
        auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                                  QStringLiteral("select * from words"));
        rs->setFilter(QStringLiteral("groupid > 1"));
        const PuzzleWordPool pool = PuzzleWordPool::fromRecordset(*rs);
        // abstruse(1) acerbic(2) Laconic(3) obdurate(4) venal(5) o'clock(6)
        QCOMPARE(pool.count(0), 2);
        QCOMPARE(pool.count(1), 1);
        QCOMPARE(pool.count(2), 1);
        QCOMPARE(rs->valueAt(pool.pick(1, 0.0)->position, "name").toString(),
                 QStringLiteral("obdurate"));
        QCOMPARE(rs->valueAt(pool.pick(2, 0.0)->position, "name").toString(),
                 QStringLiteral("abstruse"));
        QCOMPARE(rs->valueAt(pool.pick(0, 0.99)->position, "name").toString(),
                 QStringLiteral("venal"));
    }
};

QTEST_GUILESS_MAIN(TestGameCore)
#include "tst_gamecore.moc"
