#include "RefineFilters.h"

#include "data/DbError.h"
#include "data/SqlTranslator.h"

namespace RefineFilters {

namespace {
// "column like '%text%'", the text as one literal.
QString containing(const char* column, const QString& text) {
    return QLatin1String(column) + QStringLiteral(" like ") +
           SqlTranslator::literal(u'%' + text + u'%');
}

// Bound as a number, so "1 or 1=1" is no number rather than a condition.
QString wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? QString::number(n) : QString();
}
} // namespace

QString optionExpression(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("bookmark = 1 and doublebm = 0");
    case 1:
        return QStringLiteral("bookmark = 0");
    case 2:
        return QStringLiteral("doublebm = 1");
    case 3:
        return Everything;
    case 4:
        return QStringLiteral("sessionbm = 0");
    case 5:
        return QStringLiteral("sessionbm = 1");
    case 6:
        return QStringLiteral("highfw = 1");
    case 7:
        return QStringLiteral("bookmark = 1");
    default:
        return {};
    }
}

QString textExpression(int index, const std::array<QString, 8>& t) {
    switch (index) {
    case 0:
        return containing("name", t[0]);
    case 1:
        return containing("meaning", t[1]);
    case 2:
        return containing("example", t[2]);
    case 3:
        return QStringLiteral("name like ") + SqlTranslator::literal(t[3] + u'%');
    case 4:
        return containing("Meaning", t[1]) + QStringLiteral(" or ") + containing("Meaning", t[4]);
    case 5:
        return containing("Example", t[2]) + QStringLiteral(" or ") + containing("Example", t[5]);
    case 6:
    case 7: {
        const QString number = wholeNumber(t[size_t(index)]);
        if (number.isEmpty())
            return {};
        return (index == 6 ? QStringLiteral("readcount = ") : QStringLiteral("groupid = ")) +
               number;
    }
    default:
        return {};
    }
}

QString noExpressionText(int index) {
    return index == 6 || index == 7 ? NotANumber : CannotSearch;
}

QString refusalText(const DbError& error) {
    // A text that does not make a statement is the learner's to change; any other refusal
    // (a search that takes too long, a file in use) says itself.
    return error.code() == DbErrorCode::SyntaxError ? CannotSearch : error.description();
}

QString currentSelectionText(int count) {
    return QStringLiteral("You have ") + QString::number(count) +
           QStringLiteral(" words in your Current Selection ");
}
QString openingRefinedText(int count) {
    return QString::number(count) + QStringLiteral(" words after Refining your Selection.");
}
QString optionRefinedText(int count) {
    return QString::number(count) + QStringLiteral(" WORDS After Refining your Selection");
}
QString textRefinedText(int count) {
    return QString::number(count) + QStringLiteral(" in your POCKET.");
}

} // namespace RefineFilters
