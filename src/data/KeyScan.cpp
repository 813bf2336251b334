#include "KeyScan.h"

#include "Database.h"

#include <algorithm>

namespace {
// A slice takes about this long: well inside a frame, long enough that the statement's own
// cost is small beside its rows.
constexpr qint64 kSliceNanoseconds = 4'000'000;
constexpr qint64 kSmallestSpan = 64;
constexpr qint64 kLargestSpan = qint64(1) << 22;
} // namespace

KeyScan::KeyScan(std::shared_ptr<Connection> connection, const QString& table,
                 const QString& condition, qint64 first, qint64 last, QObject* parent)
    : QObject(parent), conn_(std::move(connection)), first_(first), last_(last), next_(first) {
    // By key range through the table itself: an index the condition could use would be read
    // whole again for every slice.
    sql_ = QStringLiteral("SELECT id FROM %1 NOT INDEXED WHERE id >= ? AND id <= ?").arg(table);
    if (!condition.isEmpty())
        sql_ += QStringLiteral(" AND (%1)").arg(condition);
    sql_ += QStringLiteral(" ORDER BY id");
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &KeyScan::tick);
    done_ = last_ < first_;
}

void KeyScan::start() {
    timer_.start();
}

void KeyScan::stop() {
    timer_.stop();
    done_ = true;
}

KeyScan* KeyScan::letGo(std::unique_ptr<KeyScan>& owned, QObject* receiver) {
    KeyScan* scan = owned.release();
    scan->stop();
    scan->disconnect(receiver);
    scan->deleteLater();
    return scan;
}

int KeyScan::percent() const {
    if (done_ || last_ <= first_)
        return 100;
    return int(std::clamp<qint64>((next_ - first_) * 100 / (last_ - first_ + 1), 0, 99));
}

bool KeyScan::step() {
    if (done_)
        return false;
    const qint64 to = last_ - next_ < span_ ? last_ : next_ + span_ - 1;
    QElapsedTimer clock;
    clock.start();
    try {
        Statement slice = conn_->prepare(sql_);
        slice.bind(1, next_);
        slice.bind(2, to);
        while (slice.step())
            keys_.push_back(slice.int64(0));
    } catch (const DbError& e) {
        error_ = e;
        done_ = true;
        return false;
    }
    const qint64 took = clock.nsecsElapsed();
    if (took < kSliceNanoseconds / 2)
        span_ = std::min(span_ * 2, kLargestSpan);
    else if (took > kSliceNanoseconds * 2)
        span_ = std::max(span_ / 2, kSmallestSpan);
    done_ = to >= last_;
    next_ = to + 1;
    return !done_;
}

void KeyScan::tick() {
    step();
    if (error_) {
        emit failed();
        return;
    }
    if (done_) {
        emit finished();
        return;
    }
    emit progress(percent());
    timer_.start();
}
