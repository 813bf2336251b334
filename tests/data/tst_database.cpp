// Opening the word database: the three connection strings, and one clear error for each way
// the file can be unusable.
#include "data/Csv.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "support/Fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

namespace {
qint64 openError(const QString& connectionString) {
    try {
        Connection::open(connectionString);
    } catch (const DbError& e) {
        return e.number();
    }
    return 0;
}
} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void connectionStringsAreParsed_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read and write") << ConnectionStrings::ReadWrite << false;
        QTest::newRow("shared") << ConnectionStrings::Shared << false;
        QTest::newRow("read only") << ConnectionStrings::ReadOnly << true;
    }
    void connectionStringsAreParsed() {
        QFETCH(QString, text);
        QFETCH(bool, readOnly);
        const ConnectionSettings s = ConnectionSettings::parse(text);
        QCOMPARE(s.dataSource, QStringLiteral("dbnk.db"));
        QVERIFY(s.password.isEmpty()); // the key is kept apart from them
        QCOMPARE(s.readOnly, readOnly);
    }

    void theStartUpResetRuns() {
        FixtureDb db;
        auto conn = Connection::open(ConnectionStrings::ReadWrite);
        QCOMPARE(conn->execute(QStringLiteral("update words set sessionbm = 0")), 8);
        QCOMPARE(db.scalar("select count(*) from words where sessionbm = 1").toInt(), 0);
        QCOMPARE(db.scalar("select count(*) from spwl where sessionbm = 1").toInt(), 1);
    }

    void readOnlyRefusesWrites() {
        FixtureDb db;
        const QString before = db.dump();
        auto conn = Connection::open(ConnectionStrings::ReadOnly);
        QVERIFY(conn->readOnly());
        auto rs = Recordset::open(conn, QStringLiteral("select * from words"));
        try {
            rs->setValue("readcount", 9);
            QFAIL("a write went through a read-only connection");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), qint64(3027));
        }
        QCOMPARE(db.dump(), before);
    }

    void aStatementIsStoppedAtItsTimeLimit() {
        FixtureDb db;
        auto conn = Connection::open(ConnectionStrings::Shared);
        Statement endless =
            conn->prepare(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                         "FROM n) SELECT max(i) FROM n"));
        QElapsedTimer clock;
        clock.start();
        try {
            endless.step();
            QFAIL("an endless statement ended");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), qint64(3360));
            QCOMPARE(e.description(),
                     QStringLiteral("The search is too complex. Use fewer wildcards (% and _)."));
        }
        QVERIFY(clock.elapsed() >= Connection::StatementTimeLimit.count() * 9 / 10);
        QVERIFY(clock.elapsed() < 3 * Connection::StatementTimeLimit.count());
        // The connection goes on.
        QCOMPARE(conn->execute(QStringLiteral("update words set readcount = 1 where id = 1")), 1);
    }

    void aMissingFileIsOneClearError() {
        QTemporaryDir empty;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(empty.path());
        try {
            Connection::open(ConnectionStrings::Shared);
            QFAIL("opened a missing file");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), qint64(3024));
            QVERIFY(e.description().contains(QStringLiteral("dbnk.db")));
        }
        QVERIFY(!QFile::exists(empty.path() + QStringLiteral("/dbnk.db"))); // never created
        QDir::setCurrent(previous);
    }

    void aWrongPasswordIsRefused() {
        FixtureDb db;
        const QString wrong =
            ConnectionStrings::Shared + QStringLiteral(";Jet OLEDB:Database Password=aaaaaaaaaaaaaaaa");
        QCOMPARE(openError(wrong), qint64(3031));
    }

    void aDamagedFileIsRefused_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("error");
        QTest::newRow("empty") << QByteArray() << qint64(3343);
        QTest::newRow("cut short") << QByteArray(1500, 'x') << qint64(3343);
        QByteArray noise(4096, Qt::Uninitialized);
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 251);
        QTest::newRow("random bytes") << noise << qint64(3031);
    }
    void aDamagedFileIsRefused() {
        QFETCH(QByteArray, content);
        QFETCH(qint64, error);
        FixtureDb db;
        QFile file(db.path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        QCOMPARE(openError(ConnectionStrings::Shared), error);
    }

    void aTruncatedDatabaseIsRefused() {
        std::vector<WordRow> many = FixtureDb::generatedWords(2000);
        FixtureDb db(many);
        QFile file(db.path());
        QVERIFY(file.size() > 8192);
        QVERIFY(file.resize(file.size() / 2 + 100));
        const qint64 error = [&]() -> qint64 {
            try {
                auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                                          QStringLiteral("select * from words"));
                rs->moveLast();
                rs->value("name");
            } catch (const DbError& e) {
                return e.number();
            }
            return 0;
        }();
        QVERIFY(error == qint64(3343) || error == qint64(3031));
    }

    void csvFieldsSurviveTheRoundTrip_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("plain") << QStringList{"abase", "to lower", ""};
        QTest::newRow("comma and quote") << QStringList{"a,b", "say \"hi\"", "\""};
        QTest::newRow("line breaks") << QStringList{"one\ntwo", "three\r\nfour", "\r"};
        QTest::newRow("non-ascii") << QStringList{"café", "naïve — “quoted”", "😀"};
    }
    void csvFieldsSurviveTheRoundTrip() {
        QFETCH(QStringList, fields);
        const QByteArray text = Csv::formatRecord(fields) + Csv::formatRecord({"x", "y", "z"});
        QString error;
        const auto records = Csv::parse(text, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.first(), fields);
    }

    void malformedCsvIsReported_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("unterminated") << QByteArray("a,\"b\n");
        QTest::newRow("text after quote") << QByteArray("a,\"b\"c\n");
        QTest::newRow("stray quote") << QByteArray("a,b\"c\n");
    }
    void malformedCsvIsReported() {
        QFETCH(QByteArray, text);
        QString error;
        Csv::parse(text, &error);
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
