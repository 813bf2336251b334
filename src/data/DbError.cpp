#include "DbError.h"

#include <array>

namespace {

struct Entry {
    DbErrorCode code;
    qint64 number;
    const char* text; // "%1": the detail
};

// The one table of the numbers and texts the learner sees, in the order of DbErrorCode.
constexpr std::array kErrors = {
    Entry{DbErrorCode::TypeMismatch, 13, "Type mismatch"},
    Entry{DbErrorCode::BadArgument, 3001, "%1"},
    Entry{DbErrorCode::NoCurrentRecord, 3021,
          "Either BOF or EOF is True, or the current record has been deleted. Requested "
          "operation requires a current record."},
    Entry{DbErrorCode::ItemNotFound, 3265,
          "Item cannot be found in the collection corresponding to the requested name or "
          "ordinal."},
    Entry{DbErrorCode::FileNotFound, 3024, "Could not find file '%1'."},
    Entry{DbErrorCode::CannotOpen, 3024, "Could not open file '%1'."},
    Entry{DbErrorCode::DiskFull, 3026, "Not enough space on disk."},
    Entry{DbErrorCode::ReadOnly, 3027, "Cannot update. Database or object is read-only."},
    Entry{DbErrorCode::BadPassword, 3031, "Not a valid password, or '%1' is not a word database."},
    Entry{DbErrorCode::DiskError, 3043, "Disk or network error."},
    Entry{DbErrorCode::FileInUse, 3045, "Could not use '%1'; file already in use."},
    Entry{DbErrorCode::RequiredValue, 3314, "A required value is missing or not allowed (%1)."},
    Entry{DbErrorCode::BadFormat, 3343, "Unrecognized database format '%1'."},
    Entry{DbErrorCode::TooComplex, 3360, "The search is too complex. Use fewer wildcards (% and _)."},
    Entry{DbErrorCode::Duplicate, -2147467259,
          "The changes you requested to the table were not successful because they would "
          "create duplicate values in the index or primary key."},
    Entry{DbErrorCode::SyntaxError, -2147217900, "%1"},
    Entry{DbErrorCode::Other, -2147217887, "Errors occurred: %1"},
};
static_assert(kErrors.size() == size_t(DbErrorCode::Other) + 1);

const Entry& entry(DbErrorCode code) {
    return kErrors[size_t(code)];
}

QString describe(DbErrorCode code, const QString& detail) {
    QString text = QString::fromUtf8(entry(code).text);
    if (text.contains(QLatin1String("%1")))
        text.replace(QLatin1String("%1"), detail);
    return text;
}

} // namespace

DbError::DbError(DbErrorCode code, const QString& detail)
    : std::runtime_error(describe(code, detail).toStdString()), code_(code),
      description_(describe(code, detail)) {}

qint64 DbError::number() const {
    return entry(code_).number;
}
