#include "WordGridModel.h"

#include "data/DataSource.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "study/StudyCard.h"

#include <QFont>

namespace {
const char* const kColumnNames[] = {"GroupId", "Bookmark", "Name", "Meaning", "Example"};
const char* const kHeadings[] = {"Lst", "BM", "Word", "Meaning", "Usage"};

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
    if (!rs)
        return {};
    QVariant value;
    // A row deleted behind the grid's back shows empty rather than failing.
    tryStep([&] { value = rs->valueAt(index.row() + 1, QLatin1String(kColumnNames[column])); });
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
    return pos >= 1 && pos <= rows_ ? pos - 1 : -1;
}

void WordGridModel::rowsReset() {
    beginResetModel();
    rows_ = recordset() ? recordset()->recordCount() : 0;
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
