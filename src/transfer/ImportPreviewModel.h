#pragma once

#include "transfer/WordListImport.h"

#include <QAbstractTableModel>
#include <QColor>

// The import preview's table: the first rows of the file as they will be stored, each with
// its line and what will become of it. The rows are those the look at the file kept (a few
// hundred at most); the table asks for a row's texts only when it shows it.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Line, Status, Word, Meaning, Example, Lesson, ColumnCount };

    explicit ImportPreviewModel(QObject* parent = nullptr);

    void setRows(const QList<WordListImport::PlannedRow>& rows, bool updateExisting,
                 bool showLessons);
    // The text colour of a refused row; the window gives the one of the appearance in force.
    void setRefusedColour(const QColor& colour) { refusedColour_ = colour; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // What the status column says of a row.
    static QString statusText(const WordListImport::PlannedRow& row, bool updateExisting);

private:
    QList<WordListImport::PlannedRow> rows_;
    bool updateExisting_ = false;
    bool showLessons_ = false;
    QColor refusedColour_{0xa0, 0x10, 0x10};
};
