#include "Kvtml.h"

#include <QIODevice>

namespace Kvtml {

namespace {

QString errorAt(const QXmlStreamReader& xml) {
    return QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
}

bool isKvtmlRoot(const QXmlStreamReader& xml) {
    return xml.name() == QLatin1String("kvtml");
}

QString notKvtml(const QXmlStreamReader& xml) {
    return QStringLiteral("line %1: this XML file is no KVTML vocabulary file")
        .arg(xml.lineNumber());
}

} // namespace

Head readHead(QIODevice& device, QString* error) {
    Head head;
    QXmlStreamReader xml(&device);
    if (!xml.readNextStartElement() || !isKvtmlRoot(xml)) {
        *error = xml.hasError() ? errorAt(xml) : notKvtml(xml);
        return head;
    }
    if (!xml.attributes().value(QLatin1String("version")).startsWith(u'2')) {
        head.version = 1;
        head.languages = {{QStringLiteral("0"), QStringLiteral("Original"), {}},
                          {QStringLiteral("1"), QStringLiteral("Translation"), {}}};
        return head;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("information")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("title"))
                    head.title = xml.readElementText(QXmlStreamReader::SkipChildElements);
                else
                    xml.skipCurrentElement();
            }
        } else if (xml.name() == QLatin1String("identifiers")) {
            while (xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("identifier") ||
                    head.languages.size() >= MaxLanguages) {
                    xml.skipCurrentElement();
                    continue;
                }
                Language language;
                language.id = xml.attributes().value(QLatin1String("id")).toString().trimmed();
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("name"))
                        language.name = xml.readElementText(QXmlStreamReader::SkipChildElements);
                    else if (xml.name() == QLatin1String("locale"))
                        language.locale =
                            xml.readElementText(QXmlStreamReader::SkipChildElements);
                    else
                        xml.skipCurrentElement();
                }
                head.languages << language;
            }
        } else if (xml.name() == QLatin1String("entries")) {
            break;
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        *error = errorAt(xml);
    else if (head.languages.isEmpty())
        head.languages << Language{QStringLiteral("0"), {}, {}};
    return head;
}

QStringList columnNames(const Head& head) {
    QStringList names;
    for (qsizetype i = 0; i < head.languages.size(); ++i) {
        const Language& l = head.languages[i];
        QString language = l.name.trimmed();
        if (language.isEmpty())
            language = l.locale.trimmed();
        if (language.isEmpty())
            language = QStringLiteral("Language %1").arg(i + 1);
        for (const char* part : {"text", "comment", "example", "paraphrase"})
            names << language + QLatin1Char(' ') + QLatin1String(part);
    }
    names << QStringLiteral("Lesson");
    return names;
}

QHash<QString, QString> readLessons(QIODevice& device, QString* error) {
    QHash<QString, QString> lessons;
    QXmlStreamReader xml(&device);
    QStringList path;       // names of the open containers
    QList<bool> named;      // whether each open container has had its name
    int depth = 0;          // containers open inside <lessons>
    bool inLessons = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (!inLessons) {
                if (name == QLatin1String("lessons"))
                    inLessons = true;
                continue;
            }
            if (name == QLatin1String("container") || name == QLatin1String("lesson")) {
                ++depth;
                path << QString();
                named << false;
            } else if (name == QLatin1String("name") && depth > 0 && !named.last()) {
                path.last() = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                named.last() = true;
            } else if (depth > 0 && (name == QLatin1String("entry") ||
                                     name == QLatin1String("entryid"))) {
                const QString id = name == QLatin1String("entry")
                                       ? xml.attributes().value(QLatin1String("id")).toString()
                                       : xml.readElementText(QXmlStreamReader::SkipChildElements);
                QStringList names = path;
                names.removeAll(QString());
                if (!lessons.contains(id.trimmed()))
                    lessons.insert(id.trimmed(), names.join(QLatin1String(" / ")));
            }
        } else if (xml.isEndElement() && inLessons) {
            const auto name = xml.name();
            if ((name == QLatin1String("container") || name == QLatin1String("lesson")) &&
                depth > 0) {
                --depth;
                path.removeLast();
                named.removeLast();
            } else if (name == QLatin1String("lessons")) {
                inLessons = false;
            }
        }
    }
    if (xml.hasError())
        *error = errorAt(xml);
    return lessons;
}

Reader::Reader(QIODevice& device, Head head, QHash<QString, QString> lessons)
    : device_(device), xml_(&device), head_(std::move(head)), lessons_(std::move(lessons)) {
    for (qsizetype i = 0; i < head_.languages.size(); ++i)
        languageIndex_.insert(head_.languages[i].id, int(i));
}

qint64 Reader::bytesRead() const {
    return device_.pos();
}

QString Reader::boundedText(QString* refusal) {
    QString text;
    while (!xml_.atEnd()) {
        xml_.readNext();
        if (xml_.isCharacters()) {
            if (text.size() + xml_.text().size() > RecordLimits::FieldBytes) {
                *refusal = QStringLiteral("a text is longer than %1 KiB")
                               .arg(RecordLimits::FieldBytes / 1024);
                continue;
            }
            text += xml_.text();
        } else if (xml_.isStartElement()) {
            xml_.skipCurrentElement();
        } else if (xml_.isEndElement()) {
            break;
        }
    }
    return text;
}

void Reader::readTranslation(SourceRecord& record, int language) {
    while (xml_.readNextStartElement()) {
        const auto name = xml_.name();
        int column = -1;
        if (name == QLatin1String("text"))
            column = Text;
        else if (name == QLatin1String("comment"))
            column = Comment;
        else if (name == QLatin1String("example"))
            column = Example;
        else if (name == QLatin1String("paraphrase"))
            column = Paraphrase;
        if (column < 0 || language < 0) {
            xml_.skipCurrentElement();
            continue;
        }
        const QString text = boundedText(&record.refusal);
        record.fields[language * ColumnsPerLanguage + column] = text;
    }
}

bool Reader::next(SourceRecord& record) {
    const qsizetype columns = head_.languages.size() * ColumnsPerLanguage + 1;
    while (!xml_.atEnd()) {
        xml_.readNext();
        if (!xml_.isStartElement())
            continue;
        const auto name = xml_.name();
        if (name == QLatin1String("lessons") || name == QLatin1String("wordtypes") ||
            name == QLatin1String("leitnerboxes") || name == QLatin1String("information") ||
            name == QLatin1String("identifiers") || name == QLatin1String("wordtypedefinitions") ||
            name == QLatin1String("lesson")) {
            xml_.skipCurrentElement();
            continue;
        }
        const bool entry = head_.version == 2 ? name == QLatin1String("entry")
                                              : name == QLatin1String("e");
        if (!entry)
            continue;
        record = SourceRecord();
        record.line = xml_.lineNumber();
        record.fields = QStringList(columns, QString());
        if (head_.version == 2) {
            const QString id = xml_.attributes().value(QLatin1String("id")).toString().trimmed();
            record.fields.last() = lessons_.value(id);
            while (xml_.readNextStartElement()) {
                if (xml_.name() == QLatin1String("translation"))
                    readTranslation(
                        record,
                        languageIndex_.value(
                            xml_.attributes().value(QLatin1String("id")).toString().trimmed(), -1));
                else
                    xml_.skipCurrentElement();
            }
        } else {
            while (xml_.readNextStartElement()) {
                const int language = xml_.name() == QLatin1String("o")   ? 0
                                     : xml_.name() == QLatin1String("t") ? 1
                                                                          : -1;
                if (language < 0) {
                    xml_.skipCurrentElement();
                    continue;
                }
                record.fields[language * ColumnsPerLanguage + Text] = boundedText(&record.refusal);
            }
        }
        if (xml_.hasError())
            break;
        return true;
    }
    if (xml_.hasError())
        error_ = errorAt(xml_);
    return false;
}

} // namespace Kvtml
