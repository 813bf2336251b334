// The settings store: the registry values of the game's high score and the tips option.
#include "app/basRegistry.h"
#include "data/DbError.h"
#include "support/Fixture.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

using namespace basRegistry;

class TestSettings : public QObject {
    Q_OBJECT
    const QString key = QStringLiteral("Software\\vloom\\hs");

private slots:
    void init() {
        useTestSettings();
        QFile::remove(basRegistry::storePath());
        QFile::remove(AppSettings::storePath(AppSettings::AppName));
    }

    void aMissingKeyReadsEmpty() {
        QVERIFY(!RegKeyExists(HKEY_CURRENT_USER, key));
        QCOMPARE(RegGetValue(HKEY_CURRENT_USER, key, "hs1").toString(), QString());
        QVERIFY(lastRegResult != 0);
    }

    void aNumberComesBackAsText() {
        RegSetString(HKEY_CURRENT_USER, key, "hs1", 450);
        QCOMPARE(lastRegResult, 0);
        QVERIFY(RegKeyExists(HKEY_CURRENT_USER, key));
        QVERIFY(RegKeyExists(HKEY_CURRENT_USER, QStringLiteral("Software\\vloom")));
        const QVariant v = RegGetValue(HKEY_CURRENT_USER, key, "hs1");
        QCOMPARE(v.typeId(), int(QMetaType::QString));
        QCOMPARE(v.toString(), QStringLiteral("450"));
    }

    void anExistingKeyWithoutTheValueReadsEmpty() {
        RegSetString(HKEY_CURRENT_USER, key, "hs1", 10);
        QCOMPARE(RegGetValue(HKEY_CURRENT_USER, key, "hsName").toString(), QString());
    }

    void namesAreTrimmed() {
        RegSetString(HKEY_CURRENT_USER, key, "hsName", QStringLiteral("  Ada Lovelace \t"));
        QCOMPARE(RegGetValue(HKEY_CURRENT_USER, key, "hsName").toString(),
                 QStringLiteral("Ada Lovelace"));
    }

    void textStopsAtTheFirstNul() {
        {
            QSettings other(basRegistry::storePath(), QSettings::IniFormat);
            other.setValue("HKEY_CURRENT_USER/Software/vloom/hs/hsName",
                           QString(QStringLiteral("Ada")) + QChar(0) + QStringLiteral("junk"));
        }
        QCOMPARE(RegGetValue(HKEY_CURRENT_USER, key, "hsName").toString(), QStringLiteral("Ada"));
    }

    void anUnknownRootIsQuiet() {
        RegSetString(qint32(0x12345), key, "hs1", 5);
        QVERIFY(lastRegResult != 0);
        QVERIFY(!RegKeyExists(qint32(0x12345), key));
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
