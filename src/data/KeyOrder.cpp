#include "KeyOrder.h"

#include "Database.h"
#include "DbError.h"

#include <QElapsedTimer>

namespace {
constexpr qint64 kPageNanoseconds = 4'000'000;
constexpr qsizetype kLargestPage = 1 << 16;
} // namespace

bool KeyOrder::canOrderBy(const QString& column) {
    return column.compare(QLatin1String("name"), Qt::CaseInsensitive) == 0;
}

KeyOrder::KeyOrder(std::shared_ptr<Connection> connection, const QString& table, bool descending,
                   KeySet keys, QObject* parent)
    : QObject(parent), conn_(std::move(connection)), keys_(std::move(keys)),
      rowOfIndex_(size_t(keys_.size()), -1) {
    // From the last row read on by a range of the index (a row-value comparison would scan
    // it from its start at every page); ties of name, in spwl, by key.
    const QString order = descending ? QStringLiteral(" ORDER BY name DESC, id DESC LIMIT ?")
                                     : QStringLiteral(" ORDER BY name, id LIMIT ?");
    first_ = QStringLiteral("SELECT id, name FROM %1").arg(table) + order;
    next_ = QStringLiteral("SELECT id, name FROM %1 WHERE ").arg(table) +
            (descending ? QStringLiteral("name <= ?1 AND (name < ?1 OR id < ?2)")
                        : QStringLiteral("name >= ?1 AND (name > ?1 OR id > ?2)")) +
            QString(order).replace(QLatin1Char('?'), QLatin1String("?3"));
    done_ = keys_.empty();
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &KeyOrder::tick);
}

int KeyOrder::percent() const {
    return done_ || keys_.empty() ? 100 : int(known() * 100 / keys_.size());
}

qsizetype KeyOrder::rowOf(qint64 key) const {
    const qsizetype index = keys_.indexOf(key);
    return index < 0 ? -1 : rowOfIndex_[size_t(index)];
}

bool KeyOrder::readPage(qsizetype rows) {
    if (done_)
        return false;
    const qsizetype from = known();
    const bool firstPage = order_.empty() && lastName_.isNull();
    Statement page = conn_->prepare(firstPage ? first_ : next_);
    if (firstPage) {
        page.bind(1, qint64(rows));
    } else {
        page.bind(1, lastName_);
        page.bind(2, lastKey_);
        page.bind(3, qint64(rows));
    }
    qsizetype read = 0;
    while (page.step()) {
        ++read;
        lastKey_ = page.int64(0);
        lastName_ = page.value(1).toString();
        if (lastName_.isNull())
            lastName_ = QLatin1String("");
        const qsizetype index = keys_.indexOf(lastKey_);
        if (index < 0)
            continue;
        rowOfIndex_[size_t(index)] = qint32(order_.size());
        order_.push_back(lastKey_);
    }
    done_ = read < rows || known() == keys_.size();
    if (known() > from)
        emit rowsKnown(from, known());
    return !done_;
}

void KeyOrder::readUntil(qsizetype rows) {
    while (!done_ && known() < rows)
        if (!tryStep([&] { readPage(page_); }))
            done_ = true;
}

void KeyOrder::start() {
    if (!done_)
        timer_.start();
}

void KeyOrder::tick() {
    QElapsedTimer clock;
    clock.start();
    bool more = false;
    // Rows the database cannot read now stay unknown; the grid shows them empty.
    if (!tryStep([&] { more = readPage(page_); }))
        done_ = true;
    const qint64 took = clock.nsecsElapsed();
    if (took < kPageNanoseconds / 2)
        page_ = std::min(page_ * 2, kLargestPage);
    else if (took > kPageNanoseconds * 2)
        page_ = std::max<qsizetype>(page_ / 2, 64);
    if (more)
        timer_.start();
    else
        emit finished();
}
