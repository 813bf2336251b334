// The statement and filter texts the program composes, run against a fixture database:
// each must select exactly the rows it means, and anything that is not one read-only query
// must be refused whole, leaving the file as it was.
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/SqlTranslator.h"
#include "support/Fixture.h"

#include <QtTest>

class TestSqlTranslator : public QObject {
    Q_OBJECT

    static QStringList namesOf(Recordset& rs) {
        QStringList names;
        for (int i = 1; i <= rs.recordCount(); ++i)
            names << rs.valueAt(i, QStringLiteral("name")).toString();
        return names;
    }

private slots:
    void sourcesSelectTheirRows_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("expected");
        const QStringList all{"abase",   "abate",    "abstruse", "acerbic",
                              "Laconic", "obdurate", "venal",    "o'clock"};
        QTest::newRow("all words") << "select * from words" << all;
        QTest::newRow("revise, in parentheses with a trailing blank")
            << "(select * from words where words.sessionBM = yes) "
            << QStringList{"acerbic", "obdurate"};
        QTest::newRow("report: easy") << "select * from words where bookmark = no and doublebm = no"
                                      << QStringList{"abase", "acerbic", "venal", "o'clock"};
        QTest::newRow("report: difficult")
            << "select * from words where bookmark = yes and doublebm = no"
            << QStringList{"abate", "obdurate"};
        QTest::newRow("report: very difficult")
            << "select * from words where bookmark = yes and doublebm = yes"
            << QStringList{"abstruse"};
        const QString defaults =
            "name like '%%' AND (readcount >=1 or readcount <= 1) AND (groupid >=1 or groupid "
            "<= 1) AND (lastread  between #01/01/1980# and #01/01/2099# or lastread IS NULL ) "
            "AND (bookmark = yes or bookmark = no) AND (specialwl like '%' OR specialwl Is NULL)";
        QTest::newRow("selection defaults, null lastread included")
            << "select * from words where " + defaults << all;
        QTest::newRow("letters, case-insensitive like")
            << "select * from words where (name like 'A%' OR name like 'L%')"
            << QStringList{"abase", "abate", "abstruse", "acerbic", "Laconic"};
        QTest::newRow("word lists") << "select * from words where (groupid = 2 OR groupid = 5)"
                                    << QStringList{"abstruse", "acerbic", "venal"};
        QTest::newRow("study count without a blank")
            << "select * from words where (readcount >0)"
            << QStringList{"abate", "abstruse", "acerbic", "obdurate", "venal"};
        QTest::newRow("date range")
            << "select * from words where (lastread between #01/01/2004# AND #12/31/2004#)"
            << QStringList{"abate", "abstruse"};
        QTest::newRow("upper-case yes/no")
            << "select * from words where (bookmark = NO OR (bookmark = YES AND doublebm = NO))"
            << QStringList{"abase", "abate", "acerbic", "Laconic", "obdurate", "venal", "o'clock"};
        QTest::newRow("very difficult alone") << "select * from words where ((doublebm = YES ))"
                                              << QStringList{"abstruse", "Laconic"};
        QTest::newRow("special categories")
            << "select * from spwl where (specialwl = 'Religion' OR specialwl = 'Time')"
            << QStringList{"atheism", "dogma", "epoch"};
        QTest::newRow("special defaults") << "select * from spwl where " + defaults
                                          << QStringList{"atheism", "dogma", "epoch", "waltz"};
        QTest::newRow("quoted yes stays text")
            << "select * from words where name = 'yes' or meaning like '%#1#%'" << QStringList{};
        QTest::newRow("doubled quote in a literal")
            << "select * from words where name = 'O''CLOCK'" << QStringList{"o'clock"};
        QTest::newRow("mixed-case column names")
            << "select * from words where Name like 'v%' and ReadCount = 4 and GroupId = 5"
            << QStringList{"venal"};
    }
    void sourcesSelectTheirRows() {
        QFETCH(QString, source);
        QFETCH(QStringList, expected);
        FixtureDb db;
        auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared), source);
        QCOMPARE(namesOf(*rs), expected);
    }

    void filtersNarrowTheOpenRows_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("don't refine") << "bookmark = 1  or bookmark = 0 "
                                      << QStringList{"abase",   "abate",    "abstruse", "acerbic",
                                                     "Laconic", "obdurate", "venal",    "o'clock"};
        QTest::newRow("easy") << "bookmark = 0"
                              << QStringList{"abase", "acerbic", "Laconic", "venal", "o'clock"};
        QTest::newRow("difficult")
            << "bookmark = 1 and doublebm = 0" << QStringList{"abate", "obdurate"};
        QTest::newRow("double difficult") << "doublebm = 1" << QStringList{"abstruse", "Laconic"};
        QTest::newRow("high frequency") << "highfw = 1" << QStringList{"acerbic", "venal"};
        QTest::newRow("read this session") << "sessionbm = 1" << QStringList{"acerbic", "obdurate"};
        QTest::newRow("name starting")
            << "name like 'ab%'" << QStringList{"abase", "abate", "abstruse"};
        QTest::newRow("name containing, upper case")
            << "name like '%BA%'" << QStringList{"abase", "abate"};
        QTest::newRow("two percent signs pass every value")
            << "meaning like '%%'" << QStringList{"abase",   "abate",    "abstruse", "acerbic",
                                                  "Laconic", "obdurate", "venal",    "o'clock"};
        QTest::newRow("meaning or meaning")
            << "Meaning like '%venal%' or Meaning like '%abase%'" << QStringList{"abase", "venal"};
        QTest::newRow("read count")
            << "readcount < 3" << QStringList{"abase", "abate", "acerbic", "Laconic", "o'clock"};
        QTest::newRow("word list") << "groupid = 51" << QStringList{"o'clock"};
        QTest::newRow("find criterion with a quoted apostrophe")
            << "name='o''clock'" << QStringList{"o'clock"};
    }
    void filtersNarrowTheOpenRows() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        FixtureDb db;
        auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                                  QStringLiteral("select * from words"));
        rs->setFilter(filter);
        QCOMPARE(namesOf(*rs), expected);
        QCOMPARE(rs->recordCount(), expected.size());
    }

    void translationIsExact_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sql");
        QTest::newRow("yes/no") << "bookmark = yes and doublebm = NO"
                                << "bookmark = 1 AND doublebm = 0";
        QTest::newRow("date") << "lastread between #1/2/2004# and #12/31/2004#"
                              << "lastread BETWEEN '2004-01-02' AND '2004-12-31'";
        QTest::newRow("null") << "specialwl Is NULL"
                              << "specialwl IS NULL";
        QTest::newRow("text compares without case") << "name='abc'"
                                                    << "name = 'abc' COLLATE NOCASE";
        QTest::newRow("literal keeps its content") << "name = 'yes #1# -- ;'"
                                                   << "name = 'yes #1# -- ;' COLLATE NOCASE";
    }
    void translationIsExact() {
        QFETCH(QString, text);
        QFETCH(QString, sql);
        QCOMPARE(SqlTranslator::translateCondition(text), sql);
    }

    void hostileTextIsRefusedWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("second statement")
            << "select * from words where groupid = 0) ; delete from words; --";
        QTest::newRow("closing a literal")
            << "select * from words where name like 'x'); drop table words; --%'";
        QTest::newRow("comment") << "select * from words /* x */";
        QTest::newRow("trailing comment") << "select * from words -- x";
        QTest::newRow("not a select") << "delete from words";
        QTest::newRow("update") << "update words set readcount = 0";
        QTest::newRow("other table") << "select * from sqlite_master";
        QTest::newRow("function call") << "select * from words where randomblob(100000000) = 1";
        QTest::newRow("subquery") << "select * from words where id in (select id from words)";
        QTest::newRow("union") << "select * from words union select * from spwl";
        QTest::newRow("unterminated text") << "select * from words where name = 'abc";
        QTest::newRow("bad date") << "select * from words where lastread = #13/45/2004#";
        QTest::newRow("deep nesting") << "select * from words where " + QString(5000, u'(') + "1";
        QTest::newRow("non-ascii word") << "select * from words where nämé = 1";
    }
    void hostileTextIsRefusedWhole() {
        QFETCH(QString, text);
        FixtureDb db;
        const QString before = db.dump();
        auto conn = Connection::open(ConnectionStrings::Shared);
        try {
            Recordset::open(conn, text);
            QFAIL("the text was accepted");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), DbErrors::SyntaxError);
        }
        QCOMPARE(db.dump(), before);
    }

    void hostileFiltersCannotWrite_data() {
        QTest::addColumn<QString>("filter");
        QTest::newRow("statement after a number") << "readcount = 0) ; delete from words; --";
        QTest::newRow("statement after a literal") << "name like 'x'); drop table words; --%'";
        QTest::newRow("empty right side") << "groupid = ";
        QTest::newRow("apostrophe left open") << "name like 'o'clock%'";
    }
    void hostileFiltersCannotWrite() {
        QFETCH(QString, filter);
        FixtureDb db;
        const QString before = db.dump();
        auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                                  QStringLiteral("select * from words"));
        rs->setFilter(QStringLiteral("bookmark = 1"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->setFilter(filter));
        QCOMPARE(rs->filter(), QStringLiteral("bookmark = 1")); // the previous filter stays
        QCOMPARE(rs->recordCount(), 3);
        QVERIFY_THROWS_EXCEPTION(DbError, rs->find(filter));
        QCOMPARE(db.dump(), before);
    }
};

QTEST_GUILESS_MAIN(TestSqlTranslator)
#include "tst_sqltranslator.moc"
