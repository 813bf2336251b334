#pragma once

#include <memory>
#include <QAbstractTableModel>
#include <QPointer>

class DataSource;
class KeyOrder;
class Recordset;

// The list view's table over the main data source: one row per word of the refined
// selection, in its order. It holds no rows of its own; a row's values are read from the
// result set when the view asks for them, so only the rows on screen are ever fetched.
// A cell shows its text on one line; the tool tip of a meaning or a usage and FullTextRole
// give the whole text with its line breaks.
//
// Sorted by a column, the rows take that column's order while the selection's own order (the
// main window's steps) stays as it is: the order is read page by page (KeyOrder), the first
// screenful at once, and a row whose place is not known yet shows empty until it is.
class WordGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Lst, BM, Word, Meaning, Usage, ColumnCount };
    enum Role { FullTextRole = Qt::UserRole };

    explicit WordGridModel(DataSource* source, QObject* parent = nullptr);
    ~WordGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The model row of the current word, or -1 when there is none (BOF, EOF, no rows) or its
    // place in the order is not known yet.
    int currentRow() const;
    // The 1-based position in the selection of the word at a model row; 0 while not known.
    int positionAt(int row) const;

    static bool canSortBy(int column);
    // Orders the rows by a column that can be sorted by, or back to the selection's order for
    // -1 (or a column that cannot).
    void sortBy(int column, Qt::SortOrder order);
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

signals:
    // The current word changed in the data source, whoever moved it, or its row became known.
    void currentRowChanged(int row);
    // How much of the order is known; 100 once it all is.
    void sortProgress(int percent);

private:
    Recordset* recordset() const;
    void rowsReset();
    void currentMoved();
    void startOrder();
    void rowsKnown(qsizetype from, qsizetype to);

    QPointer<DataSource> source_;
    int rows_ = 0;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    std::unique_ptr<KeyOrder> order_;
};
