// Feeds arbitrary text to the statement and filter translator: it must refuse or translate,
// never crash, and whatever it lets through must prepare, in SQLite itself, as exactly one
// read-only statement.
#include "data/Database.h"
#include "data/DbError.h"
#include "data/SqlTranslator.h"

#include <cstdint>
#include <cstdlib>
#include <QString>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {

sqlite3* schemaDb() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        sqlite3_exec(d, WordSchema::createStatements().toUtf8().constData(), nullptr, nullptr,
                     nullptr);
        return d;
    }();
    return db;
}

// A translation that SQLite cannot prepare is only refused later; one that prepares must be
// a single query.
void mustBeOneQuery(const QString& sql) {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(schemaDb(), utf8.constData(), int(utf8.size()), &stmt, &tail) !=
        SQLITE_OK)
        return;
    const bool oneQuery =
        sqlite3_stmt_readonly(stmt) && tail && QByteArray(tail).trimmed().isEmpty();
    sqlite3_finalize(stmt);
    if (!oneQuery)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const SqlTranslator::Source s = SqlTranslator::translateSource(text);
        if (!SqlTranslator::isTable(s.table))
            std::abort();
        mustBeOneQuery(QStringLiteral("SELECT id FROM (%1) ORDER BY id").arg(s.sql));
    } catch (const DbError&) {
    }
    try {
        mustBeOneQuery(QStringLiteral("SELECT id FROM words WHERE (%1) ORDER BY id")
                           .arg(SqlTranslator::translateCondition(text)));
    } catch (const DbError&) {
    }
    try {
        SqlTranslator::translateStatement(text);
    } catch (const DbError&) {
    }
    return 0;
}
