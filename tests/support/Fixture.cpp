#include "Fixture.h"

#include "app/Settings.h"

#include <cstdlib>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {
WordRow row(const char* name, int group, bool bm, bool dbm, bool session, int reads,
            const QDate& last, bool highfw = false, const char* special = "") {
    WordRow r;
    r.name = QString::fromUtf8(name);
    r.meaning = QStringLiteral("meaning of %1").arg(r.name);
    r.example = QStringLiteral("They used --- in a sentence about %1.").arg(group);
    r.groupid = group;
    r.bookmark = bm;
    r.doublebm = dbm;
    r.sessionbm = session;
    r.readcount = reads;
    r.lastread = last;
    r.highfw = highfw;
    r.specialwl = QString::fromUtf8(special);
    return r;
}
} // namespace

std::vector<WordRow> FixtureDb::defaultWords() {
    return {
        row("abase", 1, false, false, false, 0, {}),
        row("abate", 1, true, false, false, 2, QDate(2004, 3, 15)),
        row("abstruse", 2, true, true, false, 5, QDate(2004, 12, 31)),
        row("acerbic", 2, false, false, true, 1, QDate(2005, 1, 1), true),
        // Very Difficult without Difficult: only data the program did not write has it.
        row("Laconic", 3, false, true, false, 0, {}),
        row("obdurate", 4, true, false, true, 3, QDate(1980, 1, 1)),
        row("venal", 5, false, false, false, 4, QDate(2099, 1, 1), true),
        row("o'clock", 51, false, false, false, 0, {}),
    };
}

std::vector<WordRow> FixtureDb::defaultSpwl() {
    return {
        row("atheism", 20, false, false, false, 0, {}, false, "Religion"),
        row("dogma", 20, true, false, true, 1, QDate(2020, 5, 1), false, "Religion"),
        row("epoch", 26, false, false, false, 0, {}, false, "Time"),
        row("waltz", 4, false, false, false, 0, {}, false, "Dance"),
    };
}

std::vector<WordRow> FixtureDb::generatedWords(int n) {
    std::vector<WordRow> rows;
    rows.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const bool bm = i % 3 != 0;
        rows.push_back(
            row(QStringLiteral("w%1").arg(i, 5, 10, QLatin1Char('0')).toUtf8().constData(),
                1 + i % 50, bm, bm && i % 6 == 1, false, i % 7,
                i % 4 == 0 ? QDate() : QDate(2020, 1, 1).addDays(i % 1000), i % 12 == 0));
    }
    return rows;
}

FixtureDb::FixtureDb(const std::vector<WordRow>& words, const std::vector<WordRow>& spwl) {
    previousDir_ = QDir::currentPath();
    WordDatabaseBuilder::create(path(), words, spwl);
    QDir::setCurrent(dir_.path());
}

FixtureDb::~FixtureDb() {
    QDir::setCurrent(previousDir_);
}

QString FixtureDb::path() const {
    return dir_.path() + QStringLiteral("/dbnk.db");
}

namespace {
// Read and write, so that a journal left by a killed process is rolled back first, as the
// program itself would.
sqlite3* openDirect(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_key(db, "mirtholeandraxep", 16);
    return db;
}
} // namespace

QVariant FixtureDb::scalarAt(const QString& databasePath, const QString& sql) {
    sqlite3* db = openDirect(databasePath);
    sqlite3_stmt* stmt = nullptr;
    QVariant out;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        switch (sqlite3_column_type(stmt, 0)) {
        case SQLITE_NULL:
            break;
        case SQLITE_INTEGER:
            out = qint64(sqlite3_column_int64(stmt, 0));
            break;
        default:
            out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                                    sqlite3_column_bytes(stmt, 0));
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

QString FixtureDb::dump() const {
    sqlite3* db = openDirect(path());
    QStringList lines;
    for (const char* table : {"words", "spwl"}) {
        sqlite3_stmt* stmt = nullptr;
        const QByteArray sql = QByteArray("SELECT * FROM ") + table + " ORDER BY id";
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
            lines << QStringLiteral("%1: unreadable").arg(QLatin1String(table));
            continue;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList fields{QLatin1String(table)};
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                fields << (t ? QString::fromUtf8(t, sqlite3_column_bytes(stmt, i))
                             : QStringLiteral("<null>"));
            }
            lines << fields.join(u'|');
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return lines.join(u'\n');
}

namespace {
QStringList& testFolders() {
    static QStringList folders;
    return folders;
}
void removeTestFolders() {
    for (const QString& folder : testFolders())
        QDir(folder).removeRecursively();
}
} // namespace

void useTestSettings() {
    if (QCoreApplication::applicationName().isEmpty() ||
        QCoreApplication::applicationName() != QLatin1String("verbaloom"))
        QCoreApplication::setApplicationName(QStringLiteral("verbaloom"));
    static const bool isolated = [] {
        // Test programs run side by side: each keeps its settings in a folder of its own,
        // so that one test clearing its settings never changes what another one reads.
        QCoreApplication::setOrganizationName(
            QStringLiteral("verbaloom-test-%1").arg(QCoreApplication::applicationPid()));
        QStandardPaths::setTestModeEnabled(true);
        for (auto location : {QStandardPaths::AppConfigLocation, QStandardPaths::AppDataLocation,
                              QStandardPaths::CacheLocation}) {
            const QFileInfo org(QFileInfo(QStandardPaths::writableLocation(location)).path());
            if (org.fileName() == QCoreApplication::organizationName()) // never a shared one
                testFolders() << org.filePath();
        }
        std::atexit(removeTestFolders);
        return true;
    }();
    Q_UNUSED(isolated);
    // Window tests start without the modal tip of the day; tests of the tip clear this.
    AppSettings::SaveSetting(AppSettings::AppName, AppSettings::OptionsSection,
                             AppSettings::ShowTipsKey, QStringLiteral("0"));
}

QString writeTestFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
    return path;
}
