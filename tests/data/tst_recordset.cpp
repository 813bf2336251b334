// The result-set rules navigation, find, refine, the report and add-word rely on.
#include "data/Database.h"
#include "data/DataSource.h"
#include "data/DbError.h"
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
};

QTEST_GUILESS_MAIN(TestRecordset)
#include "tst_recordset.moc"
