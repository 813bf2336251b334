#pragma once

#include <QDate>
#include <QString>

namespace DateEntry {
// The form the date boxes take: two-digit month and day, four-digit year.
inline QString format(const QDate& date) {
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}
} // namespace DateEntry
