#pragma once

#include <QString>
#include <QStringList>

// One record of a word-list file, as read: its cells and where it starts, or why it cannot
// be used. Lines are the file's physical lines, counted from 1, so a learner finds them in
// an editor.
struct SourceRecord {
    qint64 line = 0;
    QStringList fields;
    QString refusal; // empty unless this record cannot be imported
};

// Bounds on what one record may hold, so that no file can make an import take unbounded
// memory: a cell of 64 KiB holds any meaning or example, 256 columns any word list.
namespace RecordLimits {
inline constexpr qsizetype FieldBytes = 64 * 1024;
inline constexpr int Columns = 256;
} // namespace RecordLimits
