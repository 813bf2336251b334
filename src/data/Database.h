#pragma once

#include <chrono>
#include <future>
#include <memory>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// The connection strings the program opens the word database with. They keep the form the
// program has always used; the layer reads Data Source and Mode from them. The key is not
// among them: it lives in one place, databaseKey(), and a string names its own only to open
// a file keyed otherwise.
namespace ConnectionStrings {
inline const QString ReadWrite = QStringLiteral(
    "Provider=SQLCipher;Data Source=dbnk.db;Mode=Read|Write;Persist Security Info=False");
inline const QString Shared = QStringLiteral(
    "Provider=SQLCipher;Data Source=dbnk.db;Mode=Read|Write|Share Deny None;"
    "Persist Security Info=False");
inline const QString ReadOnly = QStringLiteral(
    "Provider=SQLCipher;Data Source=dbnk.db;Mode=Read;Persist Security Info=False");
} // namespace ConnectionStrings

// The word database's key.
QByteArray databaseKey();

struct ConnectionSettings {
    QString dataSource; // as written; resolved against the current directory when opened
    QString password; // empty: databaseKey()
    bool readOnly = false;

    static ConnectionSettings parse(const QString& connectionString);
};

class Statement;

// The monotonic clock the statement time limit reads at every step: a few milliseconds'
// resolution is plenty against one second, and it costs a fraction of the precise clock.
struct CoarseClock {
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<CoarseClock>;
    static constexpr bool is_steady = true;
    static time_point now() noexcept;
};

// One open SQLCipher database. Opening derives the key, which is slow on purpose, so every
// connection string of one file and mode shares a single handle for the life of the process
// that uses it; several "connections" can be open at once, as the program expects.
class Connection {
public:
    // The most work any one statement may take, over all its steps. Past it the statement
    // stops with DbErrorCode::TooComplex: a pattern a learner typed must not freeze the program,
    // and hold the file locked for everyone, for minutes.
    static constexpr std::chrono::milliseconds StatementTimeLimit{1000};

    static std::shared_ptr<Connection> open(const QString& connectionString);
    // Opens the file on a thread of its own, so that deriving the key overlaps other start-up
    // work; the handle joins the shared ones. Hold the result until the program has opened the
    // same file itself. A failure is left for that later open to report.
    static std::future<std::shared_ptr<Connection>>
    openInBackground(const QString& connectionString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool readOnly() const { return readOnly_; }
    const QString& path() const { return path_; }
    // Why a read-write open gave a file for reading only (its schema is newer, or it could
    // not be upgraded); empty otherwise. Start-up shows it.
    const QString& notice() const { return notice_; }

    // Runs one statement of the program's own (translated first); returns rows changed.
    int execute(const QString& statementText);

    // Prepares SQL the layer composed itself from translated parts. Refuses more than
    // one statement.
    Statement prepare(const QString& sql) const;

    // Bumped by every write through this handle, so cached rows know they are stale.
    quint64 writeVersion() const { return writeVersion_; }
    void noteWrite() { ++writeVersion_; }

    // The error for a failed SQLite call on this handle.
    [[noreturn]] void raise(int rc) const;

    sqlite3* handle() const { return db_; }

private:
    friend class Statement;
    using Clock = CoarseClock;

    Connection(sqlite3* db, QString path, bool readOnly);
    void installTimeLimit();
    bool pastDeadline() const { return Clock::now() > deadline_; }

    sqlite3* db_;
    QString path_;
    bool readOnly_;
    QString notice_;
    quint64 writeVersion_ = 0;
    // When the statement stepping now must stop; none between steps.
    mutable Clock::time_point deadline_ = Clock::time_point::max();
};

// A prepared statement; finalised when it goes out of scope.
class Statement {
public:
    Statement(const Connection* conn, sqlite3_stmt* stmt) : conn_(conn), stmt_(stmt) {}
    Statement(Statement&& other) noexcept
        : conn_(other.conn_), stmt_(other.stmt_), spent_(other.spent_) {
        other.stmt_ = nullptr;
    }
    Statement& operator=(Statement&&) = delete;
    ~Statement();

    void bind(int index, const QVariant& value);
    bool step(); // true while a row is available; throws on failure
    void reset();
    int columnCount() const;
    QString columnName(int i) const;
    qint64 int64(int i) const;
    QVariant value(int i) const; // typed by the column's declared type
    bool readOnly() const;

private:
    const Connection* conn_;
    sqlite3_stmt* stmt_;
    CoarseClock::duration spent_{}; // inside sqlite3_step since prepare or reset
};

// The word tables' schema, used by the database tool and the test fixtures.
namespace WordSchema {
QString createStatements();
}
