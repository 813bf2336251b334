#pragma once

#include <optional>
#include <QString>
#include <QVariant>

// The word game's numbers: points, the price of help, the difficulty of the next puzzle,
// the end of the game and the stored high score.
namespace GameScoring {

inline constexpr int Puzzles = 7;
inline constexpr int StartLevel = 1;
inline constexpr qint64 FirstHintCost = 10;
inline constexpr qint64 HintCostStep = 10;
inline constexpr qint64 WrongLetterPenalty = 3;
// Scores and costs stop here rather than overflow, however much help is bought.
inline constexpr qint64 Limit = 999'999'999'999;

// " 450" for zero and above, "-3" below zero.
QString withSignPosition(qint64 number);

int pointsFor(int level); // 100, 150, 225
QString prizeCaption(int level);
QString levelName(int level); // "EASY", "DIFFICULT", "VERY DIFFICULT"
QString nextLevelMessage(int level);

// One help or none raises the level (at most 2), two keep it, three or more lower it
// (at least 0).
int nextLevel(int level, int helpCount);

// score + change, kept within -Limit..Limit.
qint64 add(qint64 score, qint64 change);

// A solved word.
void award(qint64& score, int level);
// A hint: the cost is paid, the next one costs 10 more.
void chargeHint(qint64& score, qint64& hintCost);
// "Show Correct": the cost is paid, the next costs a fifth more, rounded.
void chargeShowCorrect(qint64& score, qint64& hintCost);
void chargeWrongLetter(qint64& score);

QString gameOverMessage(qint64 score); // "over: score:  450"
QString highScorerMessage();

// The high score in the registry, HKEY_CURRENT_USER "Software\vloom\hs".
namespace HighScore {
inline const QString Key = QStringLiteral("Software\\vloom\\hs");
inline const QString ScoreValue = QStringLiteral("hs1");
inline const QString NameValue = QStringLiteral("hsName");

// The stored score, when the key exists and holds a number.
std::optional<double> stored();
// A score beats the stored one when greater; anything beats no (or no usable) high score.
bool beats(qint64 score);
// "Highest Score:      ANNA   450 ", or none when no high score was ever stored; a stored
// score that is no number shows empty.
std::optional<QString> line();
void store(qint64 score, const QString& name);

// The same rules over given values, for callers that read the registry themselves.
std::optional<double> parse(const QVariant& hs1);
QString lineText(const QString& name, const QString& hs1);
} // namespace HighScore

} // namespace GameScoring
