#include "WordDatabaseBuilder.h"

#include "Csv.h"
#include "Database.h"
#include "DbError.h"
#include "SchemaUpgrade.h"

#include <QFile>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace WordDatabaseBuilder {

std::vector<WordRow> rowsFromCsv(const QByteArray& csv, QString* error) {
    QString parseError;
    const QList<QStringList> records = Csv::parse(csv, &parseError);
    if (!parseError.isEmpty()) {
        *error = parseError;
        return {};
    }
    if (records.isEmpty() || records.first().join(u',') != QLatin1String(CsvHeader)) {
        *error = QStringLiteral("the first line must be: %1").arg(QLatin1String(CsvHeader));
        return {};
    }
    std::vector<WordRow> rows;
    for (qsizetype i = 1; i < records.size(); ++i) {
        const QStringList& r = records.at(i);
        if (r.size() == 1 && r.first().isEmpty())
            continue;
        if (r.size() != 8) {
            *error = QStringLiteral("record %1 has %2 fields, not 8").arg(i + 1).arg(r.size());
            return {};
        }
        bool ok = true;
        auto flag = [&](const QString& v) {
            if (v != QLatin1String("0") && v != QLatin1String("1"))
                ok = false;
            return v == QLatin1String("1");
        };
        WordRow row;
        row.name = r[0];
        row.meaning = r[1];
        row.example = r[2];
        bool groupOk = false;
        row.groupid = r[3].toInt(&groupOk);
        row.bookmark = flag(r[4]);
        row.doublebm = flag(r[5]);
        row.highfw = flag(r[6]);
        row.specialwl = r[7];
        if (!ok || !groupOk || row.name.isEmpty()) {
            *error = QStringLiteral("record %1 has a bad name, number or flag").arg(i + 1);
            return {};
        }
        rows.push_back(row);
    }
    error->clear();
    return rows;
}

namespace {

void check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw DbError(DbErrorCode::Other, QString::fromUtf8(sqlite3_errmsg(db)));
}

void insertAll(sqlite3* db, const char* table, const std::vector<WordRow>& rows) {
    const QByteArray sql =
        QByteArray("INSERT INTO ") + table +
        " (name, meaning, example, groupid, bookmark, doublebm, highfw, specialwl,"
        " sessionbm, readcount, lastread) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
    sqlite3_stmt* stmt = nullptr;
    check(db, sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr));
    auto text = [&](int i, const QString& s, bool nullWhenEmpty) {
        if (nullWhenEmpty && s.isEmpty()) {
            sqlite3_bind_null(stmt, i);
            return;
        }
        const QByteArray u = s.toUtf8();
        sqlite3_bind_text(stmt, i, u.constData(), int(u.size()), SQLITE_TRANSIENT);
    };
    for (const WordRow& row : rows) {
        text(1, row.name, false);
        text(2, row.meaning, false);
        text(3, row.example, false);
        sqlite3_bind_int(stmt, 4, row.groupid);
        sqlite3_bind_int(stmt, 5, row.bookmark);
        sqlite3_bind_int(stmt, 6, row.doublebm);
        sqlite3_bind_int(stmt, 7, row.highfw);
        text(8, row.specialwl, true);
        sqlite3_bind_int(stmt, 9, row.sessionbm);
        sqlite3_bind_int(stmt, 10, row.readcount);
        text(11, row.lastread.isValid() ? row.lastread.toString(Qt::ISODate) : QString(), true);
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_DONE) {
            const QString why = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_finalize(stmt);
            throw DbError(DbErrorCode::Other, QStringLiteral("%1: %2").arg(row.name, why));
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
}

} // namespace

void create(const QString& path, const std::vector<WordRow>& words,
            const std::vector<WordRow>& spwl, int contentVersion) {
    // Built beside the target and renamed over it, so a failed build leaves no half file.
    const QString temp = path + QStringLiteral(".part");
    QFile::remove(temp);
    sqlite3* db = nullptr;
    const QByteArray native = QFile::encodeName(temp);
    if (sqlite3_open_v2(native.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw DbError(DbErrorCode::CannotOpen, why);
    }
    try {
        const QByteArray password = databaseKey();
        check(db, sqlite3_key(db, password.constData(), int(password.size())));
        const QByteArray schema = WordSchema::createStatements().toUtf8();
        check(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));
        check(db, sqlite3_exec(db, schema.constData(), nullptr, nullptr, nullptr));
        // A new file takes the same steps as an old one and records the version it reached.
        SchemaUpgrade::applySteps(db, 0);
        insertAll(db, "words", words);
        insertAll(db, "spwl", spwl);
        const QByteArray version =
            QStringLiteral("INSERT INTO content_info (key, value) VALUES ('version', '%1')")
                .arg(contentVersion)
                .toUtf8();
        check(db, sqlite3_exec(db, version.constData(), nullptr, nullptr, nullptr));
        check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(temp);
        throw;
    }
    sqlite3_close(db);
    QFile::remove(path);
    if (!QFile::rename(temp, path))
        throw DbError(DbErrorCode::Other, QStringLiteral("Could not write %1").arg(path));
}

} // namespace WordDatabaseBuilder
