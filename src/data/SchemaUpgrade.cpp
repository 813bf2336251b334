#include "SchemaUpgrade.h"

#include "DbError.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace SchemaUpgrade {

namespace {

int userVersion(sqlite3* db) {
    int version = 0;
    sqlite3_exec(
        db, "PRAGMA user_version",
        [](void* out, int, char** values, char**) {
            *static_cast<int*>(out) = values[0] ? std::atoi(values[0]) : 0;
            return 0;
        },
        &version, nullptr);
    return version;
}

void exec(sqlite3* db, const QByteArray& sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        return;
    const QString why =
        message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_free(message);
    if ((rc & 0xff) == SQLITE_FULL)
        throw DbError(DbErrorCode::DiskFull);
    throw DbError(DbErrorCode::Other, why);
}

} // namespace

void keepCopy(const QString& path, const QString& target) {
    if (QFileInfo::exists(target))
        return;
    const auto failed = [&](const QString& why) {
        return DbError(DbErrorCode::Other,
                       QStringLiteral("its copy %1 could not be written: %2").arg(target, why));
    };
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        throw failed(source.errorString());
    QFile copy(target);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner))
        throw failed(copy.errorString());
    bool written = true;
    while (written && !source.atEnd()) {
        const QByteArray block = source.read(1 << 20);
        written = !block.isEmpty() && copy.write(block) == block.size();
    }
    written = written && copy.flush() && ::fsync(copy.handle()) == 0;
    if (!written) {
        const DbError error = failed(copy.errorString());
        copy.remove();
        throw error;
    }
}

namespace {

void keepBackup(const QString& path, int version) {
    keepCopy(path, backupPath(path, version));
}

QString newerNotice(const QString& path) {
    return QStringLiteral(
               "Your word database %1 was made by a newer version of Verbaloom. It is open "
               "for reading only: nothing you study now will be saved. Install the newer "
               "Verbaloom to go on with your progress.")
        .arg(path);
}

QString failedNotice(const QString& path, const QString& why) {
    return QStringLiteral("Verbaloom could not bring your word database %1 up to date (%2). "
                          "It is open for reading only: nothing you study now will be saved. "
                          "The file is as it was.")
        .arg(path, why);
}

} // namespace

QString backupPath(const QString& path, int version) {
    return path + QStringLiteral(".backup-v%1").arg(version);
}

void applySteps(sqlite3* db, int from, const char* const* steps, int count) {
    for (int v = from; v < count; ++v)
        exec(db, steps[v]);
    exec(db, QByteArray("PRAGMA user_version = ") + QByteArray::number(count));
}

Result upgrade(sqlite3* db, const QString& path, const char* const* steps, int count) {
    Result result;
    result.version = userVersion(db);
    if (result.version == count)
        return result;
    if (result.version > count) {
        result.kind = Result::Kind::Newer;
        result.notice = newerNotice(path);
        return result;
    }
    try {
        // Held from before the copy to the commit, so no other writer comes in between and
        // the copy is the file the steps start from.
        exec(db, "BEGIN IMMEDIATE");
        try {
            keepBackup(path, result.version);
            applySteps(db, result.version, steps, count);
            exec(db, "COMMIT");
        } catch (...) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    } catch (const DbError& e) {
        result.kind = Result::Kind::Failed;
        result.notice = failedNotice(path, e.description());
        return result;
    }
    result.kind = Result::Kind::Upgraded;
    return result;
}

} // namespace SchemaUpgrade
