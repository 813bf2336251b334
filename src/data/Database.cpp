#include "Database.h"

#include "DbError.h"
#include "LikePattern.h"
#include "SchemaUpgrade.h"
#include "SqlTranslator.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <mutex>

#include <openssl/evp.h>

#include <time.h>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

CoarseClock::time_point CoarseClock::now() noexcept {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
}

QByteArray databaseKey() {
    return QByteArrayLiteral("mirtholeandraxep");
}

ConnectionSettings ConnectionSettings::parse(const QString& connectionString) {
    ConnectionSettings s;
    const auto parts = connectionString.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = part.left(eq).trimmed();
        const QString value = part.mid(eq + 1).trimmed();
        if (key.compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            s.dataSource = value;
        else if (key.endsWith(QLatin1String("Database Password"), Qt::CaseInsensitive))
            s.password = value;
        else if (key.compare(QLatin1String("Mode"), Qt::CaseInsensitive) == 0)
            s.readOnly = !value.contains(QLatin1String("Write"), Qt::CaseInsensitive);
    }
    return s;
}

namespace {

QHash<QString, std::weak_ptr<Connection>>& pool() {
    static QHash<QString, std::weak_ptr<Connection>> connections;
    return connections;
}

// Start-up may open the file on a second thread while the windows are built; whoever comes
// second waits here and gets the same handle instead of deriving the key again.
std::mutex& poolLock() {
    static std::mutex lock;
    return lock;
}

// ---- keys ----
//
// Opening a file derives its key from the password with 64,000 rounds of PBKDF2 (SQLCipher 3's
// own setting), 45 to 55 ms at every start. The program can ask for the key derived for each
// file to be kept (Connection::rememberKeysIn), by the file's salt (its first 16 bytes, chosen
// when the file was made), and then opens the file with that key itself. Nothing is weakened:
// the file is encrypted as before, with the same key; the password every copy of the program
// carries opens it anyway, so a kept key adds no way in, and the list is the learner's alone
// (0600 in a 0700 folder). A kept key that no longer opens its file is dropped for the password.
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;
constexpr int kKdfRounds = 64000;
constexpr int kKeysKept = 8;
constexpr qint64 kWholeFileCache = 64 << 20;
// Stored for a salt whose derived key did not open its file: this library keys otherwise, and
// deriving again at every start would only cost twice.
const QByteArray kPasswordOnly = QByteArrayLiteral("-");

QString& keyStorePath() {
    static QString path;
    return path;
}

QByteArray fileSalt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray salt = file.read(kSaltBytes);
    return salt.size() == kSaltBytes ? salt.toHex() : QByteArray();
}

// A kept key's name: its file's salt with the password it was derived from, so that another
// password still has to open the file on its own.
QByteArray keyName(const QByteArray& password, const QByteArray& saltHex) {
    return QCryptographicHash::hash(password + saltHex, QCryptographicHash::Sha256).toHex();
}

// Name to key, both in hex, the most recent first.
QList<std::pair<QByteArray, QByteArray>> keptKeys() {
    QList<std::pair<QByteArray, QByteArray>> keys;
    QFile file(keyStorePath());
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2 && parts[0].size() == 64 &&
            (parts[1].size() == 2 * kKeyBytes || parts[1] == kPasswordOnly))
            keys.append({parts[0], parts[1]});
    }
    return keys;
}

void keepKey(const QByteArray& name, const QByteArray& key) {
    QList<std::pair<QByteArray, QByteArray>> keys = keptKeys();
    keys.removeIf([&](const auto& entry) { return entry.first == name; });
    keys.prepend({name, key});
    QDir().mkpath(QFileInfo(keyStorePath()).absolutePath());
    QSaveFile file(keyStorePath());
    if (!file.open(QIODevice::WriteOnly))
        return; // only time is lost
    for (qsizetype i = 0; i < std::min<qsizetype>(keys.size(), kKeysKept); ++i)
        file.write(keys[i].first + ' ' + keys[i].second + '\n');
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    file.commit();
}

// The key SQLCipher 3 derives from a password for a file of this salt, in hex.
QByteArray deriveKey(const QByteArray& password, const QByteArray& saltHex) {
    const QByteArray salt = QByteArray::fromHex(saltHex);
    unsigned char key[kKeyBytes];
    if (PKCS5_PBKDF2_HMAC_SHA1(password.constData(), int(password.size()),
                               reinterpret_cast<const unsigned char*>(salt.constData()),
                               int(salt.size()), kKdfRounds, kKeyBytes, key) != 1)
        return {};
    return QByteArray(reinterpret_cast<const char*>(key), kKeyBytes).toHex().toUpper();
}

// Keys the handle and reads from it: the key is only tried by the first read, so a wrong one,
// or a file that is no database at all, shows up here rather than at some later step.
int keyAndProbe(sqlite3* db, const QByteArray& key, int* tables) {
    sqlite3_key(db, key.constData(), int(key.size()));
    sqlite3_busy_timeout(db, 2000);
    *tables = 0;
    return sqlite3_exec(
        db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'words'",
        [](void* out, int, char** values, char**) {
            *static_cast<int*>(out) = values[0] ? std::atoi(values[0]) : 0;
            return 0;
        },
        tables, nullptr);
}

DbError errorFor(int rc, const QString& message, const QString& path) {
    switch (rc & 0xff) {
    case SQLITE_CONSTRAINT:
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
            return DbError(DbErrorCode::Duplicate);
        return DbError(DbErrorCode::RequiredValue, message);
    case SQLITE_FULL:
        return DbError(DbErrorCode::DiskFull);
    case SQLITE_IOERR:
        return DbError(DbErrorCode::DiskError);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DbError(DbErrorCode::FileInUse, path);
    case SQLITE_READONLY:
        return DbError(DbErrorCode::ReadOnly);
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return DbError(DbErrorCode::CannotOpen, path);
    case SQLITE_NOTADB:
        return DbError(DbErrorCode::BadPassword, path);
    case SQLITE_CORRUPT:
        return DbError(DbErrorCode::BadFormat, path);
    case SQLITE_INTERRUPT:
        return DbError(DbErrorCode::TooComplex);
    case SQLITE_ERROR:
        return DbError(DbErrorCode::SyntaxError, message);
    default:
        return DbError(DbErrorCode::Other, message);
    }
}

} // namespace

namespace {
constexpr int kProgressInstructions = 1000;
} // namespace

Connection::WorkBudget::WorkBudget(const Connection& connection, qint64 instructions,
                                   std::chrono::microseconds time)
    : connection_(connection), outerLeft_(connection.workLeft_),
      outerSpent_(connection.budgetSpent_), outerUntil_(connection.workUntil_) {
    const auto until = std::chrono::steady_clock::now() + time;
    connection_.workLeft_ =
        outerLeft_ >= 0 ? std::min(outerLeft_, instructions) : std::max<qint64>(instructions, 0);
    connection_.workUntil_ = outerLeft_ >= 0 ? std::min(outerUntil_, until) : until;
    connection_.budgetSpent_ = false;
}

Connection::WorkBudget::~WorkBudget() {
    connection_.workLeft_ = outerLeft_;
    connection_.budgetSpent_ = outerSpent_;
    connection_.workUntil_ = outerUntil_;
}

void Connection::rememberKeysIn(const QString& path) {
    const std::lock_guard<std::mutex> guard(poolLock());
    keyStorePath() = path;
}

Connection::Connection(sqlite3* db, QString path, bool readOnly)
    : db_(db), path_(std::move(path)), readOnly_(readOnly) {}

void Connection::installTimeLimit() {
    // Between VM instructions: enough for every statement whose rows each cost little.
    sqlite3_progress_handler(
        db_, kProgressInstructions,
        [](void* self) {
            auto* connection = static_cast<Connection*>(self);
            if (connection->workLeft_ >= 0) {
                connection->workLeft_ -= kProgressInstructions;
                if (connection->workLeft_ < 0 ||
                    std::chrono::steady_clock::now() > connection->workUntil_) {
                    connection->budgetSpent_ = true;
                    return 1;
                }
            }
            return connection->pastDeadline() ? 1 : 0;
        },
        this);
    // Inside one row's pattern match, where the handler is not asked, the matcher asks itself.
    sqlite3_create_function_v2(
        db_, LikePattern::FunctionName, 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, this,
        [](sqlite3_context* context, int, sqlite3_value** args) {
            const auto* value = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
            const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(args[1]));
            if (!value || !pattern)
                return; // NULL, as LIKE gives
            const auto* self = static_cast<const Connection*>(sqlite3_user_data(context));
            switch (LikePattern::match(pattern, value, [self] { return self->pastDeadline(); })) {
            case LikePattern::Result::Match:
                sqlite3_result_int(context, 1);
                break;
            case LikePattern::Result::NoMatch:
                sqlite3_result_int(context, 0);
                break;
            case LikePattern::Result::Stopped:
                sqlite3_result_error_code(context, SQLITE_INTERRUPT);
                break;
            }
        },
        nullptr, nullptr, nullptr);
}

Connection::~Connection() {
    sqlite3_close_v2(db_);
}

namespace {

sqlite3* openHandle(const QString& path, bool readOnly) {
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const DbError error = errorFor(rc, QString::fromUtf8(sqlite3_errmsg(db)), path);
        sqlite3_close_v2(db);
        throw error;
    }
    sqlite3_extended_result_codes(db, 1);
    return db;
}

// Opens the file with the key kept from an earlier start, or derives the key and keeps it;
// a kept key that no longer opens the file gives way to the password.
sqlite3* openKeyed(const QFileInfo& info, bool readOnly, const QByteArray& password) {
    const QString path = info.absoluteFilePath();
    const QByteArray salt = keyStorePath().isEmpty() ? QByteArray() : fileSalt(path);
    const QByteArray name = salt.isEmpty() ? QByteArray() : keyName(password, salt);
    QByteArray rawKey;
    bool derived = false;
    if (!salt.isEmpty()) {
        const auto kept = keptKeys();
        const auto it = std::find_if(kept.begin(), kept.end(),
                                     [&](const auto& entry) { return entry.first == name; });
        if (it != kept.end())
            rawKey = it->second == kPasswordOnly ? QByteArray() : it->second;
        else
            derived = !(rawKey = deriveKey(password, salt)).isEmpty();
    }
    sqlite3* db = openHandle(path, readOnly);
    int tables = 0;
    int rc = keyAndProbe(db, rawKey.isEmpty() ? password : "x'" + rawKey + "'", &tables);
    if (rc == SQLITE_NOTADB && !rawKey.isEmpty()) {
        sqlite3_close_v2(db);
        db = openHandle(path, readOnly);
        rc = keyAndProbe(db, password, &tables);
        if (rc == SQLITE_OK)
            keepKey(name, kPasswordOnly);
        rawKey.clear();
        derived = false;
    }
    if (rc == SQLITE_NOTADB && (info.size() == 0 || info.size() % 1024 != 0))
        rc = SQLITE_CORRUPT; // a cut-off file, not a wrong password
    if (rc == SQLITE_OK && tables == 0)
        rc = SQLITE_CORRUPT; // an empty file opens as an empty database: no word list in it
    if (rc != SQLITE_OK) {
        const DbError error = errorFor(rc, QString::fromUtf8(sqlite3_errmsg(db)), path);
        sqlite3_close_v2(db);
        throw error;
    }
    if (derived)
        keepKey(name, rawKey);
    return db;
}

// What opening a writable file tells the learner: brought up to date (said once: the next
// start finds it so), or newer than this program or not upgradable (read, never written).
struct SchemaOutcome {
    QString notice;
    bool readOnly = false;
};

SchemaOutcome upgradeSchema(sqlite3* db, const QString& path) {
    const SchemaUpgrade::Result schema = SchemaUpgrade::upgrade(db, path);
    if (schema.kind == SchemaUpgrade::Result::Kind::Upgraded) {
        // The review plan is news only to a file from before it.
        const QString news = schema.version < 2
                                 ? QStringLiteral(": it can now plan your reviews (Due Words)")
                                 : QString();
        return {QStringLiteral("Verbaloom has brought your word database up to date%1. Every "
                               "word and mark is kept, and a copy of the file as it was is kept "
                               "as %2.")
                    .arg(news, QDir::toNativeSeparators(
                                   SchemaUpgrade::backupPath(path, schema.version))),
                false};
    }
    if (!schema.notice.isEmpty()) {
        sqlite3_exec(db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
        return {schema.notice, true};
    }
    return {};
}

} // namespace

std::shared_ptr<Connection> Connection::open(const QString& connectionString) {
    const ConnectionSettings settings = ConnectionSettings::parse(connectionString);
    const QFileInfo info(settings.dataSource);
    const QString path = info.absoluteFilePath();
    const QString key = path + QLatin1Char('\n') + (settings.readOnly ? u'r' : u'w') +
                        QLatin1Char('\n') + settings.password;
    const std::lock_guard<std::mutex> guard(poolLock());
    if (auto existing = pool().value(key).lock())
        return existing;

    if (settings.dataSource.isEmpty() || !info.exists() || !info.isFile())
        throw DbError(DbErrorCode::FileNotFound, path);

    sqlite3* db = openKeyed(info, settings.readOnly,
                            settings.password.isEmpty() ? databaseKey() : settings.password.toUtf8());
    // Every page read is decrypted. A file that fits in the cache is kept there whole once
    // read, so filters and counts do not pay that again at each keystroke. A larger one could
    // not be held anyway (a scan of it pushes out its own pages), so it gets a small cache and
    // the memory stays free.
    sqlite3_exec(db,
                 info.size() <= kWholeFileCache ? "PRAGMA cache_size = -65536"
                                                : "PRAGMA cache_size = -8192",
                 nullptr, nullptr, nullptr);

    // A row a REPLACE deletes fires the delete triggers, which keep the count of words.
    sqlite3_exec(db, "PRAGMA recursive_triggers = ON", nullptr, nullptr, nullptr);

    auto conn = std::shared_ptr<Connection>(new Connection(db, path, settings.readOnly));
    conn->installTimeLimit();
    if (!settings.readOnly) {
        const SchemaOutcome outcome = upgradeSchema(db, path);
        conn->notice_ = outcome.notice;
        conn->readOnly_ = conn->readOnly_ || outcome.readOnly;
    }
    pool().insert(key, conn);
    return conn;
}

std::future<std::shared_ptr<Connection>>
Connection::openInBackground(const QString& connectionString) {
    return std::async(std::launch::async, [connectionString]() -> std::shared_ptr<Connection> {
        try {
            return open(connectionString);
        } catch (const DbError&) {
            return nullptr;
        }
    });
}

int Connection::changes() const {
    return sqlite3_changes(db_);
}

void Connection::raise(int rc) const {
    throw errorFor(rc, QString::fromUtf8(sqlite3_errmsg(db_)), path_);
}

Statement Connection::prepare(const QString& sql) const {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &stmt, &tail);
    if (rc != SQLITE_OK)
        raise(rc);
    Statement statement(this, stmt);
    if (tail && QByteArray(tail).trimmed().size() > 0)
        throw DbError(DbErrorCode::SyntaxError,
                      QStringLiteral("Characters found after end of SQL statement."));
    return statement;
}

int Connection::execute(const QString& statementText) {
    Statement statement = prepare(SqlTranslator::translateStatement(statementText));
    statement.step();
    if (!statement.readOnly())
        noteWrite();
    return sqlite3_changes(db_);
}

Statement::~Statement() {
    if (stmt_)
        sqlite3_finalize(stmt_);
}

void Statement::bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(stmt_, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt_, index, value.toDouble());
            break;
        case QMetaType::QDate: {
            const QByteArray iso = value.toDate().toString(Qt::ISODate).toUtf8();
            rc =
                sqlite3_bind_text(stmt_, index, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt_, index, text.constData(), int(text.size()),
                                   SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        conn_->raise(rc);
}

bool Statement::step() {
    // The limit counts only time inside SQLite, so a caller that works between rows (a
    // report, a pool of words) is not charged for it.
    const auto start = Connection::Clock::now();
    const auto outer = conn_->deadline_;
    const auto left = Connection::Clock::duration(Connection::StatementTimeLimit) - spent_;
    conn_->deadline_ = std::min(outer, start + left);
    const int rc = sqlite3_step(stmt_);
    conn_->deadline_ = outer;
    spent_ += Connection::Clock::now() - start;
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    conn_->raise(rc);
}

void Statement::reset() {
    spent_ = {};
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

QString Statement::columnName(int i) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, i));
}

qint64 Statement::int64(int i) const {
    return sqlite3_column_int64(stmt_, i);
}

bool Statement::readOnly() const {
    return sqlite3_stmt_readonly(stmt_) != 0;
}

QVariant Statement::value(int i) const {
    const int type = sqlite3_column_type(stmt_, i);
    if (type == SQLITE_NULL)
        return {};
    const char* declared = sqlite3_column_decltype(stmt_, i);
    const QByteArray decl = declared ? QByteArray(declared).toUpper() : QByteArray();
    if (decl == "BOOLEAN")
        return QVariant(sqlite3_column_int64(stmt_, i) != 0);
    if (decl == "DATE") {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
        const QDate d = QDate::fromString(QString::fromUtf8(text), Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    switch (type) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt_, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, i));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt_, i)));
    }
    }
}

QString WordSchema::createStatements() {
    // Yes/no columns hold 0 or 1 and dates ISO text; the declared types BOOLEAN and DATE
    // tell the layer how to hand the values back.
    const QString columns =
        QStringLiteral("id INTEGER PRIMARY KEY,"
                       " name TEXT NOT NULL COLLATE NOCASE%1,"
                       " meaning TEXT,"
                       " example TEXT,"
                       " bookmark BOOLEAN NOT NULL DEFAULT 0 CHECK (bookmark IN (0, 1)),"
                       " doublebm BOOLEAN NOT NULL DEFAULT 0 CHECK (doublebm IN (0, 1)),"
                       " sessionbm BOOLEAN NOT NULL DEFAULT 0 CHECK (sessionbm IN (0, 1)),"
                       " readcount INTEGER NOT NULL DEFAULT 0,"
                       " lastread DATE CHECK (lastread IS NULL OR lastread GLOB"
                       " '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),"
                       " groupid INTEGER,"
                       " specialwl TEXT,"
                       " highfw BOOLEAN NOT NULL DEFAULT 0 CHECK (highfw IN (0, 1))");
    return QStringLiteral("CREATE TABLE words (%1);\n"
                          "CREATE TABLE spwl (%2);\n"
                          "CREATE INDEX spwl_name ON spwl (name);\n"
                          "CREATE INDEX spwl_specialwl ON spwl (specialwl);\n")
        .arg(columns.arg(QStringLiteral(" UNIQUE")), columns.arg(QString()));
}
