// The result-set rules navigation, find, refine, the report and add-word rely on.
#include "data/Database.h"
#include "data/DataSource.h"
#include "data/DbError.h"
#include "data/KeyOrder.h"
#include "data/KeyScan.h"
#include "data/Recordset.h"
#include "support/Fixture.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
qint64 errorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const DbError& e) {
        return e.number();
    }
    return 0;
}

std::shared_ptr<Recordset>
openWords(const QString& source = QStringLiteral("select * from words")) {
    return Recordset::open(Connection::open(ConnectionStrings::Shared), source);
}

// The keys a statement gives, through a handle of the test's own.
std::vector<qint64> keysOf(const QString& sql) {
    std::vector<qint64> keys;
    const auto conn = Connection::open(ConnectionStrings::ReadOnly);
    Statement st = conn->prepare(sql);
    while (st.step())
        keys.push_back(st.int64(0));
    return keys;
}

std::vector<qint64> rowsOf(const Recordset& rs) {
    std::vector<qint64> keys;
    for (int i = 1; i <= rs.recordCount(); ++i)
        keys.push_back(rs.idAt(i));
    return keys;
}

// Enough words that a filter over all of them takes longer than a keystroke's work, so that
// it is found in steps.
std::vector<WordRow> manyWords() {
    return FixtureDb::generatedWords(int(Recordset::SmallTable) * 2);
}
const QString kSlowFilter = QStringLiteral("meaning like '%w1%' or example like '%about 7%'");

void finishSteps(const std::function<bool()>& busy) {
    while (busy())
        QCoreApplication::processEvents();
}
} // namespace

class TestRecordset : public QObject {
    Q_OBJECT
private slots:
    void positionsAndTheEnds() {
        FixtureDb db;
        auto rs = openWords();
        QCOMPARE(rs->recordCount(), 8);
        QCOMPARE(rs->absolutePosition(), 1);
        QVERIFY(!rs->bof() && !rs->eof());

        rs->moveLast();
        QCOMPARE(rs->absolutePosition(), 8);
        rs->moveNext(); // onto EOF: allowed once
        QVERIFY(rs->eof());
        QVERIFY(rs->absolutePosition() < 0);
        QCOMPARE(errorOf([&] { rs->moveNext(); }), qint64(3021));
        QCOMPARE(errorOf([&] { rs->value("name"); }), qint64(3021));
        rs->movePrevious();
        QCOMPARE(rs->value("name").toString(), QStringLiteral("o'clock"));

        rs->moveFirst();
        rs->movePrevious(); // onto BOF
        QVERIFY(rs->bof());
        QCOMPARE(errorOf([&] { rs->movePrevious(); }), qint64(3021));
        rs->moveNext();
        QCOMPARE(rs->absolutePosition(), 1);
    }

    void moveCountsFromTheCurrentRow() {
        FixtureDb db;
        auto rs = openWords();
        rs->moveFirst();
        rs->move(3);
        QCOMPARE(rs->absolutePosition(), 4);
        QCOMPARE(rs->value("name").toString(), QStringLiteral("acerbic"));
        rs->move(-2);
        QCOMPARE(rs->absolutePosition(), 2);
        rs->move(0);
        QCOMPARE(rs->absolutePosition(), 2);
        rs->move(100);
        QVERIFY(rs->eof());
        QCOMPARE(errorOf([&] { rs->move(1); }), qint64(3021));
    }

    void anEmptySetHasNoRows() {
        FixtureDb db;
        auto rs = openWords(QStringLiteral("select * from words where readcount > 100"));
        QCOMPARE(rs->recordCount(), 0);
        QVERIFY(rs->bof() && rs->eof());
        QVERIFY(rs->absolutePosition() < 0);
        QCOMPARE(errorOf([&] { rs->moveFirst(); }), qint64(3021));
        QCOMPARE(errorOf([&] { rs->moveNext(); }), qint64(3021));
        QCOMPARE(errorOf([&] { rs->movePrevious(); }), qint64(3021));
        QCOMPARE(errorOf([&] { rs->move(0); }), qint64(3021));
        QCOMPARE(errorOf([&] { rs->setValue("readcount", 1); }), qint64(3021));
    }

    void findSearchesForwardFromTheCurrentRow() {
        FixtureDb db;
        auto rs = openWords();
        rs->find(QStringLiteral("name like 'ab%'"));
        QCOMPARE(rs->absolutePosition(), 1);
        rs->moveNext();
        rs->find(QStringLiteral("name like 'ab%'"));
        QCOMPARE(rs->absolutePosition(), 2); // the current row itself counts
        rs->move(2);
        rs->find(QStringLiteral("name like 'ab%'"));
        QVERIFY(rs->eof());
        QVERIFY(rs->absolutePosition() < 0);

        rs->moveFirst();
        rs->find(QStringLiteral("name='LACONIC'")); // exact name, any case
        QCOMPARE(rs->absolutePosition(), 5);
        rs->moveFirst();
        rs->find(QStringLiteral("name='o''clock'"));
        QCOMPARE(rs->value("name").toString(), QStringLiteral("o'clock"));
    }

    void findKeepsToTheFilteredRows() {
        FixtureDb db;
        auto rs = openWords();
        rs->setFilter(QStringLiteral("bookmark = 1"));
        rs->find(QStringLiteral("name like 'a%'"));
        QCOMPARE(rs->value("name").toString(), QStringLiteral("abate"));
        rs->moveNext();
        rs->find(QStringLiteral("name like 'a%'"));
        QCOMPARE(rs->value("name").toString(), QStringLiteral("abstruse"));
        QCOMPARE(rs->absolutePosition(), 2);
    }

    void filterNarrowsAndCountFollows() {
        FixtureDb db;
        auto rs = openWords();
        rs->moveLast();
        rs->setFilter(QStringLiteral("readcount >= 1"));
        QCOMPARE(rs->recordCount(), 5);
        QCOMPARE(rs->absolutePosition(), 1); // a new filter stands on its first row
        rs->setFilter(QStringLiteral("sessionbm = 1"));
        QCOMPARE(rs->recordCount(), 2); // replaces, not narrows further
        rs->setFilter(QString());
        QCOMPARE(rs->recordCount(), 8);
        rs->setFilter(QStringLiteral("readcount > 99"));
        QCOMPARE(rs->recordCount(), 0);
        QVERIFY(rs->eof() && rs->bof());
    }

    void filterWorksOnTheOpenRowsOnly() {
        FixtureDb db;
        auto rs = openWords(QStringLiteral("select * from words where groupid <= 2"));
        rs->setFilter(QStringLiteral("bookmark = 1  or bookmark = 0 "));
        QCOMPARE(rs->recordCount(), 4);
    }

    void aFieldWriteReachesTheFileAtOnce() {
        FixtureDb db;
        auto rs = openWords();
        rs->move(1);
        rs->setValue("readcount", 7);
        rs->setValue("lastread", QDate(2026, 3, 7));
        rs->setValue("sessionbm", true);
        QCOMPARE(db.scalar("select readcount from words where name='abate'").toInt(), 7);
        QCOMPARE(db.scalar("select lastread from words where name='abate'").toString(),
                 QStringLiteral("2026-03-07"));
        QCOMPARE(db.scalar("select sessionbm from words where name='abate'").toInt(), 1);
        QCOMPARE(rs->value("readcount").toInt(), 7);
        QCOMPARE(rs->value("lastread").toDate(), QDate(2026, 3, 7));
        QCOMPARE(rs->value("sessionbm").toBool(), true);

        // A second result set over the same file sees it too.
        auto other = openWords(QStringLiteral("select * from words where name = 'abate'"));
        QCOMPARE(other->value("readcount").toInt(), 7);
    }

    void addNewAppendsAndRefusesADuplicate() {
        FixtureDb db;
        auto rs = openWords();
        rs->addNew({{"name", "zephyr"},
                    {"meaning", "a breeze"},
                    {"example", "a --- blew"},
                    {"bookmark", true},
                    {"doublebm", false},
                    {"groupid", 52}});
        QCOMPARE(rs->recordCount(), 9);
        QCOMPARE(rs->value("name").toString(), QStringLiteral("zephyr"));
        QCOMPARE(rs->value("readcount").toInt(), 0); // the table's default
        QVERIFY(rs->value("lastread").isNull());
        QCOMPARE(db.scalar("select groupid from words where name='zephyr'").toInt(), 52);

        const QString before = db.dump();
        const qint64 error = errorOf([&] { rs->addNew({{"name", "ABASE"}, {"meaning", "x"}}); });
        QCOMPARE(error, qint64(-2147467259));
        QCOMPARE(error, qint64(-2147467259));
        QCOMPARE(db.dump(), before);
        QCOMPARE(rs->recordCount(), 9);
    }

    void requeryStandsOnTheFirstRowWithoutAFilter() {
        FixtureDb db;
        auto rs = openWords();
        rs->setFilter(QStringLiteral("bookmark = 1"));
        rs->moveLast();
        rs->requery();
        QCOMPARE(rs->recordCount(), 8);
        QCOMPARE(rs->absolutePosition(), 1);
        QVERIFY(rs->filter().isEmpty());
    }

    void dataSourceGivesBackAKeptResultSet() {
        FixtureDb db;
        DataSource source(ConnectionStrings::Shared);
        source.setRecordSource(QStringLiteral("select * from words"));
        source.refresh();
        source.recordset()->setFilter(QStringLiteral("bookmark = 0"));
        source.recordset()->move(2);
        const auto kept = source.recordset();

        QSignalSpy moved(&source, &DataSource::currentChanged);
        source.setRecordSource(
            QStringLiteral("(select * from words where words.sessionBM = yes) "));
        source.refresh();
        QCOMPARE(source.recordset()->recordCount(), 2);
        QVERIFY(moved.count() > 0);

        source.setRecordset(kept);
        QCOMPARE(source.recordSource(), QStringLiteral("select * from words"));
        QCOMPARE(source.recordset()->filter(), QStringLiteral("bookmark = 0"));
        QCOMPARE(source.recordset()->absolutePosition(), 3);
        QCOMPARE(source.recordset()->value("name").toString(), QStringLiteral("Laconic"));
    }

    void aFailedRefreshKeepsTheRowsAndTheirSource() {
        FixtureDb db;
        DataSource source(ConnectionStrings::Shared);
        source.setRecordSource(QStringLiteral("select * from words where groupid = 1"));
        source.refresh();
        source.setRecordSource(QStringLiteral("select * from words where (readcount >x'')"));
        QVERIFY_THROWS_EXCEPTION(DbError, source.refresh());
        QCOMPARE(source.recordSource(), QStringLiteral("select * from words where groupid = 1"));
        QCOMPARE(source.recordset()->recordCount(), 2);
    }

    // ---- keys without reading every row ----

    // A whole table opens from the count kept beside it when its keys run without a gap;
    // otherwise it is read. Either way the rows and their positions are the table's.
    void theWholeTableHasItsRowsInKeyOrder_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("span");
        QTest::newRow("as made") << QString() << true;
        QTest::newRow("a word added") << "insert into words (name) values ('zeal')" << true;
        QTest::newRow("words deleted") << "delete from words where id in (2, 5)" << false;
        QTest::newRow("a word replaced")
            << "insert or replace into words (name) values ('abate')" << false;
        QTest::newRow("a key changed") << "update words set id = 20 where id = 3" << false;
        QTest::newRow("the last key moved on") << "update words set id = 9 where id = 8" << false;
        QTest::newRow("no count kept") << "drop table word_count" << false;
    }
    void theWholeTableHasItsRowsInKeyOrder() {
        QFETCH(QString, change);
        QFETCH(bool, span);
        FixtureDb db;
        if (!change.isEmpty())
            Connection::open(ConnectionStrings::Shared)->prepare(change).step();
        auto rs = openWords();
        QCOMPARE(rowsOf(*rs), keysOf(QStringLiteral("SELECT id FROM words ORDER BY id")));
        QCOMPARE(rs->keys().isSpan(), span);
        for (int position = 1; position <= rs->recordCount(); ++position)
            QCOMPARE(rs->positionOf(rs->idAt(position)), position);
        QCOMPARE(rs->positionOf(999), 0);
    }

    // The count kept and the words after it are the table's count after what the program
    // does to it; after anything else it may fall short (the table is then read whole), but
    // it never claims a row that is not there.
    void theKeptCountIsNeverTooHigh_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("exact");
        QTest::newRow("insert") << "insert into words (name) values ('zeal')" << true;
        QTest::newRow("insert of a name there")
            << "insert into words (name) values ('ABATE')" << true;
        QTest::newRow("delete") << "delete from words where bookmark = 1" << true;
        QTest::newRow("insert or ignore")
            << "insert or ignore into words (name) values ('abate')" << true;
        QTest::newRow("insert or replace by name")
            << "insert or replace into words (name) values ('abate')" << true;
        QTest::newRow("rename onto another")
            << "update or replace words set name = 'venal' where id = 1" << true;
        QTest::newRow("new key onto another")
            << "update or replace words set id = 2 where id = 1" << true;
        QTest::newRow("new key past the last") << "update words set id = 100 where id = 1" << true;
        QTest::newRow("insert below the last key")
            << "insert into words (id, name) values (0, 'zeal')" << false;
        QTest::newRow("insert or replace by key")
            << "insert or replace into words (id, name) values (3, 'zeal')" << false;
    }
    void theKeptCountIsNeverTooHigh() {
        QFETCH(QString, change);
        QFETCH(bool, exact);
        FixtureDb db;
        tryStep([&] { Connection::open(ConnectionStrings::Shared)->prepare(change).step(); });
        const int kept =
            db.scalar("select words + (select count(*) from words where id > ifnull(last, -1 << 63))"
                      " from word_count")
                .toInt();
        const int count = db.scalar("select count(*) from words").toInt();
        QVERIFY2(exact ? kept == count : kept <= count, qPrintable(QString::number(kept)));
    }

    void keySetsHoldTheirKeys_data() {
        QTest::addColumn<QList<qint64>>("inserted");
        QTest::addColumn<bool>("span");
        QTest::newRow("extended at either end") << QList<qint64>{11, 4, 12} << true;
        QTest::newRow("one held already") << QList<qint64>{7} << true;
        QTest::newRow("apart") << QList<qint64>{20, 2} << false;
    }
    void keySetsHoldTheirKeys() {
        QFETCH(QList<qint64>, inserted);
        QFETCH(bool, span);
        KeySet keys = KeySet::span(5, 10);
        std::vector<qint64> expected{5, 6, 7, 8, 9, 10};
        for (qint64 key : inserted) {
            keys.insert(key);
            if (std::find(expected.begin(), expected.end(), key) == expected.end())
                expected.insert(std::upper_bound(expected.begin(), expected.end(), key), key);
        }
        QCOMPARE(keys.isSpan(), span);
        QCOMPARE(keys.toVector(), expected);
        QCOMPARE(keys.indexOf(expected.back()), qsizetype(expected.size() - 1));
        QCOMPARE(keys.indexOf(3), qsizetype(-1));
        QCOMPARE(keys.lowerBound(expected.back() + 1), qsizetype(expected.size()));
        QCOMPARE(keys.intersected({1, 6, 8, 21}).toVector(), (std::vector<qint64>{6, 8}));
    }

    // The first row at or after a position whose name starts with a text: the same, in
    // whichever way it is found, as reading every row in order.
    void firstMatchIsTheFirstInOrder_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("from");
        QTest::newRow("many match") << QString() << "w0" << 1;
        QTest::newRow("from further on") << QString() << "w01" << 500;
        QTest::newRow("one matches") << QString() << "w01234" << 1;
        QTest::newRow("none after from") << QString() << "w01234" << 1300;
        QTest::newRow("none") << QString() << "x" << 1;
        QTest::newRow("refined, many") << "groupid = 7" << "w" << 1;
        QTest::newRow("refined, none left") << "groupid = 7" << "w0000" << 2;
        QTest::newRow("any case") << "bookmark = 1" << "W00" << 3;
    }
    void firstMatchIsTheFirstInOrder() {
        QFETCH(QString, filter);
        QFETCH(QString, prefix);
        QFETCH(int, from);
        FixtureDb db(FixtureDb::generatedWords(3000));
        auto rs = openWords();
        rs->setFilter(filter);
        int expected = 0;
        for (int p = from; p <= rs->recordCount() && !expected; ++p)
            if (rs->valueAt(p, "name").toString().startsWith(prefix, Qt::CaseInsensitive))
                expected = p;
        QCOMPARE(rs->firstMatch("name like '" + prefix + "%'", from), expected);
    }

    // ---- filters found in steps ----

    void aFilterFoundInStepsGivesTheSameRows_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("inSteps");
        QTest::newRow("a few words by the name index") << "name like 'w0123%'" << false;
        QTest::newRow("every word's texts") << kSlowFilter << true;
    }
    void aFilterFoundInStepsGivesTheSameRows() {
        QFETCH(QString, filter);
        QFETCH(bool, inSteps);
        FixtureDb db(manyWords());
        auto rs = openWords(QStringLiteral("select * from words where groupid <= 40"));
        const auto before = rowsOf(*rs);
        QSignalSpy finished(rs.get(), &Recordset::filterFinished);
        QCOMPARE(rs->filterInSteps(filter), !inSteps);
        QCOMPARE(rowsOf(*rs) == before, inSteps); // nothing changes until it is found
        finishSteps([&] { return rs->isFiltering(); });
        QCOMPARE(finished.count(), inSteps ? 1 : 0);
        const auto found = rowsOf(*rs);
        rs->setFilter(filter);
        QCOMPARE(found, rowsOf(*rs));
        QCOMPARE(rs->filter(), filter);
        QCOMPARE(rs->absolutePosition(), 1);
    }

    // A filter dropped halfway leaves the rows, the filter and the position as they were; a
    // newer one is what ends in force.
    void aFilterDroppedHalfwayChangesNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancelled") << "cancel";
        QTest::newRow("by a newer one in steps") << "newer";
        QTest::newRow("by a filter at once") << "setFilter";
        QTest::newRow("by a word added") << "add";
    }
    void aFilterDroppedHalfwayChangesNothing() {
        QFETCH(QString, how);
        FixtureDb db(manyWords());
        auto rs = openWords();
        rs->setFilter(QStringLiteral("groupid = 3"));
        rs->move(5);
        const auto before = rowsOf(*rs);
        QSignalSpy finished(rs.get(), &Recordset::filterFinished);
        QVERIFY(!rs->filterInSteps(kSlowFilter));
        QVERIFY(rs->isFiltering());
        if (how == QLatin1String("cancel")) {
            rs->cancelFilter();
            QCOMPARE(rowsOf(*rs), before);
            QCOMPARE(rs->filter(), QStringLiteral("groupid = 3"));
            QCOMPARE(rs->absolutePosition(), 6);
        } else if (how == QLatin1String("newer")) {
            QVERIFY(!rs->filterInSteps(QStringLiteral("meaning like '%w2%' or example like '%8%'")));
        } else if (how == QLatin1String("setFilter")) {
            rs->setFilter(QStringLiteral("groupid = 4"));
        } else {
            rs->addNew({{"name", "zeal"}});
        }
        finishSteps([&] { return rs->isFiltering(); });
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(finished.count(), how == QLatin1String("newer") ? 1 : 0);
        if (how == QLatin1String("newer"))
            QCOMPARE(rs->filter(), QStringLiteral("meaning like '%w2%' or example like '%8%'"));
        if (how == QLatin1String("setFilter"))
            QCOMPARE(rowsOf(*rs), keysOf("SELECT id FROM words WHERE groupid = 4 ORDER BY id"));
    }

    void aFilterRefusedInStepsSaysWhy() {
        FixtureDb db(manyWords());
        auto rs = openWords();
        QVERIFY_THROWS_EXCEPTION(DbError, rs->filterInSteps(QStringLiteral("nosuch = 1")));
        // A slice of a filter whose values the database cannot compare, by its key range.
        KeyScan scan(rs->connection(), QStringLiteral("words"), QStringLiteral("nosuch = 1"), 1,
                     rs->recordCount());
        QVERIFY(!scan.step());
        QVERIFY(scan.error().has_value());
    }

    // ---- the list view's order ----

    void anOrderReadInPagesIsTheIndexOrder_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("descending");
        QTest::newRow("every word") << "words" << QString() << false;
        QTest::newRow("every word, descending") << "words" << QString() << true;
        QTest::newRow("refined") << "words" << "groupid = 7" << false;
        QTest::newRow("names twice, ties by key") << "spwl" << QString() << false;
        QTest::newRow("names twice, descending") << "spwl" << "bookmark = 1" << true;
    }
    void anOrderReadInPagesIsTheIndexOrder() {
        QFETCH(QString, table);
        QFETCH(QString, filter);
        QFETCH(bool, descending);
        std::vector<WordRow> spwl = FixtureDb::generatedWords(1500);
        for (size_t i = 0; i < spwl.size(); i += 3)
            spwl[i].name = QStringLiteral("twice %1").arg(i % 200);
        FixtureDb db(FixtureDb::generatedWords(3000), spwl);
        auto rs = openWords("select * from " + table);
        rs->setFilter(filter);
        const QString direction = descending ? QStringLiteral(" DESC") : QString();
        std::vector<qint64> expected;
        for (qint64 id : keysOf("SELECT id FROM " + table + " ORDER BY name" + direction +
                                ", id" + direction))
            if (rs->positionOf(id))
                expected.push_back(id);
        KeyOrder order(rs->connection(), table, descending, rs->keys());
        order.readUntil(10);
        QVERIFY(order.known() >= 10);
        order.start();
        finishSteps([&] { return !order.complete(); });
        QCOMPARE(order.known(), qsizetype(expected.size()));
        for (size_t row = 0; row < expected.size(); ++row) {
            QCOMPARE(order.keyAt(qsizetype(row)), expected[row]);
            QCOMPARE(order.rowOf(expected[row]), qsizetype(row));
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordset)
#include "tst_recordset.moc"
