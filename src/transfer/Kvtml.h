#pragma once

#include "transfer/SourceRecord.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

class QIODevice;

// KVTML, the XML vocabulary files of KDE's vocabulary programs. Version 2 holds entries with
// a translation per language ("identifier"), each with its text, comment, example and
// paraphrase, and lessons (containers, possibly nested) that name their entries; the older
// version 1 holds <e> entries with an original <o> and a translation <t>.
namespace Kvtml {

struct Language {
    QString id; // as the file's translations name it
    QString name;
    QString locale;
};

struct Head {
    int version = 2;
    QString title;
    QList<Language> languages;
};

// Each language gives these columns in turn; the last column is the entry's lesson.
enum LanguageColumn { Text, Comment, Example, Paraphrase, ColumnsPerLanguage };
inline constexpr int MaxLanguages = 16;

// The title and the languages, read up to the entries. Errors name the line.
Head readHead(QIODevice& device, QString* error);
QStringList columnNames(const Head& head);

// Each entry's lesson (the innermost container's name, nested ones joined with " / "),
// by entry id. Lessons follow the entries in a file, so they take a reading of their own.
QHash<QString, QString> readLessons(QIODevice& device, QString* error);

// Streams the entries as records of columnNames(head) cells.
class Reader {
public:
    Reader(QIODevice& device, Head head, QHash<QString, QString> lessons);
    bool next(SourceRecord& record);
    const QString& error() const { return error_; }
    qint64 bytesRead() const;

private:
    QString boundedText(QString* refusal);
    void readTranslation(SourceRecord& record, int language);

    QIODevice& device_;
    QXmlStreamReader xml_;
    Head head_;
    QHash<QString, QString> lessons_;
    QHash<QString, int> languageIndex_;
    QString error_;
};

} // namespace Kvtml
