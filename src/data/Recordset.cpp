#include "Recordset.h"

#include "Database.h"
#include "DbError.h"
#include "KeyScan.h"
#include "SqlTranslator.h"

#include <algorithm>

namespace {
// Enough rows for a screenful of the list view and the card, small enough to forget.
constexpr qsizetype kCacheRows = 1024;
// Words added after the kept count that are counted into it at the next open.
constexpr qint64 kCountAgainAfter = 1024;
} // namespace

Recordset::Recordset(std::shared_ptr<Connection> connection, QString source, QString table)
    : conn_(std::move(connection)), source_(std::move(source)), table_(std::move(table)) {}

Recordset::~Recordset() = default;

namespace {

SqlTranslator::Source checkedSource(const Connection& connection, const QString& sourceText) {
    const SqlTranslator::Source src = SqlTranslator::translateSource(sourceText);
    // Belt and braces: whatever the translator let through must be one read-only query.
    Statement check = connection.prepare(src.sql);
    if (!check.readOnly())
        throw DbError(DbErrorCode::SyntaxError,
                      QStringLiteral("Only a query can be a source of words."));
    return src;
}

} // namespace

std::shared_ptr<Recordset> Recordset::open(std::shared_ptr<Connection> connection,
                                           const QString& sourceText) {
    const SqlTranslator::Source src = checkedSource(*connection, sourceText);
    std::shared_ptr<Recordset> rs(new Recordset(std::move(connection), sourceText, src.table));
    rs->sql_ = src.sql;
    rs->condition_ = src.condition;
    rs->readColumns();
    rs->load();
    return rs;
}

std::shared_ptr<Recordset> Recordset::open(std::shared_ptr<Connection> connection,
                                           const QString& sourceText, KeySet keys) {
    const SqlTranslator::Source src = checkedSource(*connection, sourceText);
    std::shared_ptr<Recordset> rs(new Recordset(std::move(connection), sourceText, src.table));
    rs->sql_ = src.sql;
    rs->condition_ = src.condition;
    rs->readColumns();
    rs->open_ = keys;
    rs->visible_ = std::move(keys);
    rs->pos_ = rs->visible_.empty() ? 0 : 1;
    return rs;
}

std::unique_ptr<KeyScan> Recordset::scanSource(std::shared_ptr<Connection> connection,
                                               const QString& sourceText) {
    const SqlTranslator::Source src = checkedSource(*connection, sourceText);
    Statement bounds = connection->prepare(
        QStringLiteral("SELECT (SELECT min(id) FROM %1), (SELECT max(id) FROM %1)").arg(src.table));
    bounds.step();
    const bool empty = !bounds.value(0).isValid();
    return std::make_unique<KeyScan>(std::move(connection), src.table, src.condition,
                                     empty ? 1 : bounds.int64(0), empty ? 0 : bounds.int64(1));
}

qint64 Recordset::rowsAtMost(const Connection& connection, const QString& table) {
    Statement bounds = connection.prepare(
        QStringLiteral("SELECT (SELECT max(id) FROM %1) - (SELECT min(id) FROM %1) + 1").arg(table));
    bounds.step();
    return bounds.int64(0);
}

void Recordset::readColumns() {
    Statement shape = conn_->prepare(QStringLiteral("SELECT * FROM %1 WHERE 0").arg(table_));
    for (int i = 0; i < shape.columnCount(); ++i)
        columns_.append(shape.columnName(i).toLower());
}

// A whole word table whose keys run without a gap is its first and last key: the count kept
// beside the table (SchemaUpgrade) and the words added after it say so without reading the
// other rows.
std::optional<KeySet> Recordset::wholeTable() const {
    if (!condition_.isEmpty() || table_ != QLatin1String("words"))
        return std::nullopt;
    std::optional<KeySet> whole;
    // A file without the count (opened for reading only before its upgrade) is read in full.
    tryStep([&] {
        Statement st = conn_->prepare(QStringLiteral(
            "SELECT words, last, (SELECT min(id) FROM words), (SELECT max(id) FROM words),"
            " (SELECT count(*) FROM words WHERE id > ifnull(word_count.last, -1 << 63))"
            " FROM word_count"));
        if (!st.step() || !st.value(0).isValid())
            return;
        const qint64 added = st.int64(4);
        const qint64 count = st.int64(0) + added;
        if (count == 0)
            whole = KeySet();
        else if (count == st.int64(3) - st.int64(2) + 1)
            whole = KeySet::span(st.int64(2), st.int64(3));
        // Many words added since (an import): counted once more here, then kept.
        if (added >= kCountAgainAfter && !conn_->readOnly()) {
            Statement keep = conn_->prepare(QStringLiteral(
                "UPDATE word_count SET words = ?, last = ? WHERE words = ? AND last IS ?"));
            keep.bind(1, count);
            keep.bind(2, st.int64(3));
            keep.bind(3, st.int64(0));
            keep.bind(4, st.value(1));
            keep.step();
        }
    });
    return whole;
}

void Recordset::load() {
    cancelFilter();
    std::optional<KeySet> keys = wholeTable();
    if (!keys) {
        Statement ids =
            conn_->prepare(QStringLiteral("SELECT id FROM (%1) ORDER BY id").arg(sql_));
        std::vector<qint64> list;
        while (ids.step())
            list.push_back(ids.int64(0));
        keys = KeySet(std::move(list));
        // A count found wrong (see fetch) is taken again here, in one statement, so that the
        // next start finds it.
        if (condition_.isEmpty() && table_ == QLatin1String("words") && !conn_->readOnly())
            tryStep([&] {
                conn_->prepare(QStringLiteral("UPDATE word_count SET words = (SELECT count(*)"
                                              " FROM words), last = (SELECT max(id) FROM words)"
                                              " WHERE words IS NULL"))
                    .step();
            });
    }
    open_ = *keys;
    visible_ = std::move(*keys);
    filter_.clear();
    cache_.clear();
    pos_ = visible_.empty() ? 0 : 1;
}

void Recordset::requery() {
    load();
    emit rowsChanged();
    emit currentChanged();
}

int Recordset::absolutePosition() const {
    if (bof())
        return visible_.empty() ? PosEOF : PosBOF;
    if (eof())
        return PosEOF;
    return pos_;
}

void Recordset::setPosition(int pos) {
    pos_ = pos;
    emit currentChanged();
}

void Recordset::moveFirst() {
    if (visible_.empty())
        throw DbError(DbErrorCode::NoCurrentRecord);
    setPosition(1);
}

void Recordset::moveLast() {
    if (visible_.empty())
        throw DbError(DbErrorCode::NoCurrentRecord);
    setPosition(recordCount());
}

void Recordset::moveNext() {
    if (eof())
        throw DbError(DbErrorCode::NoCurrentRecord);
    setPosition(pos_ + 1);
}

void Recordset::movePrevious() {
    if (bof())
        throw DbError(DbErrorCode::NoCurrentRecord);
    setPosition(pos_ - 1);
}

void Recordset::move(int rows) {
    if (visible_.empty() || (rows >= 0 && eof()) || (rows <= 0 && bof()))
        throw DbError(DbErrorCode::NoCurrentRecord);
    const qint64 target = qint64(pos_) + rows;
    setPosition(int(std::clamp<qint64>(target, 0, qint64(recordCount()) + 1)));
}

void Recordset::moveTo(int position) {
    if (position < 1 || position > recordCount())
        throw DbError(DbErrorCode::NoCurrentRecord);
    setPosition(position);
}

qint64 Recordset::currentId() const {
    requireCurrent();
    return visible_.at(pos_ - 1);
}

qint64 Recordset::idAt(int position) const {
    if (position < 1 || position > recordCount())
        throw DbError(DbErrorCode::NoCurrentRecord);
    return visible_.at(position - 1);
}

int Recordset::positionOf(qint64 id) const {
    return int(visible_.indexOf(id) + 1);
}

QList<qint64> Recordset::keyList() const {
    const std::vector<qint64> all = visible_.toVector();
    return QList<qint64>(all.begin(), all.end());
}

int Recordset::firstMatch(const QString& criterion, int from) const {
    from = std::max(from, 1);
    if (from > recordCount())
        return 0;
    const QString condition = SqlTranslator::translateCondition(criterion);
    // Two ways to the first match, stepped in turn until either ends. The rows in key order
    // end at once when matches are many (one letter typed in the find box); the matches
    // alone, in the database's own order (the name index), whose smallest key among the rows
    // is the answer, end at once when they are few. Neither reads every row of a letter.
    Statement inOrder = conn_->prepare(
        QStringLiteral("SELECT id, (%2) FROM %1 NOT INDEXED WHERE id >= ? AND id <= ? ORDER BY id")
            .arg(table_, condition));
    inOrder.bind(1, visible_.at(from - 1));
    inOrder.bind(2, visible_.back());
    Statement matches =
        conn_->prepare(QStringLiteral("SELECT id FROM %1 WHERE (%2)").arg(table_, condition));
    std::optional<qint64> least;
    const auto position = [&](qint64 id) {
        const qsizetype i = visible_.indexOf(id);
        return i >= from - 1 ? int(i) + 1 : 0;
    };
    for (;;) {
        if (!inOrder.step())
            return 0;
        if (inOrder.int64(1) != 0) {
            if (const int at = position(inOrder.int64(0)))
                return at;
        }
        if (!matches.step())
            return least ? position(*least) : 0;
        const qint64 id = matches.int64(0);
        if ((!least || id < *least) && position(id))
            least = id;
    }
}

void Recordset::requireCurrent() const {
    if (!hasCurrent())
        throw DbError(DbErrorCode::NoCurrentRecord);
}

void Recordset::find(const QString& criterion) {
    requireCurrent();
    const int found = firstMatch(criterion, pos_);
    setPosition(found > 0 ? found : recordCount() + 1);
}

std::vector<qint64> Recordset::passing(const QString& condition) const {
    Statement matches = conn_->prepare(
        QStringLiteral("SELECT id FROM %1 WHERE (%2) ORDER BY id").arg(table_, condition));
    std::vector<qint64> keys;
    while (matches.step())
        keys.push_back(matches.int64(0));
    return keys;
}

void Recordset::applyFilter(const std::vector<qint64>& passing, const QString& filter) {
    visible_ = open_.intersected(passing);
    filter_ = filter;
    pos_ = visible_.empty() ? 0 : 1;
    emit rowsChanged();
    emit currentChanged();
}

void Recordset::setFilter(const QString& filter) {
    cancelFilter();
    if (filter.trimmed().isEmpty()) {
        visible_ = open_;
        filter_.clear();
        pos_ = visible_.empty() ? 0 : 1;
        emit rowsChanged();
        emit currentChanged();
        return;
    }
    applyFilter(passing(SqlTranslator::translateCondition(filter)), filter);
}

bool Recordset::filterInSteps(const QString& filter) {
    cancelFilter();
    filterError_.reset();
    if (filter.trimmed().isEmpty() || open_.empty()) {
        setFilter(filter);
        return true;
    }
    const QString condition = SqlTranslator::translateCondition(filter);
    std::optional<std::vector<qint64>> atOnce;
    if (rowsAtMost(*conn_, table_) <= SmallTable) {
        atOnce = passing(condition);
    } else {
        const Connection::WorkBudget budget(*conn_, KeystrokeWork);
        try {
            atOnce = passing(condition);
        } catch (const DbError&) {
            if (!budget.spent())
                throw;
        }
    }
    if (atOnce) {
        applyFilter(*atOnce, filter);
        return true;
    }
    scan_ = std::make_unique<KeyScan>(conn_, table_, condition, open_.front(), open_.back());
    scanFilter_ = filter;
    connect(scan_.get(), &KeyScan::progress, this, &Recordset::filterProgress);
    connect(scan_.get(), &KeyScan::finished, this, &Recordset::scanFinished);
    connect(scan_.get(), &KeyScan::failed, this, &Recordset::scanFinished);
    scan_->start();
    return false;
}

void Recordset::cancelFilter() {
    if (scan_)
        KeyScan::letGo(scan_, this);
}

void Recordset::scanFinished() {
    KeyScan* scan = KeyScan::letGo(scan_, this);
    if (scan->error()) {
        filterError_ = scan->error();
        emit filterFinished();
        return;
    }
    applyFilter(scan->takeKeys(), scanFilter_);
    emit filterFinished();
}

int Recordset::columnIndex(const QString& column) const {
    const qsizetype i = columns_.indexOf(column.toLower());
    if (i < 0)
        throw DbError(DbErrorCode::ItemNotFound);
    return int(i);
}

const Recordset::Row& Recordset::fetch(qint64 id) const {
    auto it = cache_.find(id);
    if (it != cache_.end() && it->version == conn_->writeVersion())
        return *it;
    if (cache_.size() >= kCacheRows)
        cache_.clear();
    Statement stmt = conn_->prepare(QStringLiteral("SELECT * FROM %1 WHERE id = ?").arg(table_));
    stmt.bind(1, id);
    if (!stmt.step()) {
        // A key of a whole table's span that is not there: the kept count was wrong (a row
        // another program replaced); the next start reads the keys whole and counts again.
        if (open_.isSpan() && condition_.isEmpty() && !conn_->readOnly())
            tryStep([&] {
                conn_->prepare(QStringLiteral("UPDATE word_count SET words = NULL")).step();
            });
        throw DbError(DbErrorCode::NoCurrentRecord); // the row is gone
    }
    Row row;
    row.version = conn_->writeVersion();
    for (int i = 0; i < stmt.columnCount(); ++i)
        row.values.append(stmt.value(i));
    return *cache_.insert(id, row);
}

QVariant Recordset::value(const QString& column) const {
    const int index = columnIndex(column);
    return fetch(currentId()).values.at(index);
}

void Recordset::forEachRow(const QStringList& columns,
                           const std::function<void(int, const QVariantList&)>& fn) const {
    if (visible_.empty())
        return;
    QStringList names;
    for (const QString& c : columns)
        names << columns_.at(columnIndex(c));
    // One pass over the table's key range; the rows of this set are picked out by key.
    Statement st =
        conn_->prepare(QStringLiteral("SELECT id, %1 FROM %2 WHERE id BETWEEN ? AND ? ORDER BY id")
                           .arg(names.join(QStringLiteral(", ")), table_));
    st.bind(1, visible_.front());
    st.bind(2, visible_.back());
    qsizetype i = 0;
    const qsizetype n = visible_.size();
    QVariantList values;
    while (i < n && st.step()) {
        const qint64 id = st.int64(0);
        if (visible_.at(i) < id)
            i = visible_.lowerBound(id);
        if (i < n && visible_.at(i) == id) {
            values.clear();
            for (int c = 1; c <= names.size(); ++c)
                values << st.value(c);
            fn(int(i) + 1, values);
            ++i;
        }
    }
}

QVariant Recordset::valueAt(int position, const QString& column) const {
    if (position < 1 || position > recordCount())
        throw DbError(DbErrorCode::NoCurrentRecord);
    const int index = columnIndex(column);
    return fetch(visible_.at(position - 1)).values.at(index);
}

void Recordset::setValue(const QString& column, const QVariant& value) {
    const int index = columnIndex(column);
    if (columns_.at(index) == QLatin1String("id"))
        throw DbError(DbErrorCode::ReadOnly);
    const qint64 id = currentId();
    Statement update = conn_->prepare(
        QStringLiteral("UPDATE %1 SET %2 = ? WHERE id = ?").arg(table_, columns_.at(index)));
    update.bind(1, value);
    update.bind(2, id);
    update.step();
    conn_->noteWrite();
    emit currentChanged();
}

void Recordset::addNew(const QVariantMap& values) {
    QStringList names;
    QVariantList bound;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString name = columns_.value(columnIndex(it.key()));
        if (name == QLatin1String("id"))
            continue;
        names.append(name);
        bound.append(it.value());
    }
    const QStringList marks(names.size(), QStringLiteral("?"));
    const QString sql =
        names.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_)
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(table_, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    Statement insert = conn_->prepare(sql);
    for (int i = 0; i < bound.size(); ++i)
        insert.bind(i + 1, bound.at(i));
    insert.step();
    conn_->noteWrite();
    Statement last = conn_->prepare(QStringLiteral("SELECT last_insert_rowid()"));
    last.step();
    includeNewRow(last.int64(0));
}

void Recordset::includeNewRow(qint64 id) {
    cancelFilter();
    open_.insert(id);
    visible_.insert(id);
    pos_ = int(visible_.indexOf(id)) + 1;
    emit rowsChanged();
    emit currentChanged();
}
