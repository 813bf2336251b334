// Writes a synthetic word database of a given size, the rows the window benchmarks use, with
// the shipped special word list beside them, for timing the whole program on more words than
// it ships with. Usage: make_synthetic_db WORDS OUT [SPWL.csv]
#include "data/DbError.h"
#include "SyntheticDb.h"

#include <cstdio>
#include <QCoreApplication>
#include <QFile>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const int words = args.size() >= 3 ? args[1].toInt(&ok) : 0;
    if (!ok || words <= 0 || args.size() > 4) {
        std::fprintf(stderr, "usage: make_synthetic_db WORDS OUT [SPWL.csv]\n");
        return 2;
    }
    std::vector<WordDatabaseBuilder::WordRow> spwl;
    if (args.size() == 4) {
        QFile file(args[3]);
        QString error;
        if (file.open(QIODevice::ReadOnly))
            spwl = WordDatabaseBuilder::rowsFromCsv(file.readAll(), &error);
        else
            error = QStringLiteral("cannot read it");
        if (!error.isEmpty()) {
            std::fprintf(stderr, "make_synthetic_db: %s: %s\n", qPrintable(args[3]),
                         qPrintable(error));
            return 1;
        }
    }
    try {
        WordDatabaseBuilder::create(args[2], syntheticWords(words), spwl);
    } catch (const DbError& e) {
        std::fprintf(stderr, "make_synthetic_db: %s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
