#include "basRegistry.h"

#include "data/DbError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace basRegistry {

qint32 lastRegResult = 0;

namespace {

constexpr qint32 kFileNotFound = 2;
constexpr qint32 kAccessDenied = 5;

QString rootName(qint32 root) {
    switch (quint32(root)) {
    case 0x80000000u:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case 0x80000001u:
        return QStringLiteral("HKEY_CURRENT_USER");
    case 0x80000002u:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case 0x80000003u:
        return QStringLiteral("HKEY_USERS");
    default:
        return {};
    }
}

// "Software\vloom\hs" -> "HKEY_CURRENT_USER/Software/vloom/hs"; empty when unusable.
QString groupFor(qint32 root, const QString& subKey) {
    const QString top = rootName(root);
    if (top.isEmpty())
        return {};
    QStringList parts;
    for (const QString& p : QString(subKey).replace(u'/', u'\\').split(u'\\', Qt::SkipEmptyParts))
        parts.append(p.trimmed());
    parts.removeAll(QString());
    parts.prepend(top);
    return parts.join(u'/');
}

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

QString escapeName(const QString& valueName) {
    // QSettings reads '/' and '\' in a key as group separators.
    QString name = valueName;
    return name.replace(u'/', u'_').replace(u'\\', u'_');
}

} // namespace

QString storePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/registry.ini");
}

bool RegKeyExists(qint32 root, const QString& subKey) {
    const QString group = groupFor(root, subKey);
    if (group.isEmpty()) {
        lastRegResult = kFileNotFound;
        return false;
    }
    QSettings& s = store();
    s.sync();
    s.beginGroup(group);
    const bool exists = !s.allKeys().isEmpty();
    s.endGroup();
    lastRegResult = exists ? 0 : kFileNotFound;
    return exists;
}

QVariant RegGetValue(qint32 root, const QString& subKey, const QString& valueName) {
    const QString group = groupFor(root, subKey);
    if (group.isEmpty()) {
        lastRegResult = kFileNotFound;
        return QString();
    }
    QSettings& s = store();
    s.sync();
    s.beginGroup(group);
    const QVariant stored = s.value(escapeName(valueName));
    s.endGroup();
    if (!stored.isValid()) {
        lastRegResult = kFileNotFound;
        return QString();
    }
    lastRegResult = 0;
    QString text = stored.toString();
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

void RegSetString(qint32 root, const QString& subKey, const QString& valueName,
                  const QVariant& value) {
    const QString group = groupFor(root, subKey);
    if (group.isEmpty()) {
        lastRegResult = kFileNotFound;
        return;
    }
    QSettings& s = store();
    s.beginGroup(group);
    s.setValue(escapeName(valueName), value.toString().trimmed());
    s.endGroup();
    s.sync();
    lastRegResult = s.status() == QSettings::NoError ? 0 : kAccessDenied;
}

} // namespace basRegistry

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

int showTipsAtStartup() {
    const QString text = GetSetting(AppName, OptionsSection, ShowTipsKey, QStringLiteral("1"));
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || number > 2147483647.0 || number < -2147483648.0)
        throw DbError(DbErrorCode::TypeMismatch);
    return int(std::lround(number));
}

} // namespace AppSettings
