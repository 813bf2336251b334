// A learner's copy of the first shipped word list brought up to the list the build ships:
// new and changed words arrive, every mark and count stays, their own words and their edits
// are left alone, and a copy of the file is kept first. Run on a file made exactly as the
// first list was shipped (a sample of its rows), with progress marked.
#include "data/ContentUpgrade.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/WordDatabaseBuilder.h"
#include "support/Fixture.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

std::vector<WordRow> sample(const char* file) {
    QFile f(QStringLiteral(VERBALOOM_SOURCE_DIR "/tests/data/") + QLatin1String(file));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing %s", file);
    QString error;
    return WordDatabaseBuilder::rowsFromCsv(f.readAll(), &error);
}

const QString kShipped = qEnvironmentVariable("VERBALOOM_DB");
const QString kHistory = QStringLiteral(VERBALOOM_SOURCE_DIR "/share/content-history.csv");

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The learner's file as the first list shipped it: no schedule, no versions recorded; then
// a learner's use of it.
struct LearnersFile {
    LearnersFile() : db(sample("content-v1-words.csv"), sample("content-v1-spwl.csv")) {
        // Nor the index of the session marks and the kept word count.
        for (const char* sql : {"DROP INDEX words_marked", "DROP TABLE word_count",
                                "DROP TRIGGER word_count_delete", "DROP TRIGGER word_count_rekey"})
            FixtureDb::scalarAt(db.path(), QLatin1String(sql));
        const char* const ownWord = "INSERT INTO words (name, meaning, example, groupid)"
                                    " VALUES ('sycophant', 'mine', '', 51)";
        for (const char* sql :
             {"DROP TRIGGER words_unschedule", "DROP TRIGGER spwl_unschedule",
              "DROP TABLE schedule", "DROP TABLE review_log", "DROP TABLE content_info",
              "PRAGMA user_version = 0",
              // studied, marked, edited, and a word of their own
              "UPDATE words SET readcount = 3, lastread = '2025-05-01' WHERE name = 'abdicate'",
              "UPDATE words SET bookmark = 1 WHERE name = 'abdicate'",
              "UPDATE words SET meaning = 'My own words for it' WHERE name = 'abound'",
              "UPDATE words SET readcount = 1 WHERE name = 'abduct'",
              "UPDATE words SET bookmark = 1, doublebm = 1 WHERE name = 'abrupt'",
              "UPDATE spwl SET readcount = 2 WHERE name = 'anthropoid'", ownWord})
            FixtureDb::scalarAt(db.path(), QLatin1String(sql));
    }
    QString value(const char* sql) const { return db.scalar(sql).toString(); }
    FixtureDb db;
};

} // namespace

class TestContentUpgrade : public QObject {
    Q_OBJECT
private slots:
    void theNewListArrivesAndEverythingOfTheLearnersStays() {
        LearnersFile f;
        auto learner = Connection::open(ConnectionStrings::ReadWrite);
        const QByteArray before = bytesOf(f.db.path());
        const ContentUpgrade::Summary s = ContentUpgrade::merge(*learner, kShipped, kHistory);
        QCOMPARE(s.fromVersion, 1);
        QCOMPARE(s.toVersion, 2);
        QCOMPARE(bytesOf(s.backup), before);

        // Changed words take the new meaning; marks and counts stay.
        QCOMPARE(f.value("select readcount || lastread || bookmark || substr(meaning, 1, 17) "
                         "from words where name = 'abdicate'"),
                 QStringLiteral("32025-05-011Give up a throne,"));
        QCOMPARE(f.value("select meaning from words where name = 'abound'"),
                 QStringLiteral("My own words for it"));
        QVERIFY(f.value("select meaning from words where name = 'abasement'").startsWith("Humil"));
        // Dropped words: gone when untouched, kept as they were when the learner used them.
        QCOMPARE(f.value("select group_concat(name) from (select name from words where name in "
                         "('aback', 'abduct', 'abolish', 'abrupt') order by name)"),
                 QStringLiteral("abduct,abrupt"));
        QCOMPARE(f.value("select readcount from words where name = 'abduct'"), QStringLiteral("1"));
        // The learner's own word wins over the list's word of that name.
        QCOMPARE(f.value("select meaning || groupid from words where name = 'sycophant'"),
                 QStringLiteral("mine51"));
        QCOMPARE(f.value("select readcount from spwl where name = 'anthropoid'"),
                 QStringLiteral("2"));
        // Everything else of the new list is there.
        const int shippedWords =
            FixtureDb::scalarAt(kShipped, QStringLiteral("select count(*) from words")).toInt();
        QCOMPARE(f.db.scalar("select count(*) from words").toInt(), shippedWords + 2);
        QCOMPARE(f.value("select value from content_info where key = 'version'"),
                 QStringLiteral("2"));
        QCOMPARE(f.value("pragma integrity_check"), QStringLiteral("ok"));

        // Again: nothing to do.
        const QByteArray after = bytesOf(f.db.path());
        QVERIFY(ContentUpgrade::merge(*learner, kShipped, kHistory).upToDate());
        QCOMPARE(bytesOf(f.db.path()), after);
    }

    void theProgramDoesItFromTheCommandLine() {
        LearnersFile f;
        QProcess program;
        program.setWorkingDirectory(f.db.dir());
        program.start(QStringLiteral(VERBALOOM_EXE), {QStringLiteral("--update-words"), kShipped});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(program.readAllStandardOutput().startsWith("Word list brought up to version 2: "),
                 "no summary line");
        QCOMPARE(f.value("select value from content_info where key = 'version'"),
                 QStringLiteral("2"));
    }

    void aFailureLeavesTheFileAsItWas() {
        LearnersFile f;
        auto learner = Connection::open(ConnectionStrings::ReadWrite);
        learner->prepare(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON words WHEN "
                                        "new.name = 'obsequious' BEGIN SELECT RAISE(ABORT, "
                                        "'disk says no'); END"))
            .step();
        const QString before = f.db.dump();
        QVERIFY_THROWS_EXCEPTION(DbError, ContentUpgrade::merge(*learner, kShipped, kHistory));
        QCOMPARE(f.db.dump(), before);
        QCOMPARE(ContentUpgrade::versionOf(*learner), 1);
    }
};

QTEST_GUILESS_MAIN(TestContentUpgrade)
#include "tst_contentupgrade.moc"
