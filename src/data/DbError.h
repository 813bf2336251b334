#pragma once

#include <QString>
#include <stdexcept>

// What can go wrong with the word database. Each code has one row in the table behind
// DbError (DbError.cpp): the number the program has always shown for it and the text the
// learner reads.
enum class DbErrorCode {
    TypeMismatch,    // 13: a stored setting that is not a number
    BadArgument,     // 3001
    NoCurrentRecord, // 3021: before the first or after the last row
    ItemNotFound,    // 3265: no such column
    FileNotFound,    // 3024
    CannotOpen,      // 3024
    DiskFull,        // 3026
    ReadOnly,        // 3027
    BadPassword,     // 3031
    DiskError,       // 3043
    FileInUse,       // 3045
    RequiredValue,   // 3314
    BadFormat,       // 3343
    TooComplex,      // 3360: a statement stopped at its time limit
    Duplicate,       // E_FAIL: the add-word window takes it as "the name is already there"
    SyntaxError,     // a statement or filter the database refused
    Other,
};

class DbError : public std::runtime_error {
public:
    // detail takes the place of "%1" in the code's text (a file's path, the database's own
    // words); texts without it ignore it.
    explicit DbError(DbErrorCode code, const QString& detail = {});

    DbErrorCode code() const { return code_; }
    qint64 number() const;
    const QString& description() const { return description_; }

private:
    DbErrorCode code_;
    QString description_;
};

// Runs one step and swallows a database or standard error, for the many procedures that
// skip a failing step and go on with the next. Returns whether the step succeeded.
template <class F> bool tryStep(F&& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
