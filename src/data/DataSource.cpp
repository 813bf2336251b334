#include "DataSource.h"

#include "Database.h"
#include "Recordset.h"

DataSource::DataSource(QString connectionString, QObject* parent)
    : QObject(parent), connectionString_(std::move(connectionString)) {}

DataSource::~DataSource() = default;

std::shared_ptr<Connection> DataSource::connection() {
    if (!connection_)
        connection_ = Connection::open(connectionString_);
    return connection_;
}

void DataSource::refresh() {
    try {
        attach(Recordset::open(connection(), recordSource_));
    } catch (...) {
        if (recordset_)
            recordSource_ = recordset_->source();
        throw;
    }
}

void DataSource::setRecordset(std::shared_ptr<Recordset> recordset) {
    if (recordset)
        recordSource_ = recordset->source();
    attach(std::move(recordset));
}

void DataSource::attach(std::shared_ptr<Recordset> recordset) {
    if (recordset_)
        disconnect(recordset_.get(), nullptr, this, nullptr);
    recordset_ = std::move(recordset);
    if (recordset_) {
        connect(recordset_.get(), &Recordset::currentChanged, this, &DataSource::currentChanged);
        connect(recordset_.get(), &Recordset::rowsChanged, this, &DataSource::rowsChanged);
    }
    emit rowsChanged();
    emit currentChanged();
}
