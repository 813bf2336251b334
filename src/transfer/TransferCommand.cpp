#include "TransferCommand.h"

#include "app/Random.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/WordStore.h"
#include "transfer/WordListExport.h"
#include "transfer/WordListImport.h"

#include <QFileInfo>

namespace TransferCommand {

namespace {

void print(std::FILE* to, const QString& line) {
    std::fputs(line.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
}

int importFile(const QString& path, std::FILE* out, std::FILE* err) {
    QString error;
    const FileLayout layout = WordListFile::inspect(path, &error);
    if (!error.isEmpty()) {
        print(err, error);
        return 1;
    }
    WordStore store(Connection::open(ConnectionStrings::ReadWrite));
    // The refused rows are listed from the look at the file; the write skips the same rows.
    const WordListImport::Preview look = WordListImport::preview(path, layout, store);
    if (!look.error.isEmpty()) {
        print(err, look.error);
        return 1;
    }
    const WordListImport::Outcome outcome =
        WordListImport::importFile(store, path, layout, {}, Random::global());
    if (!outcome.error.isEmpty()) {
        print(err, outcome.error);
        return 1;
    }
    print(out, WordListImport::summary(outcome));
    for (const auto& row : look.refusals)
        print(err, WordListImport::refusalLine(row));
    if (look.refused > look.refusals.size())
        print(err, QStringLiteral("... and %1 more refused rows")
                       .arg(look.refused - look.refusals.size()));
    return outcome.counts.added + outcome.counts.updated > 0 ? 0 : 1;
}

int exportFile(const QString& path, std::FILE* out, std::FILE* err) {
    const auto format = WordListExport::formatOf(path);
    if (!format) {
        print(err, QStringLiteral("%1: the file name must end in .csv, .tsv or .kvtml")
                       .arg(QFileInfo(path).fileName()));
        return 2;
    }
    const auto rows = Recordset::open(Connection::open(ConnectionStrings::ReadOnly),
                                      QStringLiteral("select * from words"));
    QString error;
    if (!WordListExport::write(path, {*format, false, false}, *rows, &error)) {
        print(err, error);
        return 1;
    }
    print(out, QStringLiteral("Exported %1 words to %2")
                   .arg(rows->recordCount())
                   .arg(QFileInfo(path).fileName()));
    return 0;
}

} // namespace

bool wanted(const QStringList& arguments) {
    return arguments.size() > 1 && (arguments[1] == QLatin1String("--import") ||
                                    arguments[1] == QLatin1String("--export"));
}

int run(const QStringList& arguments, bool programRunning, std::FILE* out, std::FILE* err) {
    if (arguments.size() != 3 || arguments[2].isEmpty()) {
        print(err, Usage);
        return 2;
    }
    const bool import = arguments[1] == QLatin1String("--import");
    if (import && programRunning) {
        print(err, Running);
        return 1;
    }
    try {
        return import ? importFile(arguments[2], out, err) : exportFile(arguments[2], out, err);
    } catch (const DbError& e) {
        print(err, QStringLiteral("The word database cannot be used: %1").arg(e.description()));
        return 1;
    }
}

} // namespace TransferCommand
