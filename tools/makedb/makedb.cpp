// Turns the shipped word tables (CSV) into the encrypted word database.
#include "data/DbError.h"
#include "data/WordDatabaseBuilder.h"

#include <cstdio>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

namespace {
std::vector<WordDatabaseBuilder::WordRow> readTable(const QString& path, bool* ok) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "makedb: cannot read %s\n", qPrintable(path));
        *ok = false;
        return {};
    }
    QString error;
    auto rows = WordDatabaseBuilder::rowsFromCsv(file.readAll(), &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "makedb: %s: %s\n", qPrintable(path), qPrintable(error));
        *ok = false;
    }
    return rows;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Makes the encrypted word database from CSV tables.");
    parser.addHelpOption();
    parser.addOption({"out", "Database file to write.", "file"});
    parser.addOption({"words", "CSV table of the main word list.", "file"});
    parser.addOption({"spwl", "CSV table of the special word list.", "file"});
    parser.addOption({"content-version", "Which shipped word list these tables are.", "n", "1"});
    parser.process(app);
    if (!parser.isSet("out") || !parser.isSet("words") || !parser.isSet("spwl"))
        parser.showHelp(2);

    bool ok = true;
    const auto words = readTable(parser.value("words"), &ok);
    const auto spwl = readTable(parser.value("spwl"), &ok);
    if (!ok)
        return 1;
    try {
        WordDatabaseBuilder::create(parser.value("out"), words, spwl,
                                    parser.value("content-version").toInt());
    } catch (const DbError& e) {
        std::fprintf(stderr, "makedb: %s\n", qPrintable(e.description()));
        return 1;
    }
    std::printf("makedb: %zu words, %zu special words\n", words.size(), spwl.size());
    return 0;
}
