#include "Navigation.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "StudyCard.h"

#include <cmath>
#include <optional>

namespace Navigation {

namespace {
Recordset& require(Recordset* rs) {
    if (!rs)
        throw DbError(3704, QStringLiteral("Operation is not allowed when the object is closed."));
    return *rs;
}
} // namespace

bool step(Recordset* rs, bool forward, Buttons& buttons) {
    try {
        forward ? require(rs).moveNext() : require(rs).movePrevious();
        (forward ? buttons.previous : buttons.next) = true;
        return true;
    } catch (const DbError& e) {
        (forward ? buttons.previous : buttons.next) = true;
        if (e.number() == DbErrors::NoCurrentRecord)
            (forward ? buttons.next : buttons.previous) = false;
        return false;
    }
}

int randomIndex(int rows, double r) {
    if (rows <= 0)
        return 0;
    const int k = int(std::floor(double(rows) * r));
    return std::clamp(k, 0, rows - 1);
}

void moveToRandomRow(Recordset* rs, double r) {
    Recordset& set = require(rs);
    const int k = randomIndex(set.recordCount(), r);
    set.moveFirst();
    set.move(k);
}

bool findWord(Recordset* rs, const QString& text) {
    if (!rs)
        return false;
    const int before = rs->absolutePosition();
    std::optional<DbError> stopped;
    bool searched = false;
    tryStep([&] { rs->moveFirst(); });
    try {
        rs->find(StudyCard::prefixCriterion(text.normalized(QString::NormalizationForm_C)));
        searched = true;
    } catch (const DbError& e) {
        // A criterion the database refused has found nothing, wherever the search stood.
        if (e.number() == DbErrors::TooComplex)
            stopped = e;
    }
    if (searched && rs->absolutePosition() >= 1)
        return true;
    // Back to the row that was current; from BOF or EOF, that is the first row.
    tryStep([&] {
        rs->moveFirst();
        rs->move(std::max(before, 1) - 1);
    });
    if (stopped)
        throw *stopped;
    return false;
}

QString wordNotFoundMessage() {
    return QStringLiteral("Word Not Found\r\n\r\nYou can ADD new words. Click on the Add Word "
                          "button on the Menu above");
}

QString findWordMessage(Recordset* rs, const QString& text) {
    try {
        return findWord(rs, text) ? QString() : wordNotFoundMessage();
    } catch (const DbError& e) {
        return e.description();
    }
}

} // namespace Navigation
