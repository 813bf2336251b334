#pragma once

#include <QString>
#include <stdexcept>

// An error of the word database, carrying a number and a description the way the
// program's callers show and test them (3021 at either end of a result set, E_FAIL for a
// duplicate name, ...).
class DbError : public std::runtime_error {
public:
    DbError(qint64 number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number),
          description_(description) {}

    qint64 number() const { return number_; }
    const QString& description() const { return description_; }

private:
    qint64 number_;
    QString description_;
};

namespace DbErrors {
// No current record: moving on from BOF or EOF, or reading a field there.
inline constexpr qint64 NoCurrentRecord = 3021;
// The generic failure; the add-word window takes it as "the name is already there".
inline constexpr qint64 Fail = -2147467259;
inline constexpr qint64 SyntaxError = -2147217900;
inline constexpr qint64 BadArgument = 3001;
inline constexpr qint64 FileNotFound = 3024;
inline constexpr qint64 DiskFull = 3026;
inline constexpr qint64 ReadOnly = 3027;
inline constexpr qint64 BadPassword = 3031;
inline constexpr qint64 DiskError = 3043;
inline constexpr qint64 FileInUse = 3045;
inline constexpr qint64 BadFormat = 3343;
// A statement stopped at its time limit: the learner's pattern asked for too much work.
inline constexpr qint64 TooComplex = 3360;

DbError noCurrentRecord();
DbError tooComplex();
} // namespace DbErrors

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
