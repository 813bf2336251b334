#include "Transaction.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

Transaction::Transaction(Connection& connection) : connection_(connection) {
    const int rc = sqlite3_exec(connection_.handle(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        connection_.raise(rc);
    open_ = true;
}

Transaction::~Transaction() {
    if (open_)
        sqlite3_exec(connection_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    const int rc = sqlite3_exec(connection_.handle(), "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        connection_.raise(rc); // still open: the destructor rolls back
    open_ = false;
    connection_.noteWrite();
}
