// Feeds arbitrary text to the statement and filter translator: it must refuse or translate,
// never crash; whatever it lets through must prepare, in SQLite itself, as exactly one
// read-only statement; and running it over a small word database, long words included, must
// end within the time bound the program sets, so a pattern that explodes is found here too.
#include "data/Database.h"
#include "data/DbError.h"
#include "data/SqlTranslator.h"
#include "data/WordDatabaseBuilder.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {

// Long runs of one letter are what backtracking patterns feed on.
std::vector<WordDatabaseBuilder::WordRow> words() {
    std::vector<WordDatabaseBuilder::WordRow> rows(4);
    rows[0].name = QStringLiteral("abase");
    rows[0].meaning = QStringLiteral("to lower in rank");
    rows[1].name = QString(2000, u'a') + u'b';
    rows[1].meaning = QString(2000, u'e') + u'q';
    rows[2].name = QStringLiteral("caf\u00e9");
    rows[2].example = QString(1000, u'%') + QString(1000, u'_');
    rows[3].name = QStringLiteral("o'clock");
    rows[3].specialwl = QStringLiteral("Time");
    return rows;
}

Connection& database() {
    static const std::shared_ptr<Connection> connection = [] {
        const QString path = QDir::temp().filePath(
            QStringLiteral("fuzz_sql-%1.db").arg(QCoreApplication::applicationPid()));
        WordDatabaseBuilder::create(path, words(), words());
        auto conn = Connection::open(
            QStringLiteral("Data Source=%1;Mode=Read").arg(path));
        QFile::remove(path); // the open handle keeps it for the run
        return conn;
    }();
    return *connection;
}

// A translation that SQLite cannot prepare is only refused later; one that prepares must be
// a single query, and must finish or be stopped in time.
void mustBeOneBoundedQuery(const QString& sql) {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(database().handle(), utf8.constData(), int(utf8.size()), &raw, &tail) !=
        SQLITE_OK)
        return;
    const bool oneQuery =
        sqlite3_stmt_readonly(raw) && tail && QByteArray(tail).trimmed().isEmpty();
    sqlite3_finalize(raw);
    if (!oneQuery)
        std::abort();

    const auto start = std::chrono::steady_clock::now();
    try {
        Statement statement = database().prepare(sql);
        while (statement.step()) {
        }
    } catch (const DbError&) {
        // Refused when run, or stopped at the time bound: both are answers in time.
    }
    if (std::chrono::steady_clock::now() - start > 2 * Connection::StatementTimeLimit)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const SqlTranslator::Source s = SqlTranslator::translateSource(text);
        if (!SqlTranslator::isTable(s.table))
            std::abort();
        mustBeOneBoundedQuery(QStringLiteral("SELECT id FROM (%1) ORDER BY id").arg(s.sql));
    } catch (const DbError&) {
    }
    try {
        mustBeOneBoundedQuery(QStringLiteral("SELECT id FROM words WHERE (%1) ORDER BY id")
                                  .arg(SqlTranslator::translateCondition(text)));
    } catch (const DbError&) {
    }
    try {
        SqlTranslator::translateStatement(text);
    } catch (const DbError&) {
    }
    return 0;
}
