#include "Settings.h"

#include "data/DbError.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace HighScoreStore {

namespace {

// Kept under the group its first versions wrote, so a stored high score carries over.
const QString kGroup = QStringLiteral("HKEY_CURRENT_USER/Software/vloom/hs");

QSettings& store() {
    // One instance per path: QSettings caches, and tests switch paths through test mode.
    static QString openedPath;
    static std::unique_ptr<QSettings> settings;
    const QString path = storePath();
    if (!settings || openedPath != path) {
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        openedPath = path;
    }
    return *settings;
}

} // namespace

QString storePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/registry.ini");
}

bool exists() {
    QSettings& s = store();
    s.sync();
    s.beginGroup(kGroup);
    const bool found = !s.allKeys().isEmpty();
    s.endGroup();
    return found;
}

QString value(const QString& name) {
    QSettings& s = store();
    s.sync();
    QString text = s.value(kGroup + u'/' + name).toString();
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

void setValue(const QString& name, const QString& value) {
    QSettings& s = store();
    s.setValue(kGroup + u'/' + name, value.trimmed());
    s.sync();
}

} // namespace HighScoreStore

namespace AppSettings {

QString storePath(const QString& appName) {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u'/' + appName +
           QStringLiteral(".ini");
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue) {
    QSettings s(storePath(appName), QSettings::IniFormat);
    const QVariant v = s.value(section + u'/' + key);
    return v.isValid() ? v.toString() : defaultValue;
}

bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value) {
    QSettings s(storePath(appName), QSettings::IniFormat);
    s.setValue(section + u'/' + key, value);
    s.sync();
    return s.status() == QSettings::NoError;
}

QString saveShowTipsAtStartup(bool show) {
    static bool told = false;
    if (SaveSetting(AppName, OptionsSection, ShowTipsKey,
                    show ? QStringLiteral("1") : QStringLiteral("0")) ||
        told)
        return {};
    told = true;
    return QStringLiteral("Verbaloom could not save this choice: its settings folder cannot be "
                          "written.\r\n\r\n%1\r\n\r\nAt the next start the guide will "
                          "behave as before.")
        .arg(QDir::toNativeSeparators(QFileInfo(storePath(AppName)).absolutePath()));
}

QString appearanceName(Appearance appearance) {
    switch (appearance) {
    case Appearance::Light:
        return QStringLiteral("Light");
    case Appearance::Dark:
        return QStringLiteral("Dark");
    case Appearance::Desktop:
        break;
    }
    return QStringLiteral("Desktop");
}

Appearance appearance() {
    const QString text = GetSetting(AppName, OptionsSection, AppearanceKey).trimmed();
    for (Appearance a : {Appearance::Light, Appearance::Dark})
        if (text.compare(appearanceName(a), Qt::CaseInsensitive) == 0)
            return a;
    return Appearance::Desktop;
}

bool saveAppearance(Appearance appearance) {
    return SaveSetting(AppName, OptionsSection, AppearanceKey, appearanceName(appearance));
}

namespace {
int storedNumber(const QString& key, int fallback, int low, int high) {
    bool ok = false;
    const int n = GetSetting(AppName, OptionsSection, key).trimmed().toInt(&ok);
    return ok ? std::clamp(n, low, high) : fallback;
}
} // namespace

int targetRetention() {
    return storedNumber(TargetRetentionKey, DefaultRetention, MinRetention, MaxRetention);
}

int newWordsPerDay() {
    return storedNumber(NewWordsKey, DefaultNewWords, 0, MaxNewWords);
}

bool saveScheduling(int retention, int newWords) {
    const bool a = SaveSetting(AppName, OptionsSection, TargetRetentionKey,
                               QString::number(std::clamp(retention, MinRetention, MaxRetention)));
    const bool b = SaveSetting(AppName, OptionsSection, NewWordsKey,
                               QString::number(std::clamp(newWords, 0, MaxNewWords)));
    return a && b;
}

int showTipsAtStartup() {
    const QString text = GetSetting(AppName, OptionsSection, ShowTipsKey, QStringLiteral("1"));
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || number > 2147483647.0 || number < -2147483648.0)
        throw DbError(DbErrorCode::TypeMismatch);
    return int(std::lround(number));
}

} // namespace AppSettings
