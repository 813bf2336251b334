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
    if (recordset_) {
        // Rows put aside are not filtered further behind the learner's back.
        recordset_->cancelFilter();
        disconnect(recordset_.get(), nullptr, this, nullptr);
    }
    recordset_ = std::move(recordset);
    if (recordset_) {
        connect(recordset_.get(), &Recordset::currentChanged, this, &DataSource::currentChanged);
        connect(recordset_.get(), &Recordset::rowsChanged, this, &DataSource::rowsChanged);
        connect(recordset_.get(), &Recordset::filterProgress, this, &DataSource::filterProgress);
        connect(recordset_.get(), &Recordset::filterFinished, this, &DataSource::filterFinished);
    }
    emit rowsChanged();
    emit currentChanged();
}
