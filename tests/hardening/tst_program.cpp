// The real program under a virtual X server, driven with keystrokes: it starts on a fresh
// data folder and shows a word, refuses a second instance on the same word database (from
// another session too), gives the window manager its icon, keeps a learner's marks from one run to
// the next, and ends with its main window.
#include "support/Fixture.h"

#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

QString tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

class VirtualScreen {
public:
    VirtualScreen() {
        server_.start(tool("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (server_.waitForReadyRead(10000))
            display_ = QLatin1Char(':') + QString::fromLatin1(server_.readLine().trimmed());
    }
    ~VirtualScreen() {
        server_.terminate();
        server_.waitForFinished(3000);
    }
    const QString& display() const { return display_; }

private:
    QProcess server_;
    QString display_;
};

class Desktop {
public:
    explicit Desktop(const QString& home) : home_(home) {
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("DISPLAY"), screen_.display());
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env_.insert(QStringLiteral("HOME"), home);
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        env_.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/run"));
        QDir().mkpath(home + QStringLiteral("/run"));
        QFile::setPermissions(home + QStringLiteral("/run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool ready() const { return !screen_.display().isEmpty(); }
    const QProcessEnvironment& env() const { return env_; }

    QString xdotool(const QStringList& args, int timeoutMs = 5000) const {
        return output("xdotool", args, timeoutMs);
    }
    QString output(const char* program, const QStringList& args, int timeoutMs = 5000) const {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.start(tool(program), args);
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
        }
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    // The first visible window whose title matches, waiting up to a time.
    QString window(const QString& title, int timeoutMs = 20000) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            const QString ids = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--name"), title});
            if (!ids.isEmpty())
                return ids.split(u'\n').first();
            QTest::qWait(150);
        }
        return {};
    }
    void keys(const QString& windowId, const QString& keys) const {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowId});
        xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
    }

private:
    QString home_;
    VirtualScreen screen_;
    QProcessEnvironment env_;
};

const QString kMainTitle = QStringLiteral("^Verbaloom - The Vocabulary Building Learning Tool $");

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    QString data_;

    void start(QProcess& program, const Desktop& desktop, const QString& runtimeDir = QString()) {
        QProcessEnvironment env = desktop.env();
        if (!runtimeDir.isEmpty())
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(data_);
        program.start(QStringLiteral(VERBALOOM_EXE), {});
        QVERIFY(program.waitForStarted());
    }
    // The main window once any tip of the day is out of the way. The tip comes first and the
    // main window only after it; an Escape that reached the tip before it took keys (a slow
    // start under the sanitizers) is sent again rather than waited out.
    QString mainWindow(const Desktop& desktop) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            const QString tip = desktop.window(QStringLiteral("^Tip of the Day$"), 1000);
            if (!tip.isEmpty())
                desktop.keys(tip, QStringLiteral("Escape"));
            if (const QString main = desktop.window(kMainTitle, 2000); !main.isEmpty())
                return main;
        }
        return {};
    }
    QVariant scalar(const QString& sql) {
        return FixtureDb::scalarAt(data_ + QStringLiteral("/dbnk.db"), sql);
    }

private slots:
    void initTestCase() {
        if (tool("Xvfb").isEmpty() || tool("xdotool").isEmpty())
            QSKIP("Xvfb and xdotool are needed to drive the real program");
        data_ = home_.filePath(QStringLiteral("data/verbaloom"));
        QDir().mkpath(data_);
        QVERIFY(
            QFile::copy(qEnvironmentVariable("VERBALOOM_DB"), data_ + QStringLiteral("/dbnk.db")));
    }

    void aLearnersSession() {
        Desktop desktop(home_.path());
        QVERIFY(desktop.ready());

        QProcess first;
        start(first, desktop);
        const QString main = mainWindow(desktop);
        QVERIFY2(!main.isEmpty(), "the main window did not appear");
        // The window manager gets the program's icon at the sizes taskbars and switchers use.
        if (!tool("xprop").isEmpty()) {
            const QString icon = desktop.output("xprop", {"-id", main, "_NET_WM_ICON"});
            for (const char* size : {"16 x 16", "32 x 32", "128 x 128"})
                QVERIFY2(icon.contains(QLatin1String(size)), qPrintable(icon.left(200)));
        }
        desktop.keys(main, QStringLiteral("ctrl+m")); // mark the shown word studied

        // Nothing it makes is for other accounts' eyes.
        const QFileInfo lock(data_ + QStringLiteral("/dbnk.db.lock"));
        QVERIFY(lock.exists());
        QCOMPARE(lock.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

        // A second start, from another desktop session with a runtime folder of its own.
        const QString otherSession = home_.filePath(QStringLiteral("run2"));
        QDir().mkpath(otherSession);
        QProcess second;
        start(second, desktop, otherSession);
        const QString refusal = desktop.window(QStringLiteral("^Verbaloom!$"));
        QVERIFY2(!refusal.isEmpty(), "the second start showed no message");
        QVERIFY(desktop
                    .xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--name"), kMainTitle})
                    .split(u'\n')
                    .size() == 1);
        desktop.keys(refusal, QStringLiteral("Return"));
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // With another window open, closing the main window still ends everything.
        desktop.keys(main, QStringLiteral("alt+a"));
        desktop.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        QVERIFY2(!desktop.window(QStringLiteral("^Add Word$"), 10000).isEmpty(),
                 "the add-word window did not open from the menu");
        desktop.keys(main, QStringLiteral("ctrl+q"));
        QVERIFY2(first.waitForFinished(10000), "closing the main window did not end the program");
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);

        QCOMPARE(scalar(QStringLiteral("select count(*) from words where readcount = 1 and "
                                       "sessionbm = 1 and lastread = '%1'")
                            .arg(QDate::currentDate().toString(Qt::ISODate)))
                     .toInt(),
                 1);

        // The next run keeps the mark and starts a new session.
        QProcess again;
        start(again, desktop);
        const QString next = mainWindow(desktop);
        QVERIFY(!next.isEmpty());
        desktop.keys(next, QStringLiteral("ctrl+q"));
        QVERIFY(again.waitForFinished(10000));
        QCOMPARE(scalar(QStringLiteral("select count(*) from words where readcount = 1")).toInt(),
                 1);
        QCOMPARE(scalar(QStringLiteral("select count(*) from words where sessionbm = 1")).toInt(),
                 0);
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
