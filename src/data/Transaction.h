#pragma once

#include "Database.h"

// One learner action's writes: all of them reach the file, or none does. Begun at once
// (IMMEDIATE), so a second program on the file fails here and not halfway through; rolled
// back when it goes out of scope without commit(), whatever threw.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& connection_;
    bool open_ = false;
};
