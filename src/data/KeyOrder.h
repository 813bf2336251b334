#pragma once

#include "KeySet.h"

#include <memory>
#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

class Connection;

// A set of a table's keys in the order of its name column (ties by key), read through the
// name index a page at a time and kept where the set holds them: the first screenful is there
// at once at any size and the rest follows between events, so the list view sorts a million
// words within a keystroke and stays lazy.
class KeyOrder : public QObject {
    Q_OBJECT
public:
    // Whether a column can be ordered by (it has an index to read in order).
    static bool canOrderBy(const QString& column);

    KeyOrder(std::shared_ptr<Connection> connection, const QString& table, bool descending,
             KeySet keys, QObject* parent = nullptr);

    // Reads pages now until `rows` rows are known, or all are.
    void readUntil(qsizetype rows);
    // Reads the rest page by page between events; rowsKnown() after each.
    void start();
    qsizetype known() const { return qsizetype(order_.size()); }
    qsizetype size() const { return keys_.size(); }
    bool complete() const { return done_; }
    int percent() const;
    // The key at a 0-based row, which must be known.
    qint64 keyAt(qsizetype row) const { return order_[size_t(row)]; }
    // The row of a key, or -1 while it is not known (or the set does not hold it).
    qsizetype rowOf(qint64 key) const;

signals:
    void rowsKnown(qsizetype from, qsizetype to); // rows [from, to) became known
    void finished();

private:
    bool readPage(qsizetype rows);
    void tick();

    std::shared_ptr<Connection> conn_;
    QString first_; // the statement of the first page
    QString next_;  // ... and of each after it, from the last row read
    KeySet keys_;
    std::vector<qint64> order_;
    std::vector<qint32> rowOfIndex_; // by the key's index in keys_; -1 while not known
    QString lastName_;
    qint64 lastKey_ = 0;
    qsizetype page_ = 512;
    bool done_ = false;
    QTimer timer_;
};
