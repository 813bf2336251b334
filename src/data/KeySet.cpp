#include "KeySet.h"

#include <algorithm>
#include <iterator>
#include <numeric>

KeySet::KeySet(std::vector<qint64> ascending) : isList_(true), list_(std::move(ascending)) {}

KeySet KeySet::span(qint64 first, qint64 last) {
    KeySet s;
    if (last >= first) {
        s.first_ = first;
        s.last_ = last;
    }
    return s;
}

qsizetype KeySet::size() const {
    return isList_ ? qsizetype(list_.size()) : qsizetype(last_ - first_ + 1);
}

qint64 KeySet::at(qsizetype index) const {
    return isList_ ? list_[size_t(index)] : first_ + index;
}

qsizetype KeySet::lowerBound(qint64 key) const {
    if (isList_)
        return std::lower_bound(list_.begin(), list_.end(), key) - list_.begin();
    return qsizetype(std::clamp(key, first_, last_ + 1) - first_);
}

qsizetype KeySet::indexOf(qint64 key) const {
    const qsizetype i = lowerBound(key);
    return i < size() && at(i) == key ? i : -1;
}

KeySet KeySet::intersected(const std::vector<qint64>& ascending) const {
    if (!isList_) {
        const auto from = std::lower_bound(ascending.begin(), ascending.end(), first_);
        const auto to = std::upper_bound(from, ascending.end(), last_);
        return KeySet(std::vector<qint64>(from, to));
    }
    std::vector<qint64> both;
    both.reserve(std::min(list_.size(), ascending.size()));
    std::set_intersection(list_.begin(), list_.end(), ascending.begin(), ascending.end(),
                          std::back_inserter(both));
    return KeySet(std::move(both));
}

void KeySet::insert(qint64 key) {
    if (!isList_) {
        if (empty()) {
            first_ = last_ = key;
            return;
        }
        if (key >= first_ && key <= last_)
            return;
        if (key == last_ + 1 || key == first_ - 1) {
            (key > last_ ? last_ : first_) = key;
            return;
        }
        list_ = toVector();
        isList_ = true;
    }
    const auto at = std::lower_bound(list_.begin(), list_.end(), key);
    if (at == list_.end() || *at != key)
        list_.insert(at, key);
}

std::vector<qint64> KeySet::toVector() const {
    if (isList_)
        return list_;
    std::vector<qint64> keys(static_cast<size_t>(size()));
    std::iota(keys.begin(), keys.end(), first_);
    return keys;
}

bool operator==(const KeySet& a, const KeySet& b) {
    if (a.size() != b.size())
        return false;
    if (!a.isList_ && !b.isList_)
        return a.empty() || a.first_ == b.first_;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a.at(i) != b.at(i))
            return false;
    return true;
}
