// The study session without a window: the card's rules, steps at the ends, find, the
// random draw, and the learner's marks as single transactions that count in the file.
#include "app/Random.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "study/Navigation.h"
#include "study/StudyCard.h"
#include "study/StudySession.h"
#include "study/StudyTracking.h"
#include "support/Fakes.h"
#include "support/Fixture.h"

#include <limits>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(StudyCard::Boxes)

namespace {

struct Started {
    explicit Started(const std::vector<WordRow>& words = FixtureDb::defaultWords(),
                     std::deque<double> draws = {0.0})
        : db(words) {
        Random::setGlobal(std::make_unique<SequenceRandom>(std::move(draws)));
        session.start();
    }
    ~Started() { Random::setGlobal(nullptr); }
    QString name() const { return session.currentWord().name; }
    void exec(const char* sql) { session.connection()->prepare(QLatin1String(sql)).step(); }

    FixtureDb db;
    StudySession session{ConnectionStrings::Shared};
};

} // namespace

class TestStudySession : public QObject {
    Q_OBJECT
private slots:
    void modesHideTheirBoxes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("r");
        QTest::addColumn<StudyCard::Boxes>("boxes");
        QTest::newRow("guess meanings") << 0 << 0.0 << StudyCard::Boxes{true, false, false};
        QTest::newRow("guess words") << 1 << 0.0 << StudyCard::Boxes{false, true, true};
        QTest::newRow("show all") << 2 << 0.0 << StudyCard::Boxes{true, true, true};
        QTest::newRow("random, just below half")
            << 3 << 0.4999 << StudyCard::Boxes{true, false, false};
        QTest::newRow("random, half") << 3 << 0.5 << StudyCard::Boxes{false, true, true};
    }
    void modesHideTheirBoxes() {
        QFETCH(int, mode);
        QFETCH(double, r);
        QFETCH(StudyCard::Boxes, boxes);
        QCOMPARE(StudyCard::boxesForMode(mode, r), boxes);
    }

    void composedTexts() {
        QCOMPARE(StudyCard::tickerDetails("to lower", "Do not --- yourself."),
                 QStringLiteral("MEANING: \r\nto lower\r\n\r\nUSAGE: \r\nDo not --- yourself."));
        QCOMPARE(StudyCard::lookupNote("to lower", "Do not --- yourself."),
                 QStringLiteral("to lower\r\n\r\n\r\nUsage: \r\nDo not --- yourself."));
        QCOMPARE(StudyCard::formatLastRead(QDate(2003, 10, 31)), QStringLiteral("31/Oct/03"));
        QCOMPARE(StudyCard::formatLastRead(QVariant()), QString());
    }

    void difficultyClicks_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("difficult on") << 0 << true << "00" << "10";
        QTest::newRow("difficult off clears very") << 0 << false << "11" << "00";
        QTest::newRow("very on sets difficult") << 1 << true << "00" << "11";
        QTest::newRow("very off keeps difficult") << 1 << false << "11" << "10";
        QTest::newRow("very off, stored without difficult") << 1 << false << "01" << "00";
    }
    void difficultyClicks() {
        QFETCH(int, box);
        QFETCH(bool, checked);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const DifficultyMarks marks = StudyTracking::marksAfterClick(
            StudyTracking::DifficultyBox(box), checked, {before[0] == u'1', before[1] == u'1'});
        QCOMPARE(QStringLiteral("%1%2").arg(int(marks.difficult)).arg(int(marks.veryDifficult)),
                 after);
    }

    void randomDraws_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("index");
        QTest::newRow("one row, high") << 1 << 0.9999 << 0;
        QTest::newRow("ten rows, low") << 10 << 0.0 << 0;
        QTest::newRow("ten rows, 0.55") << 10 << 0.55 << 5;
        QTest::newRow("ten rows, high") << 10 << 0.99999 << 9;
        QTest::newRow("no rows") << 0 << 0.5 << 0;
    }
    void randomDraws() {
        QFETCH(int, rows);
        QFETCH(double, r);
        QFETCH(int, index);
        QCOMPARE(Navigation::randomIndex(rows, r), index);
    }

    void stepsAtTheEnds() {
        Started s;
        QVERIFY(s.session.applySelection(QStringLiteral("select * from words where groupid <= 2")));
        for (int i = 0; i < 4; ++i)
            s.session.next();
        QCOMPARE(s.name(), QString()); // onto the end: allowed once
        QVERIFY(s.session.steps().next);
        s.session.next();
        QVERIFY(!s.session.steps().next);
        s.session.previous();
        QVERIFY(s.session.steps().next);
        QCOMPARE(s.name(), QStringLiteral("acerbic"));
        QVERIFY(!s.session.counts().position || *s.session.counts().position == 4);
    }

    void anEmptySelectionStepsNowhere() {
        Started s;
        QVERIFY(s.session.applySelection(QStringLiteral("select * from words where readcount > 99")));
        QSignalSpy stepped(&s.session, &StudySession::stepped);
        s.session.next();
        s.session.randomWord();
        QVERIFY(!s.session.steps().next);
        QCOMPARE(stepped.count(), 1); // the step that found no row; the random draw none
        QVERIFY(!s.session.find(QStringLiteral("a")));
        QVERIFY(!s.session.markStudied());
        QCOMPARE(s.session.counts().refined, 0);
    }

    void findAsYouType_data() {
        QTest::addColumn<QString>("refinement");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first of a letter") << "" << "a" << true << "abase";
        QTest::newRow("two letters") << "" << "ac" << true << "acerbic";
        QTest::newRow("not found: back to the word shown") << "" << "acx" << false << "obdurate";
        QTest::newRow("empty matches every name") << "" << "" << true << "abase";
        QTest::newRow("apostrophe, any case") << "" << "O'C" << true << "o'clock";
        QTest::newRow("any case") << "" << "LAC" << true << "Laconic";
        QTest::newRow("refined rows only") << "bookmark = 1" << "ac" << false << "obdurate";
        QTest::newRow("a NUL is text like any other") << "" << QStringLiteral("a\u0000")
                                                     << false << "obdurate";
    }
    void findAsYouType() {
        QFETCH(QString, refinement);
        QFETCH(QString, typed);
        QFETCH(bool, found);
        QFETCH(QString, shown);
        Started s;
        if (!refinement.isEmpty())
            s.session.applyRefinement(refinement);
        QVERIFY(s.session.find(QStringLiteral("obd")));
        QCOMPARE(s.session.find(typed), found);
        QCOMPARE(s.name(), shown);
    }

    void oneStepMovesTheWordOnce() {
        Started s;
        QSignalSpy changed(&s.session, &StudySession::currentWordChanged);
        QSignalSpy stepped(&s.session, &StudySession::stepped);
        s.session.next();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(stepped.count(), 1);
        QCOMPARE(stepped.first().first().value<Word>().name, QStringLiteral("abate"));
    }

    void markingCountsInTheStatementItself() {
        Started s;
        s.session.next(); // abate, read twice
        QVERIFY(s.session.markStudied());
        // Another program on the same file marks it too, behind this card's back: the card
        // still says 3.
        s.exec("update words set readcount = readcount + 1 where name = 'abate'");
        QCOMPARE(s.session.currentWord().readCount, 3);
        QVERIFY(s.session.markStudied());
        QCOMPARE(s.db.scalar("select readcount from words where name = 'abate'").toInt(), 5);
        QCOMPARE(s.session.currentWord().readCount, 5);
        QCOMPARE(s.session.studiedThisSession(), 2);
    }

    void aCountAtTheTopOfItsRangeStaysThere() {
        Started s;
        s.exec("update words set readcount = 2147483647 where name = 'abase'");
        QVERIFY(s.session.markStudied());
        QCOMPARE(s.db.scalar("select readcount from words where name = 'abase'").toLongLong(),
                 qint64(std::numeric_limits<int>::max()));
    }

    void aRefusedWriteChangesNothingAndIsNotCounted() {
        Started s;
        s.exec("create temp trigger refuse before update on words begin select raise(abort, "
               "'the disk said no'); end");
        const QString before = s.db.dump();
        QSignalSpy failed(&s.session, &StudySession::writeFailed);
        QVERIFY(!s.session.markStudied());
        QVERIFY(!s.session.setDifficulty({true, true}));
        QCOMPARE(failed.count(), 2);
        QCOMPARE(s.session.studiedThisSession(), 0);
        QCOMPARE(s.db.dump(), before);
        QCOMPARE(s.session.currentWord().readCount, 0);
        QVERIFY_THROWS_EXCEPTION(DbError, s.session.updateMeaningAndUsage(
                                              s.session.currentWord(), "new", "new usage"));
        QCOMPARE(s.db.dump(), before);
    }

    void anEditGoesToTheWordItWasOpenedFor() {
        Started s;
        const Word opened = s.session.currentWord(); // abase
        s.session.moveTo(3);                         // something moved the card meanwhile
        s.session.updateMeaningAndUsage(opened, QStringLiteral("to lower"),
                                        QStringLiteral("Do not --- yourself."));
        QCOMPARE(s.db.scalar("select meaning || '|' || example from words where name = 'abase'")
                     .toString(),
                 QStringLiteral("to lower|Do not --- yourself."));
        QCOMPARE(s.db.scalar("select meaning from words where name = 'abstruse'").toString(),
                 QStringLiteral("meaning of abstruse"));
        QCOMPARE(s.name(), QStringLiteral("abstruse"));
    }

    void aHeldSessionRefusesOutsideSteps() {
        Started s;
        QSignalSpy held(&s.session, &StudySession::heldChanged);
        s.session.hold();
        s.session.hold();
        s.session.next();
        s.session.randomWord();
        QVERIFY(!s.session.find(QStringLiteral("v")));
        s.session.goTo(5);
        QCOMPARE(s.name(), QStringLiteral("abase"));
        s.session.moveTo(2); // the holder's own moves
        QCOMPARE(s.name(), QStringLiteral("abate"));
        s.session.release();
        QVERIFY(s.session.isHeld());
        s.session.release();
        s.session.next();
        QCOMPARE(s.name(), QStringLiteral("abstruse"));
        QCOMPARE(held.count(), 2);
    }

    void reviseGivesBackTheSelectionWhenNothingWasStudied() {
        Started s;
        s.session.applyRefinement(QStringLiteral("bookmark = 1"));
        QCOMPARE(s.session.revise(), 0);
        QCOMPARE(s.session.selectionSource(), StudySession::AllWords);
        QCOMPARE(s.session.counts().refined, 3);
        s.session.markStudied();
        QCOMPARE(s.session.revise(), 1);
        QCOMPARE(s.session.counts().refined, 1);
    }

    // A selection and a refinement too large for one keystroke end as they would at once;
    // meanwhile, and when dropped, the former ones stay in force.
    void workInStepsEndsAsWorkAtOnce_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("refinement");
        QTest::newRow("every word's texts")
            << "select * from words where meaning like '%w1%' or example like '%about 7%'"
            << "meaning like '%w0%' or example like '%about 1%'";
        QTest::newRow("by the name index") << "select * from words where name like 'w012%'"
                                           << "name like 'w0123%'";
    }
    void workInStepsEndsAsWorkAtOnce() {
        QFETCH(QString, statement);
        QFETCH(QString, refinement);
        Started s(FixtureDb::generatedWords(int(Recordset::SmallTable) * 2));
        const auto rows = [&] {
            QList<qint64> ids;
            for (int p = 1; p <= s.session.counts().refined.value_or(0); ++p)
                ids << s.session.refinedRows()->idAt(p);
            return ids;
        };
        QSignalSpy selected(&s.session, &StudySession::selectionFinished);
        s.session.selectInSteps(statement);
        if (s.session.isSelecting()) {
            QCOMPARE(s.session.counts().selection, int(Recordset::SmallTable) * 2);
            s.session.cancelSelection();
            QCOMPARE(s.session.selectionSource(), StudySession::AllWords);
            s.session.selectInSteps(statement);
        }
        while (s.session.isSelecting())
            QCoreApplication::processEvents();
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.last().at(0).toBool(), true);
        const QList<qint64> inSteps = rows();
        QVERIFY(s.session.applySelection(statement));
        QCOMPARE(inSteps, rows());

        QSignalSpy refined(&s.session, &StudySession::refinementFinished);
        s.session.refineInSteps(refinement);
        const QString before = s.session.refinement();
        QVERIFY(s.session.isRefining() || s.session.refinement() == refinement);
        while (s.session.isRefining()) {
            QCOMPARE(s.session.refinement(), before);
            QCoreApplication::processEvents();
        }
        QCOMPARE(refined.count(), 1);
        QVERIFY(!s.session.refinementError());
        QCOMPARE(s.session.refinement(), refinement);
        const QList<qint64> refinedInSteps = rows();
        s.session.applyRefinement(refinement);
        QCOMPARE(refinedInSteps, rows());
    }
};

QTEST_GUILESS_MAIN(TestStudySession)
#include "tst_studysession.moc"
