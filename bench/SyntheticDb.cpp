#include "SyntheticDb.h"

#include <QDir>
#include <QSet>
#include <random>

std::vector<WordDatabaseBuilder::WordRow> syntheticWords(int words) {
    std::mt19937 rng(20261206);
    std::uniform_int_distribution<int> letter(0, 25), length(4, 12), flag(0, 99), count(0, 9);
    auto text = [&](int n) {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'a' + letter(rng));
        return s;
    };
    std::vector<WordDatabaseBuilder::WordRow> rows;
    rows.reserve(size_t(words));
    QSet<QString> seen;
    while (int(rows.size()) < words) {
        WordDatabaseBuilder::WordRow r;
        r.name = text(length(rng));
        if (seen.contains(r.name))
            continue;
        seen.insert(r.name);
        r.meaning =
            QStringLiteral("%1 %2 %3 of the %4 kind").arg(text(6), text(8), text(5), text(7));
        r.example =
            QStringLiteral("The %1 was --- by the %2 %3 yesterday.").arg(text(6), text(5), text(9));
        r.groupid = 1 + int(rows.size() % 50);
        const int f = flag(rng);
        r.bookmark = f < 50;
        r.doublebm = f < 17;
        r.highfw = f % 12 == 0;
        r.readcount = count(rng) < 6 ? 0 : count(rng);
        if (r.readcount > 0)
            r.lastread = QDate(2020, 1, 1).addDays(flag(rng) * 20);
        r.sessionbm = f % 9 == 0;
        rows.push_back(r);
    }
    return rows;
}

SyntheticDb::SyntheticDb(int words) {
    WordDatabaseBuilder::create(path(), syntheticWords(words), {});
    previous_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
}

SyntheticDb::~SyntheticDb() {
    QDir::setCurrent(previous_);
}
