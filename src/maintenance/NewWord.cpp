#include "NewWord.h"

#include "NumberText.h"
#include "WordName.h"

#include <algorithm>

namespace NewWord {

int wordList(double r) {
    // Clamped, so that no draw can reach a third list however the generator rounds.
    return std::clamp(int(2.0 * r + 51.0), 51, 52);
}

WordStore::NewWord row(const QString& word, const QString& meaning, const QString& usage,
                       Difficulty difficulty, double r) {
    WordStore::NewWord out;
    out.name = WordName::check(word).word;
    out.meaning = WordName::cleanText(meaning);
    out.usage = WordName::cleanText(usage);
    out.marks = {difficulty == Difficult || difficulty == VeryDifficult,
                 difficulty == VeryDifficult};
    out.list = wordList(r);
    return out;
}

QString errorText(qint64 number, const QString& description) {
    return QStringLiteral("Error: ") + withSignPosition(number) + QStringLiteral(". ") +
           description;
}

} // namespace NewWord
