#pragma once

#include "schedule/ScheduleSchema.h"

#include <iterator>
#include <QString>

struct sqlite3;

// The word database's schema version (PRAGMA user_version) and the steps that bring an
// older file up to it.
//
// A file opened for reading and writing is upgraded in place, all steps in one
// transaction, after a copy of it is kept beside it ("dbnk.db.backup-v0"). A newer file,
// or one that cannot be upgraded, is opened for reading only and the learner is told why;
// it is never changed.
namespace SchemaUpgrade {

// Steps[v] brings version v to v + 1 (SQL, any number of statements). Add a step by adding
// its line at the end; the current version follows.
inline constexpr const char* Steps[] = {
    "", // 0 -> 1: the files made before versions were recorded; nothing changes but the number
    ScheduleSchemaSql, // 1 -> 2: spaced repetition's schedule and review log
    // 2 -> 3: which shipped word list the file holds ("version"; none recorded is 1)
    "CREATE TABLE IF NOT EXISTS content_info (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
};
inline constexpr int CurrentVersion = int(std::size(Steps));

struct Result {
    enum class Kind { UpToDate, Upgraded, Newer, Failed };
    Kind kind = Kind::UpToDate;
    int version = 0; // as found in the file
    QString notice;  // for the learner when the file is left read-only; empty otherwise
};

// Brings the keyed file behind db, at path, up to CurrentVersion as described above.
// `steps` and `count` stand in for Steps in tests.
Result upgrade(sqlite3* db, const QString& path, const char* const* steps = Steps,
               int count = CurrentVersion);

// Runs steps from..count-1 and records the version, inside the caller's transaction; for
// making a new file. Throws DbError.
void applySteps(sqlite3* db, int from, const char* const* steps = Steps,
                int count = CurrentVersion);

// The copy kept before upgrading from `version`.
QString backupPath(const QString& path, int version);

// Copies the file as it is on disk to target, private to the learner, never over an older
// copy: that one is the older state and stays. Throws DbError.
void keepCopy(const QString& path, const QString& target);

} // namespace SchemaUpgrade
