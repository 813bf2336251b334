// Schema versions: an older file is upgraded in place after a private copy beside it; a newer
// one, or one that cannot be upgraded, is opened for reading only and left as it was.
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/SchemaUpgrade.h"
#include "support/Fixture.h"

#include <QFile>
#include <QtTest>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {

void setVersion(const QString& path, int version) {
    FixtureDb::scalarAt(path, QStringLiteral("PRAGMA user_version = %1").arg(version));
}
int versionOf(const QString& path) {
    return FixtureDb::scalarAt(path, QStringLiteral("PRAGMA user_version")).toInt();
}
QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
QString connectionTo(const QString& path) {
    return QStringLiteral("Data Source=%1;Mode=Read|Write").arg(path);
}

} // namespace

class TestSchemaUpgrade : public QObject {
    Q_OBJECT
private slots:
    void todaysFileGainsTheScheduleAndKeepsEveryMark() {
        FixtureDb db;
        // A learner's file as every copy is today: no schedule, no recorded version.
        for (const char* sql :
             {"DROP TRIGGER words_unschedule", "DROP TRIGGER spwl_unschedule",
              "DROP TABLE schedule", "DROP TABLE review_log", "PRAGMA user_version = 0"})
            FixtureDb::scalarAt(db.path(), QLatin1String(sql));
        const QString marks = db.dump();
        Connection::open(ConnectionStrings::ReadWrite);
        QCOMPARE(db.dump(), marks);
        QCOMPARE(db.scalar("select count(*) from sqlite_master where name in ('schedule', "
                           "'review_log', 'schedule_due')")
                     .toInt(),
                 3);
        QVERIFY(QFile::exists(db.path() + QStringLiteral(".backup-v0")));
    }

    void anOlderFileIsUpgradedAfterAPrivateCopy() {
        FixtureDb db;
        QCOMPARE(versionOf(db.path()), SchemaUpgrade::CurrentVersion); // a new file's
        setVersion(db.path(), 0); // every learner's file before versions were recorded
        const QByteArray before = bytesOf(db.path());
        const QString backup = db.path() + QStringLiteral(".backup-v0");
        {
            auto conn = Connection::open(ConnectionStrings::ReadWrite);
            QVERIFY(!conn->readOnly());
            // Said once, with where the copy is.
            QVERIFY2(conn->notice().contains(QStringLiteral("up to date")) &&
                         conn->notice().contains(QStringLiteral(".backup-v0")),
                     qPrintable(conn->notice()));
        }
        QCOMPARE(versionOf(db.path()), SchemaUpgrade::CurrentVersion);
        QCOMPARE(bytesOf(backup), before);
        QCOMPARE(QFile::permissions(backup) & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner | QFile::WriteOwner);

        // The copy made first is the older state: a later upgrade never writes over it.
        QFile::remove(backup);
        QFile older(backup);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("older");
        older.close();
        setVersion(db.path(), 0);
        Connection::open(ConnectionStrings::ReadWrite);
        QCOMPARE(versionOf(db.path()), SchemaUpgrade::CurrentVersion);
        QCOMPARE(bytesOf(backup), QByteArray("older"));
    }

    void aNewerFileIsOnlyRead() {
        FixtureDb db;
        setVersion(db.path(), SchemaUpgrade::CurrentVersion + 1);
        const QByteArray before = bytesOf(db.path());
        auto conn = Connection::open(ConnectionStrings::ReadWrite);
        QVERIFY(conn->readOnly());
        QCOMPARE(conn->notice(),
                 QStringLiteral("Your word database %1 was made by a newer version of Verbaloom. "
                                "It is open for reading only: nothing you study now will be "
                                "saved. Install the newer Verbaloom to go on with your progress.")
                     .arg(db.path()));
        auto rs = Recordset::open(conn, QStringLiteral("select * from words"));
        QCOMPARE(rs->recordCount(), 8);
        try {
            rs->setValue(QStringLiteral("readcount"), 9);
            QFAIL("a newer file was written");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), qint64(3027));
        }
        QCOMPARE(bytesOf(db.path()), before);
        QVERIFY(!QFile::exists(
            SchemaUpgrade::backupPath(db.path(), SchemaUpgrade::CurrentVersion + 1)));
    }

    void aFailingStepLeavesTheFileAsItWas() {
        FixtureDb db;
        setVersion(db.path(), 0);
        const QByteArray before = bytesOf(db.path());
        sqlite3* handle = nullptr;
        QCOMPARE(sqlite3_open_v2(QFile::encodeName(db.path()).constData(), &handle,
                                 SQLITE_OPEN_READWRITE, nullptr),
                 SQLITE_OK);
        sqlite3_key(handle, "mirtholeandraxep", 16);
        // The first step goes through; the second cannot.
        const char* const steps[] = {"CREATE TABLE schedule (id INTEGER)",
                                     "CREATE TABLE words (x)"};
        const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(handle, db.path(), steps, 2);
        sqlite3_close(handle);
        QCOMPARE(result.kind, SchemaUpgrade::Result::Kind::Failed);
        QVERIFY2(result.notice.startsWith(
                     QStringLiteral("Verbaloom could not bring your word database %1 up to date (")
                         .arg(db.path())),
                 qPrintable(result.notice));
        QVERIFY(result.notice.endsWith(
            QStringLiteral("It is open for reading only: nothing you study now will be saved. "
                           "The file is as it was.")));
        QCOMPARE(bytesOf(db.path()), before);
    }

    void aFileThatCannotBeCopiedIsOnlyRead() {
        FixtureDb db;
        setVersion(db.path(), 0);
        // A name the file system can hold, but not with ".backup-v0" after it: where root
        // can write anything, this stands for a full disk or a folder that cannot be written.
        const QString path = db.dir() + u'/' + QString(247, u'w');
        QVERIFY(QFile::copy(db.path(), path));
        const QByteArray before = bytesOf(path);
        auto conn = Connection::open(connectionTo(path));
        QVERIFY(conn->readOnly());
        QVERIFY2(conn->notice().contains(QStringLiteral("could not bring")),
                 qPrintable(conn->notice()));
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(versionOf(path), 0);
    }
};

QTEST_GUILESS_MAIN(TestSchemaUpgrade)
#include "tst_schemaupgrade.moc"
