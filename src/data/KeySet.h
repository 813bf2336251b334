#pragma once

#include <QtGlobal>
#include <vector>

// The keys of a result set's rows, ascending and distinct. The rows of a whole table whose
// keys run without a gap are held as their first and last key, however many there are, so a
// million words cost nothing to open; any other set is a list.
class KeySet {
public:
    KeySet() = default;
    explicit KeySet(std::vector<qint64> ascending);
    // Every key from first to last; empty when last < first.
    static KeySet span(qint64 first, qint64 last);

    qsizetype size() const;
    bool empty() const { return size() == 0; }
    bool isSpan() const { return !isList_; }
    // 0-based.
    qint64 at(qsizetype index) const;
    qint64 front() const { return at(0); }
    qint64 back() const { return at(size() - 1); }
    // The index of the first key not less than `key`; size() when there is none.
    qsizetype lowerBound(qint64 key) const;
    // The index of `key`, or -1 when the set does not hold it.
    qsizetype indexOf(qint64 key) const;
    bool contains(qint64 key) const { return indexOf(key) >= 0; }

    // The keys of this set that `ascending` holds too.
    KeySet intersected(const std::vector<qint64>& ascending) const;
    // Adds a key; a span stays one when the key extends it.
    void insert(qint64 key);
    std::vector<qint64> toVector() const;

    friend bool operator==(const KeySet& a, const KeySet& b);

private:
    bool isList_ = false;
    qint64 first_ = 1;
    qint64 last_ = 0;
    std::vector<qint64> list_;
};
