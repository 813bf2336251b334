#include "QuizEngine.h"

#include "app/Random.h"
#include "data/Database.h"
#include "data/Recordset.h"

#include <algorithm>
#include <cmath>
#include <QSet>

namespace QuizEngine {

namespace {
int drawIndex(int size, double r) {
    return std::clamp(int(std::floor(double(size) * r)), 0, std::max(size - 1, 0));
}

// Random draws allowed per wrong option before every row is looked at instead.
constexpr int kDrawsPerOption = 24;
} // namespace

void Pass::start(int words) {
    size_ = std::max(words, 0);
    asked_.clear();
    asked_.reserve(size_t(std::min(size_, 4096)));
    unasked_.resize(size_t(size_));
    for (int i = 0; i < size_; ++i)
        unasked_[size_t(i)] = i + 1;
}

int Pass::draw(double r) {
    // Swap-remove: each draw is constant time however far the pass has gone.
    const size_t k = size_t(drawIndex(int(unasked_.size()), r));
    const int position = unasked_[k];
    unasked_[k] = unasked_.back();
    unasked_.pop_back();
    asked_.push_back(position);
    return position;
}

int correctIndex(double r) {
    return drawIndex(Options, r);
}

QString difficultyText(bool difficult, bool veryDifficult) {
    if (!difficult)
        return QStringLiteral("Easy");
    return veryDifficult ? QStringLiteral("Very Difficult") : QStringLiteral("Difficult");
}

QString scoreText(int correct, int answered) {
    // Whole numbers throughout: a double quotient would cut 57 / 100 to 56%.
    const qint64 percent = answered > 0 ? qint64(correct) * 100 / answered : 0;
    return QStringLiteral("%1 / %2 : %3%").arg(correct).arg(answered).arg(percent);
}

QString endOfPassMessage() {
    return QStringLiteral("All Words in your set have been considered for the Quiz\r\n\r\n"
                          "You can customize your Quiz to include another set of words");
}

std::vector<WrongMeaning> wrongMeanings(const QString& correct, int count, const MeaningRows& rows,
                                        Random& random) {
    std::vector<WrongMeaning> chosen;
    if (count <= 0 || rows.count <= 0)
        return chosen;
    const auto usable = [&](const QString& m) {
        return m != correct && std::none_of(chosen.begin(), chosen.end(),
                                            [&](const WrongMeaning& w) { return w.meaning == m; });
    };
    int misses = 0;
    while (int(chosen.size()) < count && misses < kDrawsPerOption * count) {
        const int position = 1 + drawIndex(rows.count, random.uniform());
        const QString m = rows.meaningAt(position);
        if (usable(m))
            chosen.push_back({m, position});
        else
            ++misses;
    }
    if (int(chosen.size()) == count)
        return chosen;
    // Few meanings to choose from: draw among the rows left, each row weighing as before.
    std::vector<WrongMeaning> left;
    const QStringList all = rows.allMeanings();
    for (int i = 0; i < all.size(); ++i)
        if (usable(all.at(i)))
            left.push_back({all.at(i), i + 1});
    while (int(chosen.size()) < count && !left.empty()) {
        const WrongMeaning w = left.at(size_t(drawIndex(int(left.size()), random.uniform())));
        chosen.push_back(w);
        std::erase_if(left, [&](const WrongMeaning& o) { return o.meaning == w.meaning; });
    }
    return chosen;
}

MeaningRows meaningRows(const Recordset& rs) {
    MeaningRows rows;
    rows.count = rs.recordCount();
    rows.meaningAt = [&rs](int position) {
        return rs.valueAt(position, QStringLiteral("meaning")).toString();
    };
    rows.allMeanings = [&rs] {
        QStringList out;
        out.reserve(rs.recordCount());
        rs.forEachRow({QStringLiteral("meaning")},
                      [&out](int, const QVariantList& v) { out << v[0].toString(); });
        return out;
    };
    return rows;
}

} // namespace QuizEngine
