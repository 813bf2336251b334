#include "Navigation.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "StudyCard.h"

#include <cmath>

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
    tryStep([&] { rs->moveFirst(); });
    tryStep([&] { rs->find(StudyCard::prefixCriterion(text)); });
    const int found = rs->absolutePosition();
    if (found >= 1)
        return true;
    // Back to the row that was current; from BOF or EOF, that is the first row.
    tryStep([&] {
        rs->moveFirst();
        rs->move(std::max(before, 1) - 1);
    });
    return false;
}

QString wordNotFoundMessage() {
    return QStringLiteral("Word Not Found\r\n\r\nYou can ADD new words. Click on the Add Word "
                          "button on the Menu above");
}

} // namespace Navigation
