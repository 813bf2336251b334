#include "ProgressReport.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/SqlTranslator.h"

namespace ProgressReport {

const GroupRule& rule(Group group) {
    static const std::array<GroupRule, GroupCount> rules{{
        {QStringLiteral("select * from words"), QStringLiteral("readcount >= 1"),
         QStringLiteral("At 1 time reading "), true},
        {QStringLiteral("select * from words where bookmark = no and doublebm = no"),
         QStringLiteral("readcount < 3"), QStringLiteral("3 times reading => "), false},
        {QStringLiteral("select * from words where bookmark = yes and doublebm = yes"),
         QStringLiteral("readcount < 5"), QStringLiteral("5 times reading => "), false},
        {QStringLiteral("select * from words where bookmark = yes and doublebm = no"),
         QStringLiteral("readcount < 4"), QStringLiteral("4 times reading => "), false},
    }};
    return rules[size_t(group)];
}

std::array<std::optional<Counts>, GroupCount> count(Connection& connection) {
    std::array<std::optional<Counts>, GroupCount> out;
    tryStep([&] {
        // Every group's own source and filter, through the same translator the result sets
        // use, counted in one pass over the table: a pass for each group read a million
        // words four times.
        QStringList sums;
        QString table;
        for (int g = 0; g < GroupCount; ++g) {
            const GroupRule& r = rule(Group(g));
            const SqlTranslator::Source source = SqlTranslator::translateSource(r.source);
            if (!table.isEmpty() && source.table != table)
                return; // the groups are over one table
            table = source.table;
            const QString in = source.condition.isEmpty()
                                   ? QStringLiteral("1")
                                   : QLatin1Char('(') + source.condition + QLatin1Char(')');
            const QString filter = SqlTranslator::translateCondition(r.filter);
            sums << QStringLiteral("coalesce(sum(CASE WHEN %1 THEN 1 ELSE 0 END), 0)").arg(in)
                 << QStringLiteral("coalesce(sum(CASE WHEN %1 AND (%2) THEN 1 ELSE 0 END), 0)")
                        .arg(in, filter);
        }
        Statement stmt = connection.prepare(
            QStringLiteral("SELECT %1 FROM %2").arg(sums.join(QStringLiteral(", ")), table));
        if (!stmt.readOnly() || !stmt.step())
            return;
        for (int g = 0; g < GroupCount; ++g)
            out[size_t(g)] = Counts{int(stmt.int64(2 * g)), int(stmt.int64(2 * g + 1))};
    });
    return out;
}

int roundHalfToEven(long long numerator, long long denominator) {
    const long long q = numerator / denominator;
    const long long r = numerator % denominator;
    if (2 * r > denominator || (2 * r == denominator && q % 2 != 0))
        return int(q + 1);
    return int(q);
}

std::optional<int> percentage(Group group, const Counts& counts) {
    if (counts.total <= 0)
        return std::nullopt;
    const long long done = rule(group).countsDone ? counts.second : counts.total - counts.second;
    return roundHalfToEven(100LL * done, counts.total);
}

QString percentageText(Group group, std::optional<int> percent) {
    if (!percent)
        return rule(group).prefix + QStringLiteral("no words yet");
    return rule(group).prefix + QString::number(*percent) + QStringLiteral("% Completed");
}

QString recommendation() {
    return QStringLiteral("(Recommended:=> To Memorize, Study \"Easy\" Words at least 3 times)");
}

QString advice(Group group) {
    QString level;
    QString line3;
    QString line4;
    switch (group) {
    case Easy:
        level = QStringLiteral("3");
        line3 = QStringLiteral("iii) DIFFICULTY LEVEL Box => Select Easy Option");
        line4 = QStringLiteral(" iv) Click GET RESULTS");
        break;
    case Difficult:
        level = QStringLiteral("4");
        line3 = QStringLiteral("iii) In DIFFICULTY LEVEL ....Select Difficult Option");
        line4 = QStringLiteral("iv) Click GET RESULTS");
        break;
    case VeryDifficult:
        level = QStringLiteral("5");
        line3 = QStringLiteral("iii) In DIFFICULTY LEVEL ....Select Very Difficult Option");
        line4 = QStringLiteral("iv) Click GET RESULTS");
        break;
    default:
        return {};
    }
    const QStringList lines{QStringLiteral("Do the following"),
                            QString(),
                            QStringLiteral("i) WORD SELECTION"),
                            QStringLiteral(" ii) WORD STUDY COUNT .. Select '<' '") + level +
                                QStringLiteral("'"),
                            line3,
                            line4};
    return lines.join(QStringLiteral("\r\n"));
}

QString adviceTitle(Group group) {
    switch (group) {
    case Easy:
        return QStringLiteral("How to select Easy Words");
    case Difficult:
        return QStringLiteral("How to select Difficult Words");
    case VeryDifficult:
        return QStringLiteral("How to select Very Difficult Words");
    default:
        return {};
    }
}

} // namespace ProgressReport
