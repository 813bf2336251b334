#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

// Makes a new encrypted word database: the shipped one from the CSV tables, and the small
// ones the tests and benchmarks need.
namespace WordDatabaseBuilder {

struct WordRow {
    QString name;
    QString meaning;
    QString example;
    int groupid = 1;
    bool bookmark = false;
    bool doublebm = false;
    bool highfw = false;
    QString specialwl;
    // Study columns start clear in shipped data; fixtures may set them.
    bool sessionbm = false;
    int readcount = 0;
    QDate lastread;
};

// The columns of the shipped CSV tables, in order.
inline const char* const CsvHeader =
    "name,meaning,example,groupid,bookmark,doublebm,highfw,specialwl";

// Reads rows from a shipped CSV table; sets error and returns nothing on a malformed file.
std::vector<WordRow> rowsFromCsv(const QByteArray& csv, QString* error);

// Writes a fresh database at path (replacing any file there), keyed with the program's
// database password, at the current schema version. Throws DbError.
// contentVersion: which shipped word list the tables are (share/CONTENT_VERSION).
void create(const QString& path, const std::vector<WordRow>& words,
            const std::vector<WordRow>& spwl, int contentVersion = 1);

} // namespace WordDatabaseBuilder
