#include "WordListExport.h"

#include "data/Recordset.h"
#include "transfer/ExampleMask.h"
#include "transfer/FieldText.h"

#include <QDate>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <map>
#include <vector>

namespace WordListExport {

namespace {

struct Row {
    QString word;
    QString meaning;
    QString example;
    QString list;
    QString difficulty;
    QString timesStudied;
    QString lastStudied;
};

const QStringList kColumns{QStringLiteral("Word"), QStringLiteral("Meaning"),
                           QStringLiteral("Example"), QStringLiteral("List"),
                           QStringLiteral("Difficulty")};
const QStringList kProgressColumns{QStringLiteral("Times studied"),
                                   QStringLiteral("Last studied")};

QString difficultyName(bool difficult, bool veryDifficult) {
    return veryDifficult ? QStringLiteral("very difficult")
           : difficult   ? QStringLiteral("difficult")
                         : QStringLiteral("easy");
}

// The word goes back in place of the placeholder only where reading the file back masks it
// the same way again (not in "-ism" or "o'clock", which the rule never masks), so that an
// export and an import give back the example as it was.
QString wordPutBack(const QString& word, const QString& example) {
    if (!example.contains(ExampleMask::Placeholder))
        return example;
    const QString unmasked = ExampleMask::unmask(word, example);
    return ExampleMask::maskAnyForm(word, unmasked) == example ? unmasked : example;
}

// Reads the rows in order and hands each on as text.
template <class F> void eachRow(const Recordset& rows, const Options& options, F&& fn) {
    rows.forEachRow({QStringLiteral("name"), QStringLiteral("meaning"), QStringLiteral("example"),
                     QStringLiteral("groupid"), QStringLiteral("bookmark"),
                     QStringLiteral("doublebm"), QStringLiteral("readcount"),
                     QStringLiteral("lastread")},
                    [&](int, const QVariantList& v) {
                        Row r;
                        r.word = v[0].toString();
                        r.meaning = v[1].toString();
                        r.example = options.masked ? v[2].toString()
                                                   : wordPutBack(r.word, v[2].toString());
                        r.list = v[3].isNull() ? QString() : QString::number(v[3].toLongLong());
                        r.difficulty = difficultyName(v[4].toBool(), v[5].toBool());
                        r.timesStudied = QString::number(v[6].toLongLong());
                        r.lastStudied = v[7].toDate().toString(Qt::ISODate);
                        fn(r);
                    });
}

QByteArray delimitedRecord(const QStringList& cells, char delimiter, bool guard) {
    QByteArray out;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += delimiter;
        const QString cell = guard ? FieldText::guardFormula(cells[i]) : cells[i];
        const QByteArray utf8 = cell.toUtf8();
        if (utf8.contains(delimiter) || utf8.contains('"') || utf8.contains('\n') ||
            utf8.contains('\r')) {
            out += '"';
            out += QByteArray(utf8).replace("\"", "\"\"");
            out += '"';
        } else {
            out += utf8;
        }
    }
    return out;
}

void writeDelimited(QSaveFile& file, const Options& options, const Recordset& rows) {
    QStringList header = kColumns;
    if (options.progress)
        header += kProgressColumns;
    const bool csv = options.format == Format::Csv;
    const char delimiter = csv ? ',' : '\t';
    const QByteArray eol = csv ? "\r\n" : "\n";
    if (csv) {
        // Spreadsheets take the file as UTF-8 only when it says so.
        file.write("\xEF\xBB\xBF");
        file.write(delimitedRecord(header, delimiter, false) + eol);
    } else {
        // Flashcard programs read these lines instead of taking a first row of names as a
        // card.
        file.write("#separator:tab\n#html:false\n#columns:" +
                   delimitedRecord(header, delimiter, false) + eol);
    }
    QByteArray block;
    eachRow(rows, options, [&](const Row& r) {
        QStringList cells{r.word, r.meaning, r.example, r.list, r.difficulty};
        if (options.progress)
            cells << r.timesStudied << r.lastStudied;
        block += delimitedRecord(cells, delimiter, csv) + eol;
        if (block.size() > 256 * 1024) {
            file.write(block);
            block.clear();
        }
    });
    file.write(block);
}

// Entry ids by list number (-1 for none), then by difficulty.
using Lessons = std::map<int, std::map<QString, std::vector<int>>>;

void writeKvtmlInformation(QXmlStreamWriter& xml) {
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("Verbaloom"));
    xml.writeTextElement(QStringLiteral("title"), QStringLiteral("Verbaloom words"));
    xml.writeTextElement(QStringLiteral("date"), QDate::currentDate().toString(Qt::ISODate));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("identifiers"));
    const QString names[] = {QStringLiteral("Word"), QStringLiteral("Meaning")};
    for (int i = 0; i < 2; ++i) {
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        xml.writeTextElement(QStringLiteral("name"), names[i]);
        xml.writeTextElement(QStringLiteral("locale"), QStringLiteral("en"));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writeKvtmlEntry(QXmlStreamWriter& xml, const Row& r, int id, bool progress) {
    xml.writeStartElement(QStringLiteral("entry"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeStartElement(QStringLiteral("translation"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("text"), r.word);
    if (!r.example.isEmpty())
        xml.writeTextElement(QStringLiteral("example"), r.example);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("translation"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("text"), r.meaning);
    if (progress && r.timesStudied != QLatin1String("0")) {
        xml.writeStartElement(QStringLiteral("grade"));
        xml.writeAttribute(QStringLiteral("fromid"), QStringLiteral("0"));
        xml.writeTextElement(QStringLiteral("count"), r.timesStudied);
        if (!r.lastStudied.isEmpty())
            xml.writeTextElement(QStringLiteral("date"),
                                 r.lastStudied + QStringLiteral("T00:00:00"));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeKvtmlEntryIds(QXmlStreamWriter& xml, const std::vector<int>& ids) {
    for (int e : ids) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(e));
    }
}

void writeKvtmlLessons(QXmlStreamWriter& xml, const Lessons& lessons) {
    xml.writeStartElement(QStringLiteral("lessons"));
    for (const auto& [list, byDifficulty] : lessons) {
        xml.writeStartElement(QStringLiteral("container"));
        xml.writeTextElement(QStringLiteral("name"), list < 0 ? QStringLiteral("No list")
                                                              : QStringLiteral("List %1").arg(list));
        xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
        // As KDE's programs write a lesson: its lessons first, then its own entries.
        for (const auto& [difficulty, ids] : byDifficulty) {
            if (difficulty == QLatin1String("easy"))
                continue;
            xml.writeStartElement(QStringLiteral("container"));
            xml.writeTextElement(QStringLiteral("name"), difficulty.at(0).toUpper() +
                                                             difficulty.mid(1));
            xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
            writeKvtmlEntryIds(xml, ids);
            xml.writeEndElement();
        }
        if (const auto easy = byDifficulty.find(QStringLiteral("easy")); easy != byDifficulty.end())
            writeKvtmlEntryIds(xml, easy->second);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

// KVTML 2 as KDE's vocabulary programs write it: the word and its meaning as two
// "languages", the example with the word; one lesson per word list, the difficult words of
// a list in lessons of their own inside it; study counts and dates as the meaning's grade.
void writeKvtml(QSaveFile& file, const Options& options, const Recordset& rows) {
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
                                "\"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    writeKvtmlInformation(xml);
    xml.writeStartElement(QStringLiteral("entries"));
    Lessons lessons;
    int id = 0;
    eachRow(rows, options, [&](const Row& r) {
        writeKvtmlEntry(xml, r, id, options.progress);
        lessons[r.list.isEmpty() ? -1 : r.list.toInt()][r.difficulty].push_back(id++);
    });
    xml.writeEndElement();
    writeKvtmlLessons(xml, lessons);
    xml.writeEndElement();
    xml.writeEndDocument();
}

} // namespace

std::optional<Format> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return Format::Csv;
    if (suffix == QLatin1String("tsv") || suffix == QLatin1String("txt"))
        return Format::Tsv;
    if (suffix == QLatin1String("kvtml"))
        return Format::Kvtml;
    return std::nullopt;
}

bool write(const QString& path, const Options& options, const Recordset& rows, QString* error) {
    QSaveFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1 cannot be written: %2").arg(name, file.errorString());
        return false;
    }
    try {
        if (options.format == Format::Kvtml)
            writeKvtml(file, options, rows);
        else
            writeDelimited(file, options, rows);
    } catch (const std::exception& e) {
        file.cancelWriting();
        *error = QStringLiteral("%1 was not written: %2").arg(name, QString::fromUtf8(e.what()));
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("%1 cannot be written: %2").arg(name, file.errorString());
        return false;
    }
    return true;
}

} // namespace WordListExport
