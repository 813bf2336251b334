#pragma once

#include <optional>
#include <QString>

class Recordset;

// Writing words out for spreadsheets, flashcard programs and KDE's vocabulary programs:
// word, meaning, example, list and difficulty, and optionally how often and when each was
// studied. The file is written under a temporary name and renamed into place, so a failure
// never leaves half a file over an existing one.
namespace WordListExport {

enum class Format { Csv, Tsv, Kvtml };

// By the file's extension: .csv, .tsv (or .txt), .kvtml.
std::optional<Format> formatOf(const QString& path);

struct Options {
    Format format = Format::Csv;
    bool masked = false;   // examples keep the placeholder; else the word is put back
    bool progress = false; // times studied and last studied
};

// Writes every row of a result set of a word table, in its order. False with a message
// naming the file when it could not be written; an existing file is then as it was.
bool write(const QString& path, const Options& options, const Recordset& rows, QString* error);

} // namespace WordListExport
