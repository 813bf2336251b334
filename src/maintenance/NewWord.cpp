#include "NewWord.h"

#include "NumberText.h"
#include "WordName.h"

#include <algorithm>

namespace NewWord {

int wordList(double r) {
    // Clamped, so that no draw can reach a third list however the generator rounds.
    return std::clamp(int(2.0 * r + 51.0), 51, 52);
}

QVariantMap row(const QString& word, const QString& meaning, const QString& usage,
                Difficulty difficulty, double r) {
    return {
        {QStringLiteral("name"), WordName::check(word).word},
        {QStringLiteral("meaning"), WordName::cleanText(meaning)},
        {QStringLiteral("example"), WordName::cleanText(usage)},
        {QStringLiteral("bookmark"), difficulty == Difficult || difficulty == VeryDifficult},
        {QStringLiteral("doublebm"), difficulty == VeryDifficult},
        {QStringLiteral("groupid"), wordList(r)},
    };
}

QString errorText(qint64 number, const QString& description) {
    return QStringLiteral("Error: ") + withSignPosition(number) + QStringLiteral(". ") +
           description;
}

} // namespace NewWord
