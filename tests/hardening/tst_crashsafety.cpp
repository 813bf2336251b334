// Kills the program at random moments while it marks words studied and flips their marks:
// the file stays whole and every change it had acknowledged is there.
#include "support/Fixture.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {

struct Stored {
    qint64 readcount;
    bool bookmark;
    bool doublebm;
};

QHash<qint64, Stored> readBack(const QString& path) {
    QHash<qint64, Stored> rows;
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_key(db, "mirtholeandraxep", 16);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT id, readcount, bookmark, doublebm FROM words", -1, &stmt,
                       nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        rows.insert(sqlite3_column_int64(stmt, 0),
                    {sqlite3_column_int64(stmt, 1), sqlite3_column_int(stmt, 2) != 0,
                     sqlite3_column_int(stmt, 3) != 0});
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT
private slots:
    void killedAtRandomMoments() {
        const int runs = qEnvironmentVariableIntValue("VERBALOOM_CRASH_RUNS") > 0
                             ? qEnvironmentVariableIntValue("VERBALOOM_CRASH_RUNS")
                             : 12;
        QRandomGenerator random(20261206);
        std::vector<WordRow> words = FixtureDb::generatedWords(60);
        for (WordRow& w : words)
            w.doublebm = false; // the driver flips Difficult; keep the pair consistent
        FixtureDb db(words);
        int acknowledged = 0;
        for (int run = 0; run < runs; ++run) {
            QProcess driver;
            driver.setWorkingDirectory(db.dir());
            driver.start(QStringLiteral(VERBALOOM_DRIVER), {QStringLiteral("mark-loop")});
            QVERIFY(driver.waitForStarted());
            QVERIFY(driver.waitForReadyRead(30000)); // it is writing
            QTest::qWait(int(random.bounded(20, 400)));
            ::kill(pid_t(driver.processId()), SIGKILL);
            QVERIFY(driver.waitForFinished());

            // The last acknowledged state of each word.
            QHash<qint64, Stored> acked;
            for (const QByteArray& line : driver.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> f = line.split(' ');
                if (f.size() == 4 && f[0] == "ack") {
                    acked[f[1].toLongLong()] = {f[2].toLongLong(), f[3] == "1", false};
                    ++acknowledged;
                }
            }
            QCOMPARE(db.scalar(QStringLiteral("pragma integrity_check")).toString(),
                     QStringLiteral("ok"));
            const QHash<qint64, Stored> stored = readBack(db.path());
            for (auto it = acked.begin(); it != acked.end(); ++it) {
                const Stored& s = stored.value(it.key());
                // At most one more study may have landed after the last acknowledgement.
                QVERIFY2(s.readcount == it->readcount || s.readcount == it->readcount + 1,
                         qPrintable(QStringLiteral("run %1 word %2: stored %3, acknowledged %4")
                                        .arg(run)
                                        .arg(it.key())
                                        .arg(s.readcount)
                                        .arg(it->readcount)));
            }
            for (const Stored& s : stored)
                QVERIFY(!s.doublebm || s.bookmark);
        }
        QVERIFY(acknowledged > runs);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
