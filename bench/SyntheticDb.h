#pragma once

#include "data/WordDatabaseBuilder.h"

#include <QString>
#include <QTemporaryDir>
#include <vector>

// The rows of a synthetic word database: unique random names, meanings and examples of a
// real word's length, with bookmarks and study counts spread as a learner's would be. The
// same count always gives the same rows.
std::vector<WordDatabaseBuilder::WordRow> syntheticWords(int words);

// A synthetic word database of the given size in a temporary folder that becomes the
// current directory, as the program expects dbnk.db there.
class SyntheticDb {
public:
    explicit SyntheticDb(int words);
    ~SyntheticDb();
    QString path() const { return dir_.path() + QStringLiteral("/dbnk.db"); }

private:
    QTemporaryDir dir_;
    QString previous_;
};
