#pragma once

#include <memory>
#include <QObject>
#include <QString>

class Connection;
class Recordset;

// A data source the windows bind to: a connection string, a record source text and the
// result set it gives. It tells its widgets when the current row or the rows change, and it
// can take back a result set that was kept aside, with its position and filter.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QString connectionString, QObject* parent = nullptr);
    ~DataSource() override;

    const QString& connectionString() const { return connectionString_; }
    const QString& recordSource() const { return recordSource_; }
    void setRecordSource(const QString& text) { recordSource_ = text; }

    // Re-runs the record source; the new rows stand on their first row. When the source
    // fails, the rows shown before stay, and so does their source text.
    void refresh();

    const std::shared_ptr<Recordset>& recordset() const { return recordset_; }
    // Gives back a result set kept aside (its source text comes with it).
    void setRecordset(std::shared_ptr<Recordset> recordset);

    std::shared_ptr<Connection> connection();

signals:
    void currentChanged();
    void rowsChanged();
    // Of the result set's filter worked out in steps (Recordset::filterInSteps).
    void filterProgress(int percent);
    void filterFinished();

private:
    void attach(std::shared_ptr<Recordset> recordset);

    QString connectionString_;
    QString recordSource_;
    std::shared_ptr<Connection> connection_;
    std::shared_ptr<Recordset> recordset_;
};
