#include "PuzzleWordPool.h"

#include "data/Database.h"
#include "data/Recordset.h"
#include "WordPuzzle.h"

#include <algorithm>
#include <cmath>

PuzzleWordPool PuzzleWordPool::fromRecordset(const Recordset& rs) {
    PuzzleWordPool pool;
    rs.forEachRow({QStringLiteral("name"), QStringLiteral("bookmark"), QStringLiteral("doublebm")},
                  [&pool](int position, const QVariantList& v) {
                      pool.add(position, v[0].toString(), v[1].toBool(), v[2].toBool());
                  });
    return pool;
}

void PuzzleWordPool::add(int position, const QString& word, bool difficult, bool veryDifficult) {
    if (!WordPuzzle::playableWord(word))
        return;
    for (int level = 0; level < 3; ++level)
        if (WordPuzzle::suitsLevel(level, difficult, veryDifficult))
            positions_[size_t(level)].push_back(position);
}

std::optional<PuzzleWordPool::Pick> PuzzleWordPool::pick(int level, double r) const {
    level = std::clamp(level, 0, 2);
    for (int distance = 0; distance <= 2; ++distance) {
        for (int candidate : {level - distance, level + distance}) {
            if (candidate < 0 || candidate > 2)
                continue;
            const std::vector<int>& rows = positions_[size_t(candidate)];
            if (rows.empty())
                continue;
            const int k =
                std::clamp(int(std::floor(double(rows.size()) * r)), 0, int(rows.size()) - 1);
            return Pick{rows[size_t(k)], candidate};
        }
    }
    return std::nullopt;
}

int PuzzleWordPool::count(int level) const {
    return level >= 0 && level <= 2 ? int(positions_[size_t(level)].size()) : 0;
}

bool PuzzleWordPool::empty() const {
    return std::all_of(positions_.begin(), positions_.end(),
                       [](const std::vector<int>& p) { return p.empty(); });
}
