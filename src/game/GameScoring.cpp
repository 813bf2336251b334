#include "GameScoring.h"

#include "app/Settings.h"

#include <algorithm>
#include <cmath>

namespace GameScoring {

QString withSignPosition(qint64 number) {
    return number >= 0 ? u' ' + QString::number(number) : QString::number(number);
}

int pointsFor(int level) {
    switch (level) {
    case 0:
        return 100;
    case 2:
        return 225;
    default:
        return 150;
    }
}

QString prizeCaption(int level) {
    return QStringLiteral("Points for this Word: %1").arg(pointsFor(level));
}

QString levelName(int level) {
    switch (level) {
    case 0:
        return QStringLiteral("EASY");
    case 2:
        return QStringLiteral("VERY DIFFICULT");
    default:
        return QStringLiteral("DIFFICULT");
    }
}

QString nextLevelMessage(int level) {
    return QStringLiteral("Based on your performance, the next puzzle will have difficulty "
                          "level as: ") +
           levelName(level);
}

int nextLevel(int level, int helpCount) {
    if (helpCount <= 1)
        return std::min(level + 1, 2);
    if (helpCount == 2)
        return level;
    return std::max(level - 1, 0);
}

qint64 add(qint64 score, qint64 change) {
    // Both stay far inside 64 bits, so the sum cannot overflow before it is clamped.
    return std::clamp(std::clamp(score, -Limit, Limit) + std::clamp(change, -Limit, Limit), -Limit,
                      Limit);
}

void award(qint64& score, int level) {
    score = add(score, pointsFor(level));
}

void chargeHint(qint64& score, qint64& hintCost) {
    score = add(score, -hintCost);
    hintCost = add(hintCost, HintCostStep);
}

void chargeShowCorrect(qint64& score, qint64& hintCost) {
    score = add(score, -hintCost);
    // cost × 1.2 to the nearest whole number, exactly: (12 × cost + 5) / 10. No cost is
    // ever halfway between two whole numbers, so no tie rule is needed.
    const qint64 cost = std::clamp<qint64>(hintCost, 0, Limit);
    hintCost = std::min<qint64>((cost * 12 + 5) / 10, Limit);
}

void chargeWrongLetter(qint64& score) {
    score = add(score, -WrongLetterPenalty);
}

QString gameOverMessage(qint64 score) {
    return QStringLiteral("over: score: ") + withSignPosition(score);
}

QString highScorerMessage() {
    return QStringLiteral("You are the highest scorer!");
}

namespace HighScore {

std::optional<double> parse(const QVariant& hs1) {
    bool ok = false;
    const double value = hs1.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> stored() {
    if (!HighScoreStore::exists())
        return std::nullopt;
    return parse(HighScoreStore::value(ScoreValue));
}

bool beats(qint64 score) {
    const std::optional<double> best = stored();
    return !best || double(score) > *best;
}

QString lineText(const QString& name, const QString& hs1) {
    return QStringLiteral("Highest Score: ") + QString(5, u' ') + name.toUpper() +
           QString(3, u' ') + hs1 + u' ';
}

std::optional<QString> line() {
    if (!HighScoreStore::exists())
        return std::nullopt;
    // A score that is no number counts as none, and shows as none: the line stays.
    const QString score = HighScoreStore::value(ScoreValue);
    return lineText(HighScoreStore::value(NameValue), parse(score) ? score : QString());
}

void store(qint64 score, const QString& name) {
    HighScoreStore::setValue(ScoreValue, QString::number(score));
    HighScoreStore::setValue(NameValue, name);
}

} // namespace HighScore

} // namespace GameScoring
