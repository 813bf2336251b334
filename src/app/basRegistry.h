#pragma once

#include <QString>
#include <QVariant>

// The program's small registry: the game's high score lives under
// HKEY_CURRENT_USER "Software\vloom\hs". Kept in an INI file in the user's config folder;
// key paths with backslashes map onto its groups. Nothing here reports an error: a missing
// key or value reads as empty text and a failed write leaves the old value.
namespace basRegistry {

inline constexpr qint32 HKEY_CURRENT_USER = qint32(0x80000001u);

// Result code of the most recent call: 0 for success.
extern qint32 lastRegResult;

bool RegKeyExists(qint32 root, const QString& subKey);
QVariant RegGetValue(qint32 root, const QString& subKey, const QString& valueName);
void RegSetString(qint32 root, const QString& subKey, const QString& valueName,
                  const QVariant& value);

// The file behind it, for tests and diagnostics.
QString storePath();

} // namespace basRegistry

// The per-user application settings ("Options" / "Show Tips at Startup").
namespace AppSettings {

inline const QString AppName = QStringLiteral("verbaloom");
inline const QString OptionsSection = QStringLiteral("Options");
inline const QString ShowTipsKey = QStringLiteral("Show Tips at Startup");

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// Returns whether the value reached the file.
bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value);

// "Appearance": "Desktop" follows the desktop's palette, "Light" and "Dark" choose one.
inline const QString AppearanceKey = QStringLiteral("Appearance");
enum class Appearance { Desktop, Light, Dark };
// Absent or unknown text follows the desktop.
Appearance appearance();
// Returns whether the choice reached the file.
bool saveAppearance(Appearance appearance);
QString appearanceName(Appearance appearance);

// Stores "Show Tips at Startup". When the settings folder cannot be written, returns what to
// tell the learner, the first time in a run only: a box at every click would not help.
QString saveShowTipsAtStartup(bool show);

// "Show Tips at Startup" as a whole number, absent meaning 1. A stored text that is not a
// number raises error 13 (type mismatch), which the start-up reports.
int showTipsAtStartup();

QString storePath(const QString& appName);

} // namespace AppSettings
