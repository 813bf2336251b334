#pragma once

#include "views/ListView.h"

#include <QWidget>

class QLabel;
class QModelIndex;
class QTableView;
class StudySession;
class WordGridModel;
class WrappedRowsDelegate;

// The list view's grid: the refined selection, one row per word, bound to the session's own
// data source. Its current row follows the session's word; a row picked makes that word the
// session's. A row opened up (double-click, or Enter) shows its texts whole, wrapped to as
// many lines as they take; the same again folds it back to one line.
class WordGridPanel : public QWidget {
    Q_OBJECT
public:
    WordGridPanel(StudySession& session, QWidget* parent);

    QTableView* table() const { return table_; }
    // The column rule: Word, Meaning and Usage share what the window's width leaves.
    void fitColumns(const ListView::GridLayout& layout);
    void toggleRowWrap(int row);
    bool isRowWrapped(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTable();
    void followSession(int row);
    void rowPicked(const QModelIndex& current);
    int wrappedHeight(int row) const;
    void resizeWrappedRows();

    StudySession& session_;
    WordGridModel* model_;
    QLabel* caption_ = nullptr;
    QTableView* table_ = nullptr;
    WrappedRowsDelegate* delegate_ = nullptr;
    bool following_ = false;
};
