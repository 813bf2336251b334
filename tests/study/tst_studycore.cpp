// The study card's rules: display modes, counters, the timer, the difficulty cascade,
// navigation at the ends, the random row and find.
#include "data/Database.h"
#include "data/Recordset.h"
#include "study/Navigation.h"
#include "study/StudyCard.h"
#include "study/StudyTracking.h"
#include "support/Fixture.h"

#include <QtTest>

using namespace StudyTracking;
Q_DECLARE_METATYPE(StudyCard::Boxes)

namespace {
std::shared_ptr<Recordset> open(const QString& source = QStringLiteral("select * from words")) {
    return Recordset::open(Connection::open(ConnectionStrings::Shared), source);
}
QString nameAt(Recordset& rs) {
    return rs.value(QStringLiteral("name")).toString();
}
} // namespace

class TestStudyCore : public QObject {
    Q_OBJECT
private slots:
    void modesHideTheirBoxes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("r");
        QTest::addColumn<StudyCard::Boxes>("boxes");
        QTest::newRow("guess meanings") << 0 << 0.0 << StudyCard::Boxes{true, false, false};
        QTest::newRow("guess words") << 1 << 0.0 << StudyCard::Boxes{false, true, true};
        QTest::newRow("show all") << 2 << 0.0 << StudyCard::Boxes{true, true, true};
        QTest::newRow("random, low draw") << 3 << 0.0 << StudyCard::Boxes{true, false, false};
        QTest::newRow("random, just below half")
            << 3 << 0.4999 << StudyCard::Boxes{true, false, false};
        QTest::newRow("random, half") << 3 << 0.5 << StudyCard::Boxes{false, true, true};
        QTest::newRow("random, top draw") << 3 << 0.99999 << StudyCard::Boxes{false, true, true};
    }
    void modesHideTheirBoxes() {
        QFETCH(int, mode);
        QFETCH(double, r);
        QFETCH(StudyCard::Boxes, boxes);
        QCOMPARE(StudyCard::boxesForMode(mode, r), boxes);
        if (mode == StudyCard::RandomBoxes)
            QVERIFY(!(boxes.word && boxes.meaning && boxes.usage));
    }

    void composedTexts() {
        QCOMPARE(StudyCard::tickerDetails("to lower", "Do not --- yourself."),
                 QStringLiteral("MEANING: \r\nto lower\r\n\r\nUSAGE: \r\nDo not --- yourself."));
        QCOMPARE(StudyCard::lookupNote("to lower", "Do not --- yourself."),
                 QStringLiteral("to lower\r\n\r\n\r\nUsage: \r\nDo not --- yourself."));
        QCOMPARE(StudyCard::formatLastRead(QDate(2003, 10, 31)), QStringLiteral("31/Oct/03"));
        QCOMPARE(StudyCard::formatLastRead(QDate(2026, 3, 7)), QStringLiteral("7/Mar/26"));
        QCOMPARE(StudyCard::formatLastRead(QVariant()), QString());
        QCOMPARE(StudyCard::exactNameCriterion("o'clock"), QStringLiteral("name='o''clock'"));
        QCOMPARE(StudyCard::prefixCriterion("ab"), QStringLiteral("name like 'ab%'"));
        QCOMPARE(Navigation::wordNotFoundMessage(),
                 QStringLiteral("Word Not Found\r\n\r\nYou can ADD new words. Click on the Add "
                                "Word button on the Menu above"));
    }

    void countersAfterARefinement() {
        FixtureDb db(FixtureDb::generatedWords(120));
        auto rs = open();
        rs->setFilter(QStringLiteral("id > 80"));
        QCOMPARE(rs->recordCount(), 40);
        rs->moveFirst();
        rs->move(6);
        const StudyCard::Counters c = StudyCard::counters(rs.get(), 120);
        QCOMPARE(c.position, QStringLiteral("7"));
        QCOMPARE(c.refined, QStringLiteral("40"));
        QCOMPARE(c.selection, QStringLiteral("120"));
        rs->move(100); // past the end: no word number
        QCOMPARE(StudyCard::counters(rs.get(), 120).position, QString());
        QCOMPARE(StudyCard::counters(nullptr, 0).refined, QString());
    }

    void shownCounts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("not a number") << "abc" << 0;
        QTest::newRow("number") << "5" << 5;
        QTest::newRow("blanks") << " 12 " << 12;
    }
    void shownCounts() {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(shownCount(text), count);
    }

    void timerStates() {
        Timer t;
        QCOMPARE(t.label(), QStringLiteral("Time Elapsed"));
        QCOMPARE(t.button(), QStringLiteral("Pause Timer"));
        t.tick();
        t.toggle();
        QCOMPARE(t.label(), QStringLiteral("Timer PAUSED"));
        QCOMPARE(t.button(), QStringLiteral("Continue"));
        t.tick();
        QCOMPARE(t.minutes, 1); // paused minutes do not count
        t.resume();
        t.tick();
        QCOMPARE(t.minutes, 2);
    }

    void difficultyCascade_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("newState");
        QTest::addColumn<int>("other");
        QTest::addColumn<QString>("steps");
        // C = checked, - = clear, G = grayed
        QTest::newRow("difficult on") << 0 << 2 << 0 << "write Bookmark=1";
        QTest::newRow("difficult off, very clear") << 0 << 0 << 0 << "write Bookmark=0";
        QTest::newRow("difficult off, very set") << 0 << 0 << 2 << "box 1=0; write Bookmark=0";
        QTest::newRow("difficult off, very grayed") << 0 << 0 << 1 << "box 1=0; write Bookmark=0";
        QTest::newRow("very on, difficult clear") << 1 << 2 << 0 << "box 0=1; write DoubleBM=1";
        QTest::newRow("very on, difficult grayed") << 1 << 2 << 1 << "box 0=1; write DoubleBM=1";
        QTest::newRow("very on, difficult set") << 1 << 2 << 2 << "write DoubleBM=1";
        QTest::newRow("very off") << 1 << 0 << 2 << "write DoubleBM=0";
        QTest::newRow("grayed writes nothing") << 0 << 1 << 2 << "";
    }
    void difficultyCascade() {
        QFETCH(int, box);
        QFETCH(int, newState);
        QFETCH(int, other);
        QFETCH(QString, steps);
        auto state = [](int s) {
            return s == 2 ? BoxState::Checked : s == 1 ? BoxState::Grayed : BoxState::Clear;
        };
        QStringList out;
        for (const MarkStep& s : difficultyClick(box, state(newState), state(other)))
            out << (s.kind == MarkStep::SetBox
                        ? QStringLiteral("box %1=%2").arg(s.box).arg(int(s.value))
                        : QStringLiteral("write %1=%2").arg(s.column).arg(int(s.value)));
        QCOMPARE(out.join(QStringLiteral("; ")), steps);
    }

    void nextAndPreviousAtTheEnds() {
        FixtureDb db;
        auto rs = open(QStringLiteral("select * from words where groupid <= 2")); // 4 rows
        Navigation::Buttons buttons;
        rs->moveLast();
        QVERIFY(Navigation::step(rs.get(), true, buttons)); // onto EOF
        QVERIFY(buttons.next); // the first press past the end keeps Next
        QVERIFY(!Navigation::step(rs.get(), true, buttons));
        QVERIFY(!buttons.next); // the second disables it
        QVERIFY(Navigation::step(rs.get(), false, buttons));
        QVERIFY(buttons.next); // Previous enables Next again
        QCOMPARE(nameAt(*rs), QStringLiteral("acerbic"));

        rs->moveFirst();
        Navigation::step(rs.get(), false, buttons); // onto BOF
        QVERIFY(buttons.previous);
        Navigation::step(rs.get(), false, buttons);
        QVERIFY(!buttons.previous);
        Navigation::step(rs.get(), true, buttons);
        QVERIFY(buttons.previous);
        QCOMPARE(nameAt(*rs), QStringLiteral("abase"));
    }

    void anEmptySelectionDisablesWhatIsPressed() {
        FixtureDb db;
        auto rs = open(QStringLiteral("select * from words where readcount > 99"));
        Navigation::Buttons buttons;
        QVERIFY(!Navigation::step(rs.get(), true, buttons));
        QVERIFY(!buttons.next && buttons.previous);
        QVERIFY(!Navigation::step(rs.get(), false, buttons));
        QVERIFY(!buttons.previous && buttons.next);
        QVERIFY_THROWS_EXCEPTION(std::exception, Navigation::moveToRandomRow(rs.get(), 0.5));
        QVERIFY(!Navigation::findWord(rs.get(), QStringLiteral("a")));
        QVERIFY(!Navigation::findWord(nullptr, QStringLiteral("a")));
    }

    void randomRows_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("index");
        QTest::newRow("one row, low") << 1 << 0.0 << 0;
        QTest::newRow("one row, high") << 1 << 0.9999 << 0;
        QTest::newRow("ten rows, low") << 10 << 0.0 << 0;
        QTest::newRow("ten rows, 0.55") << 10 << 0.55 << 5;
        QTest::newRow("ten rows, high") << 10 << 0.99999 << 9;
    }
    void randomRows() {
        QFETCH(int, rows);
        QFETCH(double, r);
        QFETCH(int, index);
        QCOMPARE(Navigation::randomIndex(rows, r), index);
    }

    void randomOverTenRowsStaysInside() {
        FixtureDb db(FixtureDb::generatedWords(10));
        auto rs = open();
        QSet<int> seen;
        for (int i = 0; i < 100; ++i) {
            Navigation::moveToRandomRow(rs.get(), i / 100.0);
            seen.insert(rs->absolutePosition());
        }
        QCOMPARE(seen.size(), 10);
        QCOMPARE(*std::min_element(seen.begin(), seen.end()), 1);
        QCOMPARE(*std::max_element(seen.begin(), seen.end()), 10);
    }

    void findAsYouType() {
        FixtureDb db;
        auto rs = open();
        rs->move(5); // obdurate
        QVERIFY(Navigation::findWord(rs.get(), QStringLiteral("a")));
        QCOMPARE(nameAt(*rs), QStringLiteral("abase"));
        QVERIFY(Navigation::findWord(rs.get(), QStringLiteral("ac")));
        QCOMPARE(nameAt(*rs), QStringLiteral("acerbic"));
        QVERIFY(!Navigation::findWord(rs.get(), QStringLiteral("acx")));
        QCOMPARE(nameAt(*rs), QStringLiteral("acerbic")); // back where it was
        QVERIFY(Navigation::findWord(rs.get(), QString()));
        QCOMPARE(rs->absolutePosition(), 1); // an empty box matches every name
        QVERIFY(Navigation::findWord(rs.get(), QStringLiteral("O'C")));
        QCOMPARE(nameAt(*rs), QStringLiteral("o'clock"));
        QVERIFY(Navigation::findWord(rs.get(), QStringLiteral("LAC")));
        QCOMPARE(nameAt(*rs), QStringLiteral("Laconic"));
        // A NUL is in no name: not found, and the card stays.
        QVERIFY(!Navigation::findWord(rs.get(), QStringLiteral("ab") + QChar(0)));
        QCOMPARE(nameAt(*rs), QStringLiteral("Laconic"));
    }

    void findSaysWhatCameOfTheSearch() {
        std::vector<WordRow> words = FixtureDb::defaultWords();
        words[0].name = QStringLiteral("caf\u00e9");
        words[1].name = QString(200000, u'a'); // a pattern against it is work without end
        FixtureDb db(words);
        auto rs = open();
        QCOMPARE(Navigation::findWordMessage(rs.get(), QStringLiteral("cafe\u0301")), QString());
        QCOMPARE(nameAt(*rs), QStringLiteral("caf\u00e9"));
        rs->move(2);
        QCOMPARE(Navigation::findWordMessage(rs.get(), QStringLiteral("zz")),
                 Navigation::wordNotFoundMessage());
        QCOMPARE(Navigation::findWordMessage(rs.get(), "%" + QString(20000, u'a') + "b"),
                 QStringLiteral("The search is too complex. Use fewer wildcards (% and _)."));
        QCOMPARE(nameAt(*rs), QStringLiteral("abstruse"));
    }

    void findKeepsToTheRefinedRows() {
        FixtureDb db;
        auto rs = open();
        rs->setFilter(QStringLiteral("bookmark = 1"));
        QVERIFY(!Navigation::findWord(rs.get(), QStringLiteral("ac")));
        QVERIFY(Navigation::findWord(rs.get(), QStringLiteral("o")));
        QCOMPARE(nameAt(*rs), QStringLiteral("obdurate"));
    }
};

QTEST_GUILESS_MAIN(TestStudyCore)
#include "tst_studycore.moc"
