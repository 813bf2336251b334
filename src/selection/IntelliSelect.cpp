#include "IntelliSelect.h"

#include "data/SqlTranslator.h"

#include <QDate>
#include <QRegularExpression>

namespace IntelliSelect {

const QStringList& categories() {
    static const QStringList names{
        "Anthropology", "Aroma",     "Crime",         "Dance",
        "Death",        "Dimension", "Eating",        "Education",
        "Fights",       "Gods",      "Language",      "Literature",
        "Mania",        "Music",     "Mythology",     "Personality Traits",
        "Phobias",      "Place",     "Psychological", "Religion",
        "Sculpture",    "Shapes",    "Sociology",     "Taste",
        "Theatre",      "Time",      "Violence"};
    return names;
}

const QStringList& comparisons() {
    static const QStringList ops{"=", "<", ">", "<=", ">=", "<>"};
    return ops;
}

namespace {

// "(" + each part + " OR " ..., the last " OR " dropped, ")".
QString anyOf(const QStringList& parts) {
    QString out = QStringLiteral("(");
    for (const QString& p : parts)
        out += p + QStringLiteral(" OR ");
    out.chop(4);
    return out + QLatin1Char(')');
}

bool isDate(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d{4}$"));
    return shape.match(text).hasMatch() &&
           QDate::fromString(text, QStringLiteral("M/d/yyyy")).isValid();
}

} // namespace

QString difficultyCondition(bool easy, bool difficult, bool veryDifficult) {
    if (!easy && !difficult && !veryDifficult)
        return {};
    QString out = QStringLiteral("(");
    if (easy)
        out += QStringLiteral("bookmark = NO OR ");
    if (!veryDifficult)
        out += QStringLiteral("(bookmark = ") +
               (difficult ? QStringLiteral("YES") : QStringLiteral("NO")) +
               QStringLiteral(" AND doublebm = NO) OR ");
    else
        out += difficult ? QStringLiteral("(bookmark = YES ) OR ")
                         : QStringLiteral("(doublebm = YES ) OR ");
    out.chop(4);
    return out + QLatin1Char(')');
}

Result compose(const Criteria& c) {
    QString letters = Defaults::Letters;
    QString studyCount = Defaults::StudyCount;
    QString wordLists = Defaults::WordLists;
    QString lastStudied = Defaults::LastStudied;
    QString difficulty = Defaults::Difficulty;
    QString categoriesCondition = Defaults::Categories;

    if (c.letters) {
        if (c.selectedLetters.isEmpty())
            return {{}, Messages::NoLetter};
        QStringList parts;
        for (const QString& l : c.selectedLetters)
            parts << QStringLiteral("name like '") + l + QStringLiteral("%'");
        letters = anyOf(parts);
    }
    if (c.wordLists) {
        if (c.selectedLists.isEmpty())
            return {{}, Messages::NoWordList};
        QStringList parts;
        for (int i : c.selectedLists)
            parts << QStringLiteral("groupid = %1").arg(i + 1);
        wordLists = anyOf(parts);
    }
    if (c.studyCount) {
        if (!comparisons().contains(c.comparison.trimmed()))
            return {{}, Messages::BadComparison};
        bool ok = false;
        const int n = c.count.trimmed().toInt(&ok);
        if (!ok || n < 0 || n > 32767)
            return {{}, Messages::BadCount};
        studyCount = QStringLiteral("(readcount ") + c.comparison + c.count + QLatin1Char(')');
    }
    if (c.difficulty) {
        difficulty = difficultyCondition(c.easy, c.difficult, c.veryDifficult);
        if (difficulty.isEmpty())
            return {{}, Messages::NoDifficulty};
    }
    if (c.lastStudied) {
        if (c.from.isEmpty() || c.to.isEmpty())
            return {{}, Messages::NoDates};
        if (!isDate(c.from))
            return {{}, Messages::BadFromDate};
        if (!isDate(c.to))
            return {{}, Messages::BadToDate};
        lastStudied = QStringLiteral("(lastread between #") + c.from + QStringLiteral("# AND #") +
                      c.to + QStringLiteral("#)");
    }
    if (c.specialCategories && c.specialShown) {
        if (c.selectedCategories.isEmpty())
            return {{}, Messages::NoCategory};
        QStringList parts;
        for (const QString& name : c.selectedCategories)
            parts << QStringLiteral("specialwl = ") + SqlTranslator::literal(name);
        categoriesCondition = anyOf(parts);
    }

    // Only "Special WordList" reads the special table.
    const QString prefix = c.wordList == SpecialWordList
                               ? QStringLiteral("select * from spwl where ")
                               : QStringLiteral("select * from words where ");
    const QString join = QStringLiteral(" AND ");
    return {prefix + letters + join + studyCount + join + wordLists + join + lastStudied + join +
                difficulty + join + categoriesCondition,
            {}};
}

QString bagMessage(int count) {
    return QStringLiteral("You have ") + QString::number(count) +
           QStringLiteral(" words in your BAG");
}

} // namespace IntelliSelect
