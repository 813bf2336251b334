#include "StudyCard.h"

#include "data/SqlTranslator.h"

#include <cmath>

namespace StudyCard {

int randomBoxesMode(double r) {
    return int(std::floor(2.0 * r)) == 0 ? GuessMeanings : GuessWords;
}

Boxes boxesForMode(int mode, double r) {
    if (mode == RandomBoxes)
        mode = randomBoxesMode(r);
    switch (mode) {
    case GuessMeanings:
        return {true, false, false};
    case GuessWords:
        return {false, true, true};
    default:
        return {true, true, true};
    }
}

QString tickerDetails(const QString& meaning, const QString& usage) {
    return QStringLiteral("MEANING: \r\n") + meaning + QStringLiteral("\r\n\r\nUSAGE: \r\n") +
           usage;
}

QString lookupNote(const QString& meaning, const QString& usage) {
    return meaning + QStringLiteral("\r\n\r\n\r\nUsage: \r\n") + usage;
}

QString formatLastRead(const QVariant& value) {
    const QDate d = value.toDate();
    return d.isValid() ? d.toString(QStringLiteral("d/MMM/yy")) : QString();
}

QString flagMark(const QVariant& value) {
    return value.toBool() ? QStringLiteral("#") : QString();
}

QString prefixCriterion(const QString& text) {
    return QStringLiteral("name like ") + SqlTranslator::literal(text + u'%');
}

} // namespace StudyCard
