// "verbaloom --import FILE" and "--export FILE", the built program run as a learner would
// from a terminal: the summary line, the refused rows with their lines, the exit codes, the
// refusal while Verbaloom runs on the database, and a process killed midway through an
// import leaving the database as it was.
#include "app/StartModule.h"
#include "support/Fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run verbaloom(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral(VERBALOOM_EXE), arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(p.readAllStandardError()).trimmed()};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

} // namespace

class TestTransferCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // A runtime folder of the test's own, for the program and for the lock taken here.
        QVERIFY(runtime_.isValid());
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("words");
        QTest::newRow("import")
            << QStringList{"--import", "lists/new.csv"}
            << QByteArray("word,meaning\nquell,to calm\nabase,again\n,no word\nzeal,ardour\n")
            << 0 << "Imported 2 words, skipped 1 duplicates, 1 rows refused"
            << "line 4: there is no word" << 10;
        QTest::newRow("nothing new")
            << QStringList{"--import", "lists/new.csv"} << QByteArray("abase\nABATE\n") << 1
            << "Imported 0 words, skipped 2 duplicates, 0 rows refused" << "" << 8;
        QTest::newRow("empty file") << QStringList{"--import", "lists/new.csv"} << QByteArray()
                                    << 1 << "" << "new.csv is empty: there are no words in it."
                                    << 8;
        QTest::newRow("Latin-1 file")
            << QStringList{"--import", "lists/new.csv"} << QByteArray("caf\xE9,coffee\n") << 1
            << ""
            << "new.csv, line 1: this is not UTF-8 text (perhaps Latin-1 or Windows-1252); save "
               "the file as UTF-8 and import it again"
            << 8;
        QTest::newRow("no such file") << QStringList{"--import", "lists/none.csv"} << QByteArray()
                                      << 1 << "" << "none.csv cannot be opened: there is no such "
                                                    "file"
                                      << 8;
        QTest::newRow("export") << QStringList{"--export", "lists/out.tsv"} << QByteArray() << 0
                                << "Exported 8 words to out.tsv" << "" << 8;
        QTest::newRow("export to an unknown format")
            << QStringList{"--export", "lists/out.doc"} << QByteArray() << 2 << ""
            << "out.doc: the file name must end in .csv, .tsv or .kvtml" << 8;
        QTest::newRow("no file named") << QStringList{"--import"} << QByteArray() << 2 << ""
                                       << "usage: verbaloom [--import FILE | --export "
                                          "FILE.csv|FILE.tsv|FILE.kvtml]"
                                       << 8;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(int, words);
        FixtureDb db;
        QDir(db.dir()).mkdir(QStringLiteral("lists"));
        if (arguments.value(1).endsWith(QLatin1String("new.csv")))
            writeFile(db.dir() + QStringLiteral("/lists/new.csv"), file);
        const Run run = verbaloom(arguments);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err, err);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(db.scalar("select count(*) from words").toInt(), words);
        if (arguments.value(1).endsWith(QLatin1String(".tsv"))) {
            QFile written(db.dir() + QStringLiteral("/lists/out.tsv"));
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll().count('\n'), 3 + 8);
        }
    }

    void anImportIsRefusedWhileVerbaloomRuns() {
        FixtureDb db;
        writeFile(db.dir() + QStringLiteral("/new.csv"), "quell,to calm\n");
        const SingleInstance running; // as the program takes it when it starts here
        QVERIFY(running.isFirst());
        const Run run = verbaloom({QStringLiteral("--import"), QStringLiteral("new.csv")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("Verbaloom is running on this word database: close it, "
                                         "then import again."));
        QCOMPARE(db.scalar("select count(*) from words").toInt(), 8);
    }

    // Killed while it writes (the rollback journal is there): the next opening of the file
    // rolls it back, and the words are those of before.
    void anImportKilledMidwayLeavesTheDatabaseAsItWas() {
        FixtureDb db;
        QByteArray rows;
        rows.reserve(12 * 1024 * 1024);
        for (int i = 0; i < 300000; ++i)
            rows += "word" + QByteArray::number(i) + ",a meaning,an example of it\n";
        writeFile(db.dir() + QStringLiteral("/big.csv"), rows);
        const QString before = db.dump();
        QProcess p;
        p.start(QStringLiteral(VERBALOOM_EXE), {QStringLiteral("--import"), QStringLiteral("big.csv")});
        QVERIFY(p.waitForStarted());
        const QString journal = db.path() + QStringLiteral("-journal");
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(journal) && p.state() == QProcess::Running && clock.elapsed() < 60000)
            QThread::msleep(2);
        QThread::msleep(100);
        QVERIFY2(p.state() == QProcess::Running, "the import ended before it could be killed");
        p.kill();
        p.waitForFinished();
        QVERIFY(QFile::exists(journal));
        QCOMPARE(db.dump(), before);
    }

private:
    QTemporaryDir runtime_;
};

QTEST_GUILESS_MAIN(TestTransferCommand)
#include "tst_transfercommand.moc"
