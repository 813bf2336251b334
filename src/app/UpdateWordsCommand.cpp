#include "UpdateWordsCommand.h"

#include "app/ProgramFolder.h"
#include "data/ContentUpgrade.h"
#include "data/Database.h"
#include "data/DbError.h"

#include <QDir>
#include <QFileInfo>

namespace UpdateWordsCommand {

namespace {
const QString kOption = QStringLiteral("--update-words");

void print(std::FILE* to, const QString& line) {
    std::fputs(line.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
}
} // namespace

bool wanted(const QStringList& arguments) {
    return arguments.contains(kOption);
}

int run(const QStringList& arguments, bool programRunning, std::FILE* out, std::FILE* err) {
    const qsizetype at = arguments.indexOf(kOption);
    if (at + 1 >= arguments.size()) {
        print(err, QStringLiteral("usage: verbaloom --update-words SHIPPED.db"));
        return 2;
    }
    if (programRunning) {
        print(err, QStringLiteral("Verbaloom is running on this word database: the word list "
                                  "is brought up to date at its next start."));
        return 1;
    }
    const QFileInfo shipped(arguments.at(at + 1));
    try {
        auto learner = Connection::open(ConnectionStrings::ReadWrite);
        const ContentUpgrade::Summary summary = ContentUpgrade::merge(
            *learner, shipped.absoluteFilePath(),
            ProgramFolder::path() + QStringLiteral("/content-history.csv"));
        print(out, ContentUpgrade::describe(summary));
        return 0;
    } catch (const DbError& e) {
        print(err, QStringLiteral("The word list could not be brought up to date; your word "
                                  "database is as it was. %1")
                       .arg(e.description()));
        return 1;
    }
}

} // namespace UpdateWordsCommand
