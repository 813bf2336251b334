#include "WordGridModel.h"

#include "data/DataSource.h"
#include "data/DbError.h"
#include "data/KeyOrder.h"
#include "data/Recordset.h"
#include "study/StudyCard.h"

#include <QFont>

namespace {
const char* const kColumnNames[] = {"GroupId", "Bookmark", "Name", "Meaning", "Example"};
const char* const kHeadings[] = {"Lst", "BM", "Word", "Meaning", "Usage"};
// Rows ordered at once when the learner sorts: a screenful and then some.
constexpr qsizetype kFirstRows = 256;

// A grid cell is one line; the whole text is in the tool tip and in a row opened up.
QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString withLineBreaks(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// As rich text a tool tip wraps at a readable width instead of running across the screen;
// escaped, a learner's text shows as typed, markup and all.
QString toolTip(const QString& text) {
    if (text.isEmpty())
        return {};
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>")
        .arg(withLineBreaks(text).toHtmlEscaped());
}
} // namespace

WordGridModel::WordGridModel(DataSource* source, QObject* parent)
    : QAbstractTableModel(parent), source_(source) {
    if (source_) {
        connect(source_, &DataSource::rowsChanged, this, &WordGridModel::rowsReset);
        connect(source_, &DataSource::currentChanged, this, &WordGridModel::currentMoved);
    }
    rows_ = recordset() ? recordset()->recordCount() : 0;
}

WordGridModel::~WordGridModel() = default;

Recordset* WordGridModel::recordset() const {
    return source_ ? source_->recordset().get() : nullptr;
}

int WordGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int WordGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WordGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_)
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column <= BM ? QVariant(Qt::AlignCenter)
                            : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != FullTextRole)
        return {};
    if (role == Qt::ToolTipRole && column < Meaning)
        return {};
    Recordset* rs = recordset();
    const int position = positionAt(index.row());
    if (!rs || position == 0)
        return {};
    QVariant value;
    // A row deleted behind the grid's back shows empty rather than failing.
    tryStep([&] { value = rs->valueAt(position, QLatin1String(kColumnNames[column])); });
    if (column == BM)
        return StudyCard::flagMark(value);
    if (role == Qt::ToolTipRole)
        return toolTip(value.toString());
    if (role == FullTextRole)
        return withLineBreaks(value.toString());
    return column == Lst ? value.toString() : oneLine(value.toString());
}

QVariant WordGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return tr(kHeadings[section]);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return QAbstractTableModel::headerData(section, orientation, role);
}

int WordGridModel::currentRow() const {
    Recordset* rs = recordset();
    if (!rs)
        return -1;
    const int pos = rs->absolutePosition();
    if (pos < 1 || pos > rows_)
        return -1;
    return order_ ? int(order_->rowOf(rs->idAt(pos))) : pos - 1;
}

int WordGridModel::positionAt(int row) const {
    if (row < 0 || row >= rows_)
        return 0;
    if (!order_)
        return row + 1;
    const Recordset* rs = recordset();
    return rs && row < order_->known() ? rs->positionOf(order_->keyAt(row)) : 0;
}

bool WordGridModel::canSortBy(int column) {
    return column >= 0 && column < ColumnCount && KeyOrder::canOrderBy(QLatin1String(kColumnNames[column]));
}

void WordGridModel::sortBy(int column, Qt::SortOrder order) {
    beginResetModel();
    sortColumn_ = canSortBy(column) ? column : -1;
    sortOrder_ = order;
    startOrder();
    endResetModel();
}

void WordGridModel::startOrder() {
    order_.reset();
    Recordset* rs = recordset();
    if (sortColumn_ < 0 || !rs) {
        emit sortProgress(100);
        return;
    }
    order_ = std::make_unique<KeyOrder>(rs->connection(), rs->table(),
                                        sortOrder_ == Qt::DescendingOrder, rs->keys());
    // Inside the model's reset: the first rows come with it, unannounced.
    order_->readUntil(kFirstRows);
    connect(order_.get(), &KeyOrder::rowsKnown, this, &WordGridModel::rowsKnown);
    connect(order_.get(), &KeyOrder::finished, this, [this] { emit sortProgress(100); });
    emit sortProgress(order_->percent());
    order_->start();
}

void WordGridModel::rowsKnown(qsizetype from, qsizetype to) {
    emit dataChanged(index(int(from), 0), index(int(to) - 1, ColumnCount - 1));
    emit sortProgress(order_->percent());
    if (const int row = currentRow(); row >= from && row < to)
        emit currentRowChanged(row);
}

void WordGridModel::rowsReset() {
    beginResetModel();
    rows_ = recordset() ? recordset()->recordCount() : 0;
    // Other rows: their order is read again.
    startOrder();
    endResetModel();
}

void WordGridModel::currentMoved() {
    // The rows can grow without a reset when a word is added to the open result set.
    if (Recordset* rs = recordset(); rs && rs->recordCount() != rows_)
        rowsReset();
    const int row = currentRow();
    // A mark written on the current word changes its cells without a move.
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit currentRowChanged(row);
}
