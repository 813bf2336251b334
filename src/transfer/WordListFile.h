#pragma once

#include "transfer/Kvtml.h"
#include "transfer/SourceRecord.h"

#include <memory>
#include <optional>
#include <QString>
#include <QStringList>

class QFile;

// A word-list file to import: which format it is written in, how its cells are laid out,
// and which of its columns hold the word, the meaning and the example. inspect() guesses
// from the file; the learner confirms or changes it in the preview.
struct FileLayout {
    enum class Format { Delimited, Kvtml };

    Format format = Format::Delimited;
    char delimiter = ',';
    bool headerRow = false; // the first record names the columns
    bool html = false;      // cells are HTML, as flashcard programs keep them
    QStringList columns;    // a name for each column, as shown to the learner
    // Chosen columns, 0-based; -1 for none. A lesson column only in KVTML files.
    int word = 0;
    int meaning = -1;
    int example = -1;
    int lesson = -1;

    Kvtml::Head kvtml;
    QStringList firstRecord;    // the first record's cells, names when it is a header
    QStringList declaredNames;  // from a "#columns:" line
    std::vector<int> metaColumns;
};

namespace WordListFile {

// Looks at the start of a file (a block of it, a few records). An error names the file and,
// where there is one, the line. A delimiter given is taken rather than guessed.
FileLayout inspect(const QString& path, QString* error,
                   std::optional<char> delimiter = std::nullopt);

// The learner's answer to "the first row holds column names": the names and the likely
// word, meaning and example columns follow it.
void setHeaderRow(FileLayout& layout, bool headerRow);

// Streams a file's records in the given layout (a header record left out).
class Records {
public:
    static std::unique_ptr<Records> open(const QString& path, const FileLayout& layout,
                                         QString* error);
    virtual ~Records();
    virtual bool next(SourceRecord& record) = 0;
    // After next() returned false: empty at the end of the file, else what went wrong, with
    // the file's name and the line.
    virtual QString error() const = 0;
    virtual qint64 bytesRead() const = 0;
    qint64 size() const;

protected:
    explicit Records(const QString& path);
    QString named(const QString& error) const;

    std::unique_ptr<QFile> file_;
    QString name_;
};

} // namespace WordListFile
