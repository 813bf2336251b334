#include "Recordset.h"

#include "Database.h"
#include "DbError.h"
#include "SqlTranslator.h"

#include <algorithm>

namespace {
// Enough rows for a screenful of the list view and the card, small enough to forget.
constexpr qsizetype kCacheRows = 1024;
} // namespace

Recordset::Recordset(std::shared_ptr<Connection> connection, QString source, QString table)
    : conn_(std::move(connection)), source_(std::move(source)), table_(std::move(table)) {}

std::shared_ptr<Recordset> Recordset::open(std::shared_ptr<Connection> connection,
                                           const QString& sourceText) {
    const SqlTranslator::Source src = SqlTranslator::translateSource(sourceText);
    {
        // Belt and braces: whatever the translator let through must be one read-only query.
        Statement check = connection->prepare(src.sql);
        if (!check.readOnly())
            throw DbError(DbErrorCode::SyntaxError,
                          QStringLiteral("Only a query can be a source of words."));
    }
    std::shared_ptr<Recordset> rs(new Recordset(std::move(connection), sourceText, src.table));
    rs->sql_ = src.sql;
    rs->load();
    return rs;
}

void Recordset::load() {
    Statement ids = conn_->prepare(QStringLiteral("SELECT id FROM (%1) ORDER BY id").arg(sql_));
    std::vector<qint64> keys;
    while (ids.step())
        keys.push_back(ids.int64(0));
    if (columns_.isEmpty()) {
        Statement shape = conn_->prepare(QStringLiteral("SELECT * FROM %1 WHERE 0").arg(table_));
        for (int i = 0; i < shape.columnCount(); ++i)
            columns_.append(shape.columnName(i).toLower());
    }
    open_ = std::move(keys);
    visible_ = open_;
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
    return visible_[size_t(pos_ - 1)];
}

qint64 Recordset::idAt(int position) const {
    if (position < 1 || position > recordCount())
        throw DbError(DbErrorCode::NoCurrentRecord);
    return visible_[size_t(position - 1)];
}

int Recordset::positionOf(qint64 id) const {
    const auto it = std::lower_bound(visible_.begin(), visible_.end(), id);
    return it != visible_.end() && *it == id ? int(it - visible_.begin()) + 1 : 0;
}

QList<qint64> Recordset::keys() const {
    return QList<qint64>(visible_.begin(), visible_.end());
}

int Recordset::firstMatch(const QString& criterion) const {
    if (visible_.empty())
        return 0;
    const QString condition = SqlTranslator::translateCondition(criterion);
    Statement matches = conn_->prepare(
        QStringLiteral("SELECT id FROM %1 WHERE (%2) ORDER BY id").arg(table_, condition));
    while (matches.step()) {
        const qint64 id = matches.int64(0);
        const auto it = std::lower_bound(visible_.begin(), visible_.end(), id);
        if (it != visible_.end() && *it == id)
            return int(it - visible_.begin()) + 1;
    }
    return 0;
}

void Recordset::requireCurrent() const {
    if (!hasCurrent())
        throw DbError(DbErrorCode::NoCurrentRecord);
}

void Recordset::find(const QString& criterion) {
    requireCurrent();
    const QString condition = SqlTranslator::translateCondition(criterion);
    Statement matches =
        conn_->prepare(QStringLiteral("SELECT id FROM %1 WHERE (%2) AND id >= ? ORDER BY id")
                           .arg(table_, condition));
    matches.bind(1, currentId());
    while (matches.step()) {
        const qint64 id = matches.int64(0);
        const auto it = std::lower_bound(visible_.begin(), visible_.end(), id);
        if (it != visible_.end() && *it == id) {
            setPosition(int(it - visible_.begin()) + 1);
            return;
        }
    }
    setPosition(recordCount() + 1);
}

void Recordset::setFilter(const QString& filter) {
    if (filter.trimmed().isEmpty()) {
        visible_ = open_;
    } else {
        const QString condition = SqlTranslator::translateCondition(filter);
        Statement matches = conn_->prepare(
            QStringLiteral("SELECT id FROM %1 WHERE (%2) ORDER BY id").arg(table_, condition));
        std::vector<qint64> passing;
        while (matches.step())
            passing.push_back(matches.int64(0));
        std::vector<qint64> narrowed;
        narrowed.reserve(std::min(passing.size(), open_.size()));
        std::set_intersection(open_.begin(), open_.end(), passing.begin(), passing.end(),
                              std::back_inserter(narrowed));
        visible_ = std::move(narrowed);
    }
    filter_ = filter.trimmed().isEmpty() ? QString() : filter;
    pos_ = visible_.empty() ? 0 : 1;
    emit rowsChanged();
    emit currentChanged();
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
    if (!stmt.step())
        throw DbError(DbErrorCode::NoCurrentRecord); // the row is gone
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
    size_t i = 0;
    QVariantList values;
    while (i < visible_.size() && st.step()) {
        const qint64 id = st.int64(0);
        while (i < visible_.size() && visible_[i] < id)
            ++i;
        if (i < visible_.size() && visible_[i] == id) {
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
    return fetch(visible_[size_t(position - 1)]).values.at(index);
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
    open_.insert(std::upper_bound(open_.begin(), open_.end(), id), id);
    const auto at = visible_.insert(std::upper_bound(visible_.begin(), visible_.end(), id), id);
    pos_ = int(at - visible_.begin()) + 1;
    emit rowsChanged();
    emit currentChanged();
}
