#pragma once

#include <functional>
#include <memory>
#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <vector>

class Connection;

// The ordered rows of one source, with a current position and an optional filter.
//
// Positions follow the program's long-standing model: BOF before the first row, rows 1..n,
// EOF after the last; moving on from BOF or EOF fails with error 3021. Only the row keys
// are held; a row's values are read when it is shown, so opening stays quick at any size.
// Rows come in table order.
class Recordset : public QObject {
    Q_OBJECT
public:
    static constexpr int PosBOF = -2;
    static constexpr int PosEOF = -3;

    static std::shared_ptr<Recordset> open(std::shared_ptr<Connection> connection,
                                           const QString& sourceText);

    const QString& source() const { return source_; }
    const QString& table() const { return table_; }
    const std::shared_ptr<Connection>& connection() const { return conn_; }

    int recordCount() const { return int(visible_.size()); }
    // 1-based position, or PosBOF / PosEOF when there is no current row.
    int absolutePosition() const;
    bool bof() const { return visible_.empty() || pos_ <= 0; }
    bool eof() const { return visible_.empty() || pos_ > recordCount(); }
    bool hasCurrent() const { return !bof() && !eof(); }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void move(int rows);
    // Goes to a 1-based position directly (no 3021 rules); used by views that show rows.
    void moveTo(int position);

    // Finds the first row at or after the current one that meets the criterion; when none
    // does, the position is past the end.
    void find(const QString& criterion);

    // Narrows the open rows; an empty text removes the filter. A text the database refuses
    // raises an error and leaves the filter in force as it was.
    void setFilter(const QString& filter);
    const QString& filter() const { return filter_; }

    QVariant value(const QString& column) const; // of the current row
    // Reads the given columns of every row in order with one statement, for rules that look
    // at the whole selection; fn gets each row's 1-based position and values.
    void forEachRow(const QStringList& columns,
                    const std::function<void(int position, const QVariantList& values)>& fn) const;
    QVariant valueAt(int position, const QString& column) const;
    qint64 currentId() const;
    // The key of the row at a 1-based position (1..recordCount()).
    qint64 idAt(int position) const;
    // The 1-based position of a row, or 0 when it is not among the rows.
    int positionOf(qint64 id) const;
    // The rows' keys in position order.
    QList<qint64> keys() const;
    // The 1-based position of the first row that meets the criterion, or 0 when none does.
    int firstMatch(const QString& criterion) const;

    // Writes one field of the current row to the file at once.
    void setValue(const QString& column, const QVariant& value);
    // Appends a row, which becomes current. Columns left out take the table's defaults.
    void addNew(const QVariantMap& values);
    // A row appended to the table by someone else joins the set and becomes current.
    void includeNewRow(qint64 id);
    // Re-runs the source: filter cleared, first row current.
    void requery();

signals:
    void currentChanged(); // the current row moved or its values changed
    void rowsChanged();    // the rows or the filter changed

private:
    struct Row {
        quint64 version = 0;
        QVariantList values;
    };

    Recordset(std::shared_ptr<Connection> connection, QString source, QString table);
    void load();
    void setPosition(int pos);
    void requireCurrent() const;
    const Row& fetch(qint64 id) const;
    int columnIndex(const QString& column) const;

    std::shared_ptr<Connection> conn_;
    QString source_;
    QString table_;
    QString sql_;
    QString filter_;
    std::vector<qint64> open_;    // row keys of the source, ascending
    std::vector<qint64> visible_; // those passing the filter, ascending
    int pos_ = 0;                 // 0 = BOF, 1..n, n+1 = EOF
    QStringList columns_;
    mutable QHash<qint64, Row> cache_;
};
