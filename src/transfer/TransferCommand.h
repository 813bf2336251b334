#pragma once

#include <QStringList>
#include <cstdio>

// "verbaloom --import FILE" and "verbaloom --export FILE": an import or an export on the
// learner's word database (dbnk.db in the current folder, as when the program starts),
// without a window.
namespace TransferCommand {

// Whether the arguments ask for one of them.
bool wanted(const QStringList& arguments);

// Runs it and returns the exit code: 0 when words were imported or written; 1 when nothing
// could be imported, the file could not be read or written, or Verbaloom is running on the
// database; 2 for arguments it does not understand. The import prints one summary line to
// standard output and each refused row, with its line, to standard error.
int run(const QStringList& arguments, bool programRunning, std::FILE* out, std::FILE* err);

inline const QString Running = QStringLiteral(
    "Verbaloom is running on this word database: close it, then import again.");
inline const QString Usage =
    QStringLiteral("usage: verbaloom [--import FILE | --export FILE.csv|FILE.tsv|FILE.kvtml]");

} // namespace TransferCommand
