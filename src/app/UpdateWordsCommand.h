#pragma once

#include <QStringList>
#include <cstdio>

// "verbaloom --update-words SHIPPED.db": brings the learner's word database (dbnk.db in the
// current folder) up to the word list of a newer shipped database, without a window. The
// launcher runs it when the shipped list's version is newer than the one the learner's copy
// was last brought up to. The history of earlier lists is read from content-history.csv
// beside the program.
namespace UpdateWordsCommand {

bool wanted(const QStringList& arguments);

// 0 when the list is up to date (now or already), 1 when it could not be brought up to date
// (the file is left as it was), 2 for arguments it does not understand.
int run(const QStringList& arguments, bool programRunning, std::FILE* out, std::FILE* err);

} // namespace UpdateWordsCommand
