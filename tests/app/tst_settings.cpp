// The settings store: the game's high score and the tips option.
#include "app/Settings.h"
#include "data/DbError.h"
#include "support/Fixture.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init() {
        useTestSettings();
        QFile::remove(HighScoreStore::storePath());
        QFile::remove(AppSettings::storePath(AppSettings::AppName));
    }

    void theHighScoreStore() {
        QVERIFY(!HighScoreStore::exists());
        QCOMPARE(HighScoreStore::value("hs1"), QString());
        HighScoreStore::setValue("hsName", QStringLiteral("  Ada Lovelace \t"));
        QVERIFY(HighScoreStore::exists());
        QCOMPARE(HighScoreStore::value("hsName"), QStringLiteral("Ada Lovelace"));
        QCOMPARE(HighScoreStore::value("hs1"), QString());
        {
            // Where a high score has always been kept, and text stops at a NUL.
            QSettings other(HighScoreStore::storePath(), QSettings::IniFormat);
            other.setValue("HKEY_CURRENT_USER/Software/vloom/hs/hs1",
                           QString(QStringLiteral("450")) + QChar(0) + QStringLiteral("junk"));
        }
        QCOMPARE(HighScoreStore::value("hs1"), QStringLiteral("450"));
    }

    void tipsSettingDefaultsToOne_data() {
        QTest::addColumn<QString>("stored"); // "<absent>" for none
        QTest::addColumn<int>("expected");
        QTest::newRow("absent") << "<absent>" << 1;
        QTest::newRow("on") << "1" << 1;
        QTest::newRow("off") << "0" << 0;
        QTest::newRow("blank around") << " 0 " << 0;
    }
    void tipsSettingDefaultsToOne() {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        if (stored != QLatin1String("<absent>"))
            AppSettings::SaveSetting(AppSettings::AppName, AppSettings::OptionsSection,
                                     AppSettings::ShowTipsKey, stored);
        QCOMPARE(AppSettings::showTipsAtStartup(), expected);
    }

    void aTipsSettingThatIsNoNumberIsATypeMismatch() {
        AppSettings::SaveSetting(AppSettings::AppName, AppSettings::OptionsSection,
                                 AppSettings::ShowTipsKey, QStringLiteral("often"));
        try {
            AppSettings::showTipsAtStartup();
            QFAIL("no error");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), qint64(13));
        }
    }

    void aDamagedSettingsFileReadsAsDefaults() {
        QFile f(AppSettings::storePath(AppSettings::AppName));
        QDir().mkpath(QFileInfo(f).absolutePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x00\xff[[[Options\n=\x01\x02garbage\n", 24));
        f.close();
        QCOMPARE(AppSettings::showTipsAtStartup(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
