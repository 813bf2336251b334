// One instance at a time on a word database; a crashed instance's lock does not keep the
// program out.
#include "app/StartModule.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestStartModule : public QObject {
    Q_OBJECT
private slots:
    void aSecondInstanceIsRefused() {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("verbaloom.lock"));
        {
            SingleInstance first(lock);
            QVERIFY(first.isFirst());
            SingleInstance second(lock);
            QVERIFY(!second.isFirst());
        }
        SingleInstance afterwards(lock);
        QVERIFY(afterwards.isFirst());
    }

    void oneInstancePerWordDatabase() {
        QTemporaryDir one;
        QTemporaryDir two;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(one.path());
        {
            // Beside dbnk.db, whichever session or account starts the program.
            SingleInstance first;
            QVERIFY(first.isFirst());
            QVERIFY(QFile::exists(one.filePath(QStringLiteral("dbnk.db.lock"))));
            QVERIFY(!SingleInstance().isFirst());
            QDir::setCurrent(two.path());
            QVERIFY(SingleInstance().isFirst()); // another word database
        }
        QDir::setCurrent(previous);
    }

    void aDeadInstancesLockIsTakenOver() {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("verbaloom.lock"));
        {
            // The lock file a killed process leaves behind: its pid no longer runs.
            QFile f(lock);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("999999\nverbaloom\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        SingleInstance next(lock);
        QVERIFY(next.isFirst());
    }

    void theScreenIsPutBackOnlyWhenItWasChanged() {
        struct Screen : DisplayModes {
            QSize size;
            QList<QSize> changes;
            QSize screenSize() const override { return size; }
            void changeResolution(int w, int h) override { changes << QSize(w, h); }
        } screen;
        screen.size = QSize(1024, 600);
        StartModule::GetScreenSize(screen);
        QVERIFY(!StartModule::needsResolutionChange(StartModule::savedScreenWidth));
        StartModule::savedScreenWidth = -1;
        StartModule::restoreResolution(screen);
        QVERIFY(screen.changes.isEmpty());

        screen.size = QSize(800, 600);
        StartModule::GetScreenSize(screen);
        QVERIFY(StartModule::needsResolutionChange(StartModule::savedScreenWidth));
        StartModule::ChangeResolution(screen, 1024, 768);
        StartModule::restoreResolution(screen);
        QCOMPARE(screen.changes, (QList<QSize>{QSize(1024, 768), QSize(800, 600)}));
    }
};

QTEST_GUILESS_MAIN(TestStartModule)
#include "tst_startmodule.moc"
