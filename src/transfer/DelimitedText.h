#pragma once

#include "transfer/SourceRecord.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class QIODevice;

// Comma- and tab-separated word lists as spreadsheets and flashcard programs write them:
// UTF-8 with or without a byte-order mark, fields in double quotes holding delimiters,
// doubled quotes and line breaks, and the "#key:value" lines flashcard programs put at the
// top of a plain-text export.
namespace DelimitedText {

// The "#separator:", "#html:", "#columns:" and "#... column:" lines at the top of a file.
struct Headers {
    std::optional<char> separator;
    std::optional<bool> html;
    QStringList columns; // names from "#columns:", split on the separator
    // 0-based columns that hold a note's id, type, deck or tags rather than its fields.
    std::vector<int> metaColumns;
    int lineCount = 0; // lines taken by the headers
};

// Reads the header lines from the start of a sample (after any byte-order mark).
Headers parseHeaders(const QByteArray& sample);

// The delimiter the sample's records are written with: tab, semicolon, comma or bar,
// whichever splits the most lines into the same number of cells; a comma when none does
// (a list of one word a line).
char detectDelimiter(const QByteArray& sample);

// Streams records from a device, never holding more than one record and a read buffer.
// A NUL byte, text that is not UTF-8, or UTF-16 text ends the reading with an error naming
// the line; a record with an oversized cell, too many cells or a quote that never closes
// is handed out refused, and reading goes on after it. Rows with no text at all are left
// out.
class Reader {
public:
    Reader(QIODevice& device, char delimiter);

    // False at the end of the file or after an error.
    bool next(SourceRecord& record);
    const QString& error() const { return error_; }
    qint64 bytesRead() const { return consumed_; }

private:
    int get();
    int peekByte();
    void fail(qint64 line, const QString& text);
    bool finishField(SourceRecord& record, QByteArray& field, qint64 fieldLine);
    // False after refusing the file's start (UTF-16).
    bool skipPreamble();
    // Reads one row up to its line break or the end; false after an error ends the reading.
    bool readRecord(SourceRecord& record, bool& anyText);

    QIODevice& device_;
    char delimiter_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qsizetype end_ = 0;
    qint64 consumed_ = 0;
    qint64 line_ = 1;
    bool started_ = false;
    bool eof_ = false;
    QString error_;
};

// Strict UTF-8: no overlong forms, surrogates or code points past U+10FFFF. Returns the
// offset of the first bad byte, or -1.
qsizetype firstInvalidUtf8(const char* data, qsizetype size);

} // namespace DelimitedText
