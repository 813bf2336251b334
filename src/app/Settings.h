#pragma once

#include <QString>
#include <QVariant>

// The game's high score, where it has always been kept: the values "hs1" and "hsName" of
// "Software\vloom\hs", in registry.ini in the user's config folder. Nothing here reports an
// error: a missing value reads as empty text and a failed write leaves the old value.
namespace HighScoreStore {

bool exists();
QString value(const QString& name);               // text up to any NUL; empty when missing
void setValue(const QString& name, const QString& value); // stored trimmed
QString storePath();

} // namespace HighScoreStore

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

// The review planner's settings, in "Options": the share of words the learner means to recall
// when a word comes due (per cent) and how many never-scheduled words a day join the due
// words. A stored value out of range or no number reads as the nearest sound one.
inline const QString TargetRetentionKey = QStringLiteral("Target Retention");
inline const QString NewWordsKey = QStringLiteral("New Words a Day");
inline constexpr int DefaultRetention = 90;
inline constexpr int MinRetention = 70;
inline constexpr int MaxRetention = 99;
inline constexpr int DefaultNewWords = 10;
inline constexpr int MaxNewWords = 500;
int targetRetention();
int newWordsPerDay();
bool saveScheduling(int retention, int newWords);

} // namespace AppSettings
