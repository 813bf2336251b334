#include "WordPuzzle.h"

#include <algorithm>
#include <cmath>

namespace WordPuzzle {

bool suitsLevel(int level, bool difficult, bool veryDifficult) {
    switch (level) {
    case 0:
        return !difficult;
    case 1:
        return difficult && !veryDifficult;
    case 2:
        return veryDifficult;
    default:
        return false;
    }
}

bool playableWord(const QString& word) {
    // An empty name would give a puzzle with no box to fill.
    if (word.isEmpty() || word.size() > MaxLetters)
        return false;
    return std::all_of(word.begin(), word.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}

bool accepts(const QString& word, int level, bool difficult, bool veryDifficult) {
    return playableWord(word) && suitsLevel(level, difficult, veryDifficult);
}

QString maskExample(const QString& example, const QString& word) {
    const qsizetype p = example.indexOf(Placeholder);
    if (p < 0) {
        if (word.isEmpty())
            return example;
        return QString(example).replace(word, Mask, Qt::CaseInsensitive);
    }
    const auto attached = [&](qsizetype i) {
        return i >= 0 && i < example.size() && example.at(i) != u' ';
    };
    qsizetype start = p;
    for (int k = 1; k <= 3 && attached(p - k); ++k)
        start = p - k;
    qsizetype end = p + Placeholder.size(); // one past the last character hidden
    for (int k = 0; k < 3 && attached(end); ++k)
        ++end;
    return example.left(start) + Mask + u' ' + example.mid(end);
}

bool sameLetter(const QString& guess, const QString& letter) {
    return !letter.isEmpty() && guess.compare(letter, Qt::CaseInsensitive) == 0;
}

int hintPosition(Hint hint, int wordLength) {
    int position = -1;
    switch (hint) {
    case Hint::First:
        position = 0;
        break;
    case Hint::Second:
        position = 1;
        break;
    case Hint::Third:
        position = 2;
        break;
    case Hint::Last:
        position = wordLength - 1;
        break;
    case Hint::Random:
        return -1;
    }
    return position < wordLength ? position : -1;
}

bool offeredAtStart(Hint hint, int wordLength) {
    if (hint == Hint::Random)
        return wordLength >= 3;
    return hintPosition(hint, wordLength) >= 0;
}

QList<Hint> withdrawnBy(int position, int wordLength) {
    QList<Hint> hints;
    for (Hint h : {Hint::First, Hint::Second, Hint::Third, Hint::Last})
        if (hintPosition(h, wordLength) == position && position >= 0)
            hints << h;
    return hints;
}

int randomLetterPosition(const std::vector<bool>& open, double r) {
    std::vector<int> candidates;
    for (size_t i = 2; i < open.size(); ++i)
        if (open[i])
            candidates.push_back(int(i));
    if (candidates.empty())
        return -1;
    const int k =
        std::clamp(int(std::floor(double(candidates.size()) * r)), 0, int(candidates.size()) - 1);
    return candidates[size_t(k)];
}

bool randomLetterOffered(const std::vector<bool>& open) {
    return randomLetterPosition(open, 0.0) >= 0;
}

} // namespace WordPuzzle
