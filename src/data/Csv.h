#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The word tables ship as CSV: UTF-8, one record per line (LF or CR LF), fields that hold a
// comma, a double quote or a line break in double quotes with inner quotes doubled.
namespace Csv {

// Returns the records, or sets error (with the 1-based line) and returns what came before.
QList<QStringList> parse(const QByteArray& utf8, QString* error = nullptr);

// One record, ending in LF.
QByteArray formatRecord(const QStringList& fields);

} // namespace Csv
