#pragma once

#include <QAbstractTableModel>
#include <QPointer>

class DataSource;
class Recordset;

// The list view's table over the main data source: one row per word of the refined
// selection, in its order. It holds no rows of its own; a row's values are read from the
// result set when the view asks for them, so only the rows on screen are ever fetched.
// A cell shows its text on one line; the tool tip of a meaning or a usage and FullTextRole
// give the whole text with its line breaks.
class WordGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Lst, BM, Word, Meaning, Usage, ColumnCount };
    enum Role { FullTextRole = Qt::UserRole };

    explicit WordGridModel(DataSource* source, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The model row of the current word, or -1 when there is none (BOF, EOF, no rows).
    int currentRow() const;

signals:
    // The current word changed in the data source, whoever moved it.
    void currentRowChanged(int row);

private:
    Recordset* recordset() const;
    void rowsReset();
    void currentMoved();

    QPointer<DataSource> source_;
    int rows_ = 0;
};
