// Installing: the program folder, the launcher on the PATH that prepares the learner's own
// database, the desktop entry and the icon.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString sourceDir() {
    return QDir(qEnvironmentVariable("VERBALOOM_SHARE") + "/..").absolutePath();
}
QString buildDir() {
    return QFileInfo(qEnvironmentVariable("VERBALOOM_DB")).absolutePath();
}

void writeFile(const QString& path, const QByteArray& bytes, bool executable = false) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A program folder laid out as the install does, with a stand-in for the program that
// says where it was started and with what.
struct FakeInstall {
    explicit FakeInstall(const QString& prefix) : prefix(prefix) {
        QVERIFY(QDir().mkpath(prefix + "/bin"));
        QVERIFY(
            QFile::copy(sourceDir() + "/scripts/verbaloom-launcher", prefix + "/bin/verbaloom"));
        writeFile(prefix + "/lib/verbaloom/verbaloom", "#!/bin/sh\necho \"$PWD|$*\"\n", true);
        writeFile(prefix + "/lib/verbaloom/dbnk.db", "shipped");
    }
    QString prefix;
};

// A source tree's scripts/run over a build, with the build step and the program stood in for.
struct FakeBuild {
    explicit FakeBuild(const QString& root) : run(root + "/scripts/run") {
        QVERIFY(QDir().mkpath(root + "/scripts"));
        QVERIFY(QFile::copy(sourceDir() + "/scripts/run", run));
        writeFile(root + "/scripts/build", "#!/bin/sh\nexit 0\n", true);
        writeFile(root + "/build/src/verbaloom", "#!/bin/sh\necho \"$PWD|$*\"\n", true);
        writeFile(root + "/build/dbnk.db", "shipped");
    }
    QString run;
};

struct Run {
    int code;
    QString out;
};

Run launch(const QString& launcher, const QStringList& args, const QString& home,
           const QString& xdgData = QString(), const QString& workingDir = QString()) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.remove("VERBALOOM_BUILD_DIR");
    if (xdgData.isEmpty())
        env.remove("XDG_DATA_HOME");
    else
        env.insert("XDG_DATA_HOME", xdgData);
    p.setProcessEnvironment(env);
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.start(launcher, args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).trimmed()};
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void theLauncherPreparesTheLearnersDatabaseOnce() {
        QTemporaryDir tmp;
        FakeInstall install(tmp.filePath("my programs")); // blanks in the path
        const QString home = tmp.filePath("home");
        const QString data = home + "/.local/share/verbaloom";

        Run run = launch(install.prefix + "/bin/verbaloom", {"--first", "two words"}, home);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, data + "|--first two words");
        QCOMPARE(readFile(data + "/dbnk.db"), QByteArray("shipped"));
        QVERIFY(!QFile::exists(data + "/dbnk.db.part"));
        QVERIFY(QFileInfo(data + "/dbnk.db").isWritable());

        // Through a link elsewhere on the PATH.
        QVERIFY(QDir().mkpath(tmp.filePath("elsewhere")));
        QVERIFY(
            QFile::link(install.prefix + "/bin/verbaloom", tmp.filePath("elsewhere/verbaloom")));
        run = launch(tmp.filePath("elsewhere/verbaloom"), {}, home);
        QCOMPARE(run.out, data + "|");

        // The learner's progress is never overwritten, not even by a newer shipped copy.
        writeFile(data + "/dbnk.db", "progress");
        writeFile(install.prefix + "/lib/verbaloom/dbnk.db", "newer");
        run = launch(install.prefix + "/bin/verbaloom", {}, home);
        QCOMPARE(run.code, 0);
        QCOMPARE(readFile(data + "/dbnk.db"), QByteArray("progress"));
    }

    void aNewerWordListReachesAnOlderCopyOnce() {
        QTemporaryDir tmp;
        FakeInstall install(tmp.filePath("opt"));
        const QString home = tmp.filePath("home");
        const QString data = home + "/.local/share/verbaloom";
        writeFile(data + "/dbnk.db", "progress"); // a learner's copy from before versions
        writeFile(install.prefix + "/lib/verbaloom/CONTENT_VERSION", "2\n");
        Run run = launch(install.prefix + "/bin/verbaloom", {}, home);
        QCOMPARE(run.out, data + "|--update-words " + install.prefix + "/lib/verbaloom/dbnk.db\n" +
                              data + "|");
        QCOMPARE(readFile(data + "/content-version"), QByteArray("2\n"));
        run = launch(install.prefix + "/bin/verbaloom", {}, home);
        QCOMPARE(run.out, data + "|");
        QCOMPARE(readFile(data + "/dbnk.db"), QByteArray("progress"));
    }

    // A word list named for --import or --export is the caller's, though the program runs in
    // the learner's data folder.
    void theLauncherResolvesAWordListInTheCallersFolder_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("passed"); // with "<caller>" for the caller's folder
        QTest::newRow("import, relative") << QStringList{"--import", "lists/my words.csv"}
                                          << "--import <caller>/lists/my words.csv";
        QTest::newRow("export, absolute") << QStringList{"--export", "/tmp/out.kvtml"}
                                          << "--export /tmp/out.kvtml";
        QTest::newRow("anything else as it is") << QStringList{"--other", "x.csv"}
                                                << "--other x.csv";
    }
    void theLauncherResolvesAWordListInTheCallersFolder() {
        QFETCH(QStringList, args);
        QFETCH(QString, passed);
        QTemporaryDir tmp;
        FakeInstall install(tmp.filePath("opt"));
        const QString caller = tmp.filePath("caller");
        QVERIFY(QDir().mkpath(caller));
        const Run run =
            launch(install.prefix + "/bin/verbaloom", args, tmp.filePath("home"), {}, caller);
        QCOMPARE(run.out, tmp.filePath("home/.local/share/verbaloom") + u'|' +
                              QString(passed).replace("<caller>", caller));
    }

    // Both ways of starting keep the learner's data private, and take XDG_DATA_HOME only as
    // the absolute path the XDG rules allow.
    void theDataFolderIsTheLearnersAlone_data() {
        QTest::addColumn<bool>("installed"); // the launcher, or scripts/run on a build
        QTest::addColumn<QString>("xdg");    // "<tmp>" stands for the test's folder
        QTest::addColumn<bool>("existing");  // a copy made readable by others earlier
        QTest::addColumn<QString>("folder"); // where the data ends up, under <tmp>
        for (const bool installed : {true, false}) {
            const char* how = installed ? "launcher" : "run";
            QTest::addRow("%s, first start", how)
                << installed << QString() << false << "home/.local/share/verbaloom";
            QTest::addRow("%s, an earlier copy", how)
                << installed << QString() << true << "home/.local/share/verbaloom";
            QTest::addRow("%s, absolute XDG_DATA_HOME", how)
                << installed << "<tmp>/xdg data" << false << "xdg data/verbaloom";
            QTest::addRow("%s, relative XDG_DATA_HOME", how)
                << installed << "relative" << false << "home/.local/share/verbaloom";
            QTest::addRow("%s, XDG_DATA_HOME like an option", how)
                << installed << "-p" << false << "home/.local/share/verbaloom";
        }
    }
    void theDataFolderIsTheLearnersAlone() {
        QFETCH(bool, installed);
        QFETCH(QString, xdg);
        QFETCH(bool, existing);
        QFETCH(QString, folder);
        QTemporaryDir tmp;
        const QString starter = installed
                                    ? FakeInstall(tmp.filePath("opt")).prefix + "/bin/verbaloom"
                                    : FakeBuild(tmp.filePath("src")).run;
        const QString data = tmp.filePath(folder);
        const QString workingDir = tmp.filePath("cwd");
        QVERIFY(QDir().mkpath(workingDir));
        if (existing) {
            writeFile(data + "/dbnk.db", "progress");
            QVERIFY(QFile::setPermissions(data, QFileDevice::Permissions(0x7755)));
            QVERIFY(QFile::setPermissions(data + "/dbnk.db", QFileDevice::Permissions(0x6644)));
        }

        const Run run = launch(starter, {}, tmp.filePath("home"),
                               QString(xdg).replace("<tmp>", tmp.path()), workingDir);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, data + "|");
        QCOMPARE(readFile(data + "/dbnk.db"), QByteArray(existing ? "progress" : "shipped"));
        const auto owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(data).permissions() & (owner | others), owner);
        QCOMPARE(QFileInfo(data + "/dbnk.db").permissions() & others, QFileDevice::Permissions());
        QCOMPARE(QDir(workingDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList()); // nothing under the folder it was started from
    }

    void aMissingShippedDatabaseStopsTheLauncher() {
        QTemporaryDir tmp;
        FakeInstall install(tmp.filePath("opt"));
        QFile::remove(install.prefix + "/lib/verbaloom/dbnk.db");
        const Run run = launch(install.prefix + "/bin/verbaloom", {}, tmp.filePath("home"));
        QVERIFY(run.code != 0);
        QVERIFY(run.out.isEmpty()); // the program was not started on no database
        QVERIFY(!QFile::exists(tmp.filePath("home/.local/share/verbaloom/dbnk.db")));
    }

    void cmakeInstallLaysOutTheProgram() {
        const QString cmake = QStandardPaths::findExecutable("cmake");
        if (cmake.isEmpty())
            QSKIP("cmake is not on the PATH");
        QTemporaryDir tmp;
        const QString prefix = tmp.filePath("usr");
        QProcess p;
        p.start(cmake, {"--install", buildDir(), "--prefix", prefix});
        QVERIFY(p.waitForFinished(120000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());

        const QString program = prefix + "/lib/verbaloom";
        for (const char* name : {"verbaloom", "VerbaloomTour"})
            QVERIFY2(QFileInfo(program + "/" + name).isExecutable(), name);
        QCOMPARE(readFile(program + "/dbnk.db"), readFile(buildDir() + "/dbnk.db"));
        QVERIFY(QFileInfo(prefix + "/bin/verbaloom").isExecutable());
        QCOMPARE(readFile(prefix + "/bin/verbaloom"),
                 readFile(sourceDir() + "/scripts/verbaloom-launcher"));
        // What share/ ships beside the program goes into the program folder.
        const QString share = sourceDir() + "/share";
        if (QFile::exists(share + "/TIPOFDAY.TXT"))
            QCOMPARE(readFile(program + "/TIPOFDAY.TXT"), readFile(share + "/TIPOFDAY.TXT"));
        for (const QString& name : QDir(share + "/notices").entryList(QDir::Files))
            QCOMPARE(readFile(program + "/notices/" + name), readFile(share + "/notices/" + name));

        const QByteArray desktop = readFile(prefix + "/share/applications/verbaloom.desktop");
        for (const char* line : {"[Desktop Entry]", "\nType=Application\n", "\nName=Verbaloom\n",
                                 "\nExec=verbaloom\n", "\nIcon=verbaloom\n"})
            QVERIFY2(desktop.contains(line), line);
        QSvgRenderer icon(prefix + "/share/icons/hicolor/scalable/apps/verbaloom.svg");
        QVERIFY(icon.isValid());
        QCOMPARE(icon.defaultSize(), QSize(128, 128));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
