// A damaged, missing, locked or unwritable database: one clear message, no crash, and the
// learner's earlier data exactly as it was.
#include "app/Random.h"
#include "data/Database.h"
#include "study/MainWindow.h"
#include "study/StudySession.h"
#include "support/Fakes.h"
#include "support/Fixture.h"
#include "support/MainWindowSession.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray fileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Another process holding the file's write lock, as a second program would.
class Locker {
public:
    explicit Locker(const QString& path) {
        process_.start(QStringLiteral("sqlcipher"), {path});
        process_.waitForStarted();
        process_.write("PRAGMA key = 'mirtholeandraxep';\nBEGIN EXCLUSIVE;\nSELECT 'locked';\n");
        process_.waitForReadyRead(5000);
    }
    ~Locker() {
        process_.kill();
        process_.waitForFinished();
    }
    bool holds() { return process_.state() == QProcess::Running; }

private:
    QProcess process_;
};

// The main window over whatever file the test left in the current folder.
struct Window {
    Window() : screen(QSize(1280, 1024)) {
        Random::setGlobal(std::make_unique<SequenceRandom>(std::deque<double>{0.0}));
        form = std::make_unique<MainWindow>(session, speech, &screen);
        form->load();
        form->show();
    }
    ~Window() {
        form.reset();
        Random::setGlobal(nullptr);
    }
    void click(const char* name) { control<QAbstractButton>(form.get(), QLatin1String(name))->click(); }
    bool checked(const char* name) {
        return control<QAbstractButton>(form.get(), QLatin1String(name))->isChecked();
    }
    // Every action a learner can take on the card; none may crash.
    void useEverything() {
        for (const char* name : {"Command10_1", "Command10_0", "cmdRandomWord", "studiedit",
                                 "chkDiff_1", "chkDiff_0", "Command12"})
            click(name);
        control<QLineEdit>(form.get(), QStringLiteral("txtFind"))->setText(QStringLiteral("ab"));
        form->runToolbarAction(QStringLiteral("Revise"));
    }
    RecordingSpeech speech;
    FakeDisplayModes screen;
    MessageRecorder messages;
    StudySession session{ConnectionStrings::Shared};
    std::unique_ptr<MainWindow> form;
};

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void anUnusableFileIsReportedAndLeftAsItWas_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing"
                                 << "Error Occured. Error Number: 3024: Could not find file '";
        QTest::newRow("wrong key") << "key"
                                   << "Error Occured. Error Number: 3031: Not a valid password";
        QTest::newRow("cut short")
            << "truncate"
            << "Error Occured. Error Number: 3343: Unrecognized database format";
        QTest::newRow("random bytes") << "noise"
                                      << "Error Occured. Error Number: 3031: ";
    }
    void anUnusableFileIsReportedAndLeftAsItWas() {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        FixtureDb db(FixtureDb::generatedWords(300));
        if (damage == QLatin1String("missing")) {
            QFile::remove(db.path());
        } else if (damage == QLatin1String("key")) {
            // The same words under another key.
            QProcess rekey;
            rekey.start(QStringLiteral("sqlcipher"), {db.path()});
            QVERIFY(rekey.waitForStarted());
            rekey.write("PRAGMA key = 'mirtholeandraxep';\nPRAGMA rekey = 'another-password';\n");
            rekey.closeWriteChannel();
            QVERIFY(rekey.waitForFinished());
        } else if (damage == QLatin1String("truncate")) {
            QFile f(db.path());
            QVERIFY(f.resize(f.size() / 3 + 17));
        } else {
            QFile f(db.path());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QByteArray bytes(16384, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = char((i * 7919 + 13) % 251);
            f.write(bytes);
        }
        const QByteArray before = fileHash(db.path());
        {
            Window w;
            QVERIFY(!w.messages.requests.isEmpty());
            const QString first = w.messages.requests.first().text;
            QVERIFY2(first.startsWith(message), qPrintable(first));
            w.useEverything();
        }
        QCOMPARE(fileHash(db.path()), before);
        QCOMPARE(QFile::exists(db.path()), damage != QLatin1String("missing"));
    }

    void aFileLockedByAnotherProgram() {
        FixtureDb db;
        const QString before = db.dump();
        {
            Locker lock(db.path());
            QVERIFY(lock.holds());
            Window w;
            QVERIFY(!w.messages.requests.isEmpty());
            QVERIFY2(w.messages.requests.first().text.startsWith(
                         QStringLiteral("Error Occured. Error Number: 3045: Could not use '")),
                     qPrintable(w.messages.requests.first().text));
            w.useEverything();
        }
        QCOMPARE(db.dump(), before);
        Window again; // with the lock gone the program starts as usual
        QCOMPARE(control<QLineEdit>(again.form.get(), QStringLiteral("Text1"))->text(),
                 QStringLiteral("abase"));
        QVERIFY(again.messages.requests.isEmpty());
    }

    void aMarkThatCannotBeStoredIsSaidSo() {
        FixtureDb db;
        Window w;
        QVERIFY(w.messages.requests.isEmpty());
        {
            Locker lock(db.path());
            QVERIFY(lock.holds());
            w.click("studiedit");
            QCOMPARE(w.messages.requests.size(), 1); // once for the click, not per column
            QVERIFY(w.messages.requests.first().text.startsWith(
                QStringLiteral("Your progress on this word could not be saved.")));
            w.click("chkDiff_1");
            QCOMPARE(w.messages.requests.size(), 2);
            QCOMPARE(db.scalar("select readcount from words where name='abase'").toInt(), 0);
            QVERIFY(!w.checked("chkDiff_0")); // the boxes show what is stored
            QCOMPARE(control<QLabel>(w.form.get(), QStringLiteral("lblRdSess"))->text(),
                     QStringLiteral("0")); // nor does a mark that failed count
        }
        w.messages.clear();
        w.click("studiedit");
        QVERIFY(w.messages.requests.isEmpty());
        QCOMPARE(db.scalar("select readcount from words where name='abase'").toInt(), 1);
    }

    void aDiskThatRefusesWrites_data() {
        QTest::addColumn<bool>("markedLastSession");
        QTest::addColumn<QString>("message");
        // With words marked last session, the start-up reset is the first write refused.
        QTest::newRow("at start") << true
                                  << "message: Error Occured. Error Number: 30(26|43): (Not enough "
                                     "space on disk|Disk or network error)";
        QTest::newRow("while studying")
            << false
            << "message: Your progress on this word could not be saved. \\|  \\| (Not enough space "
               "on disk|Disk or network error)";
    }
    void aDiskThatRefusesWrites() {
        QFETCH(bool, markedLastSession);
        QFETCH(QString, message);
        std::vector<WordRow> words = FixtureDb::generatedWords(500);
        for (size_t i = 0; i < words.size(); i += 7)
            words[i].sessionbm = markedLastSession;
        FixtureDb db(words);
        const QByteArray before = fileHash(db.path());
        QProcess driver;
        driver.setWorkingDirectory(db.dir());
        driver.setChildProcessModifier([] {
            // Any file may grow to 2 KiB only: the first write's journal is refused.
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit {
                2048, 2048
            };
            setrlimit(RLIMIT_FSIZE, &limit);
        });
        driver.start(QStringLiteral(VERBALOOM_DRIVER),
                     {QStringLiteral("mark"), QStringLiteral("3")});
        QVERIFY(driver.waitForFinished(60000));
        QCOMPARE(driver.exitStatus(), QProcess::NormalExit);
        const QString out = QString::fromUtf8(driver.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression(message)), qPrintable(out));
        QCOMPARE(fileHash(db.path()), before);
        QCOMPARE(db.scalar("pragma integrity_check").toString(), QStringLiteral("ok"));
    }

    void aReadOnlyFile() {
        FixtureDb db;
        const QString before = db.dump();
        QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        bool immutable = false;
        if (::geteuid() == 0) // the owner of everything writes anyway; make the file immutable
            immutable =
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), db.path()}) == 0;
        if (::geteuid() == 0 && !immutable)
            QSKIP("cannot make a file read-only for this user here");
        {
            Window w;
            QVERIFY(!w.messages.requests.isEmpty());
            QVERIFY2(w.messages.requests.first().text.startsWith(
                         QStringLiteral("Error Occured. Error Number: 3027: ")),
                     qPrintable(w.messages.requests.first().text));
            w.useEverything();
        }
        if (immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), db.path()});
        QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(db.dump(), before);
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
