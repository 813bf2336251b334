#pragma once

#include <functional>
#include <QString>
#include <QStringList>
#include <vector>

class Random;
class Recordset;

// The quiz's rules: which words a pass asks, the three wrong meanings, and the texts the
// quiz window shows.
namespace QuizEngine {

inline constexpr int Options = 4;

// The positions (1-based, within the refined selection) one pass asks, each exactly once,
// drawn uniformly among those not asked yet.
class Pass {
public:
    // A new pass over positions 1..words.
    void start(int words);
    bool exhausted() const { return unasked_.empty(); }
    // Draws the next position with r in [0, 1). Only while not exhausted.
    int draw(double r);

    int size() const { return size_; }
    int askedCount() const { return int(asked_.size()); }
    const std::vector<int>& askedPositions() const { return asked_; }

private:
    int size_ = 0;
    std::vector<int> unasked_;
    std::vector<int> asked_;
};

// The option that holds the right meaning, 0 to 3, drawn with r in [0, 1).
int correctIndex(double r);

// "Easy", "Difficult" or "Very Difficult"; the second mark counts only with the first.
QString difficultyText(bool difficult, bool veryDifficult);

// "2 / 3 : 66%": the percentage cut, not rounded.
QString scoreText(int correct, int answered);

QString endOfPassMessage();

// Up to `count` different meanings, none equal to `correct`, for the wrong options. Rows are
// drawn as the random word draws them (a meaning shared by many rows comes up more often);
// when random draws keep missing, every row is looked at once and the draw is made among
// the meanings still possible, so it always ends. Fewer than `count` come back when the
// rows hold fewer such meanings.
struct MeaningRows {
    int count = 0;
    std::function<QString(int position)> meaningAt;
    std::function<QStringList()> allMeanings; // every row's meaning, in position order
};
struct WrongMeaning {
    QString meaning;
    int position = 0; // the row it was drawn from
};
std::vector<WrongMeaning> wrongMeanings(const QString& correct, int count, const MeaningRows& rows,
                                        Random& random);

// The meanings of a result set's rows.
MeaningRows meaningRows(const Recordset& rs);

} // namespace QuizEngine
