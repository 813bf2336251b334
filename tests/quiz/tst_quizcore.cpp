// The quiz's rules: the score text, the grade, a pass that asks every word once, and the
// wrong meanings that always run out in time.
#include "app/Random.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizGrading.h"
#include "support/Fakes.h"
#include "support/Fixture.h"

#include <QSet>
#include <QtTest>

namespace {
QuizEngine::MeaningRows rowsOf(const QStringList& meanings) {
    QuizEngine::MeaningRows rows;
    rows.count = int(meanings.size());
    rows.meaningAt = [meanings](int position) { return meanings.at(position - 1); };
    rows.allMeanings = [meanings] { return meanings; };
    return rows;
}
} // namespace

class TestQuizCore : public QObject {
    Q_OBJECT
private slots:
    void scoreText_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("answered");
        QTest::addColumn<QString>("text");
        QTest::newRow("first wrong") << 0 << 1 << "0 / 1 : 0%";
        QTest::newRow("no double rounding down") << 57 << 100 << "57 / 100 : 57%";
        QTest::newRow("beyond 16 bits") << 40000 << 40001 << "40000 / 40001 : 99%";
    }
    void scoreText() {
        QFETCH(int, correct);
        QFETCH(int, answered);
        QFETCH(QString, text);
        QCOMPARE(QuizEngine::scoreText(correct, answered), text);
    }

    void gradeMessage_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("answered");
        QTest::addColumn<QString>("message"); // empty: no message at all
        QTest::newRow("nothing verified") << 0 << 0 << "";
        QTest::newRow("3 of 4") << 3 << 4 << "Accuracy: 75%. Good. You can do much better";
        QTest::newRow("0 of 5") << 0 << 5 << "Accuracy: 0%. You need practice";
        QTest::newRow("54") << 54 << 100 << "Accuracy: 54%. You need practice";
        QTest::newRow("55") << 55 << 100 << "Accuracy: 55%. Good. You can do much better";
        QTest::newRow("79") << 79 << 100 << "Accuracy: 79%. Good. You can do much better";
        QTest::newRow("80") << 80 << 100
                            << "Accuracy: 80%. Very good. You are only a few practices away.";
        QTest::newRow("89") << 89 << 100
                            << "Accuracy: 89%. Very good. You are only a few practices away.";
        QTest::newRow("90") << 9 << 10 << "Accuracy: 90%. Excellent. You are going too good.";
        QTest::newRow("99") << 99 << 100 << "Accuracy: 99%. Excellent. You are going too good.";
        QTest::newRow("199 of 200 is 99, not 100")
            << 199 << 200 << "Accuracy: 99%. Excellent. You are going too good.";
        QTest::newRow("100") << 100 << 100 << "Accuracy: 100%. Splendid! ";
        QTest::newRow("29, which doubles cut to 28")
            << 29 << 100 << "Accuracy: 29%. You need practice";
    }
    void gradeMessage() {
        QFETCH(int, correct);
        QFETCH(int, answered);
        QFETCH(QString, message);
        const std::optional<QString> shown = QuizGrading::message(correct, answered);
        QCOMPARE(shown.value_or(QString()), message);
        QCOMPARE(shown.has_value(), answered > 0);
    }

    void aPassAsksEveryPositionOnce_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<double>("r"); // negative: a seeded generator
        QTest::newRow("empty") << 0 << 0.0;
        QTest::newRow("one") << 1 << 0.7;
        QTest::newRow("seven, always the lowest draw") << 7 << 0.0;
        QTest::newRow("seven, always the highest draw") << 7 << 0.99999;
        QTest::newRow("5000, past the old limit of 4000") << 5000 << -1.0;
    }
    void aPassAsksEveryPositionOnce() {
        QFETCH(int, words);
        QFETCH(double, r);
        SeededRandom random(7);
        QuizEngine::Pass pass;
        pass.start(words);
        QSet<int> seen;
        while (!pass.exhausted()) {
            const int p = pass.draw(r < 0 ? random.uniform() : r);
            QVERIFY(p >= 1 && p <= words);
            QVERIFY2(!seen.contains(p), qPrintable(QString::number(p)));
            seen.insert(p);
        }
        QCOMPARE(int(seen.size()), words);
        QCOMPARE(pass.askedCount(), words);
        pass.start(words); // a new pass may ask them all again
        QCOMPARE(pass.askedCount(), 0);
        QCOMPARE(pass.exhausted(), words == 0);
    }

    void theDrawIsUniformAmongTheUnasked() {
        // With positions 1..4 and one asked, each of the three left is reached by a third of r.
        QuizEngine::Pass pass;
        QSet<int> reached;
        for (double r : {0.0, 0.34, 0.67}) {
            pass.start(4);
            QCOMPARE(pass.draw(0.99), 4);
            reached.insert(pass.draw(r));
        }
        QCOMPARE(reached, (QSet<int>{1, 2, 3}));
    }

    void wrongMeanings_data() {
        QTest::addColumn<QStringList>("meanings");
        QTest::addColumn<QString>("correct");
        QTest::addColumn<int>("expected");
        QTest::newRow("plenty") << QStringList{"a", "b", "c", "d", "e", "f"} << "a" << 3;
        QTest::newRow("a single word") << QStringList{"a"} << "a" << 0;
        QTest::newRow("all share one meaning") << QStringList{"a", "a", "a", "a", "a"} << "a" << 0;
        QTest::newRow("one other meaning, many rows")
            << QStringList{"a", "b", "a", "b", "b"} << "a" << 1;
        QTest::newRow("two others, a crowd of the right one") << (QStringList(500, "a") << "b"
                                                                                        << "c")
                                                              << "a" << 2;
        QTest::newRow("same letters, other case") << QStringList{"a", "A"} << "a" << 1;
    }
    void wrongMeanings() {
        QFETCH(QStringList, meanings);
        QFETCH(QString, correct);
        QFETCH(int, expected);
        for (double r : {0.0, 0.5, 0.99999}) {
            SequenceRandom random({r});
            const auto wrong = QuizEngine::wrongMeanings(correct, 3, rowsOf(meanings), random);
            QCOMPARE(int(wrong.size()), expected);
            QSet<QString> distinct;
            for (const QuizEngine::WrongMeaning& w : wrong) {
                QVERIFY(w.meaning != correct);
                QCOMPARE(meanings.at(w.position - 1), w.meaning); // from the row it names
                distinct.insert(w.meaning);
            }
            QCOMPARE(int(distinct.size()), expected);
        }
    }

    void meaningsAreReadFromTheRefinedRows() {
        useTestSettings();
        FixtureDb db;
        auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                                  QStringLiteral("select * from words"));
        rs->setFilter(QStringLiteral("bookmark = yes"));
        const QuizEngine::MeaningRows rows = QuizEngine::meaningRows(*rs);
        QCOMPARE(rows.count, 3);
        QCOMPARE(rows.meaningAt(2), QStringLiteral("meaning of abstruse"));
        QCOMPARE(rows.allMeanings(),
                 (QStringList{"meaning of abate", "meaning of abstruse", "meaning of obdurate"}));
        SequenceRandom random({0.0});
        QCOMPARE(QuizEngine::wrongMeanings("meaning of abate", 3, rows, random).size(), size_t(2));
    }
};

QTEST_GUILESS_MAIN(TestQuizCore)
#include "tst_quizcore.moc"
