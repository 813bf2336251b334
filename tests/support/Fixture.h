#pragma once

#include "data/WordDatabaseBuilder.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <vector>

using WordRow = WordDatabaseBuilder::WordRow;

// A small word database of its own in a temporary folder that is the current directory for
// the life of the fixture, as the program finds dbnk.db there.
class FixtureDb {
public:
    explicit FixtureDb(const std::vector<WordRow>& words = defaultWords(),
                       const std::vector<WordRow>& spwl = defaultSpwl());
    ~FixtureDb();
    FixtureDb(const FixtureDb&) = delete;
    FixtureDb& operator=(const FixtureDb&) = delete;

    QString dir() const { return dir_.path(); }
    QString path() const;

    // Reads through a handle of its own, so a value seen here has reached the file.
    QVariant scalar(const QString& sql) const { return scalarAt(path(), sql); }
    static QVariant scalarAt(const QString& databasePath, const QString& sql);
    // Every row of both tables as text, to compare a database before and after.
    QString dump() const;

    // Eight words covering every difficulty, study state and an apostrophe; see the .cpp.
    static std::vector<WordRow> defaultWords();
    static std::vector<WordRow> defaultSpwl();
    // n generated words "w00000".. with a spread of flags, for larger sets.
    static std::vector<WordRow> generatedWords(int n);

private:
    QTemporaryDir dir_;
    QString previousDir_;
};

// Makes QStandardPaths point into a test area of this test program's own, so settings never
// touch the real ones nor another test's, and stores "Show Tips at Startup" as "0", so that
// a window test's start-up shows no modal tip window unless the test removes it.
void useTestSettings();

// Writes the bytes to the file, making its folders; returns the path.
QString writeTestFile(const QString& path, const QByteArray& bytes);
