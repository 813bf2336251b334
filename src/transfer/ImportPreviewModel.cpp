#include "ImportPreviewModel.h"

#include <QBrush>
#include <QColor>

using WordListImport::PlannedRow;

ImportPreviewModel::ImportPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void ImportPreviewModel::setRows(const QList<PlannedRow>& rows, bool updateExisting,
                                 bool showLessons) {
    beginResetModel();
    rows_ = rows;
    updateExisting_ = updateExisting;
    showLessons_ = showLessons;
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : showLessons_ ? ColumnCount : Lesson;
}

QString ImportPreviewModel::statusText(const PlannedRow& row, bool updateExisting) {
    switch (row.status) {
    case PlannedRow::Status::New:
        return tr("new");
    case PlannedRow::Status::Existing:
        return updateExisting ? tr("updates your word") : tr("already there: skipped");
    case PlannedRow::Status::Repeated:
        return updateExisting ? tr("repeated: updates the row above")
                              : tr("repeated: skipped");
    case PlannedRow::Status::Refused:
        return tr("refused: %1").arg(row.refusal);
    }
    return {};
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const PlannedRow& row = rows_[index.row()];
    if (role == Qt::ForegroundRole && row.status == PlannedRow::Status::Refused)
        return QBrush(refusedColour_);
    if (role == Qt::ToolTipRole && index.column() == Example && row.exampleMasked)
        return tr("The word in the example is masked, as in the shipped examples.");
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Line:
        return row.line;
    case Status:
        return statusText(row, updateExisting_);
    case Word:
        return row.word;
    case Meaning:
        return row.meaning;
    case Example:
        return row.example;
    case Lesson:
        return row.lesson;
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation,
                                        int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const char* const names[] = {"Line", "Status", "Word", "Meaning", "Example", "Lesson"};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}
