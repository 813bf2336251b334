#include "Csv.h"

namespace Csv {

namespace {

// One parse's state, the text read one character at a time.
struct Parser {
    QString text;
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the current field was quoted and has closed
    bool fieldStarted = false;
    int line = 1;

    void endField() {
        record.append(field);
        field.clear();
        wasQuoted = false;
        fieldStarted = false;
    }
    void endRecord() {
        endField();
        records.append(record);
        record.clear();
    }

    // Inside quotes; returns the index of the last character taken (a doubled quote is two).
    qsizetype quotedChar(qsizetype i) {
        const QChar c = text.at(i);
        if (c == u'"') {
            if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else {
                quoted = false;
                wasQuoted = true;
            }
        } else {
            if (c == u'\n')
                ++line;
            field += c;
        }
        return i;
    }

    // Outside quotes; returns why the text is refused, or nothing.
    QString plainChar(qsizetype i) {
        const QChar c = text.at(i);
        if (c == u',') {
            endField();
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            // the LF ends the record
        } else if (c == u'\n') {
            endRecord();
            ++line;
        } else if (wasQuoted) {
            return QStringLiteral("text after a closing quote");
        } else if (c == u'"') {
            if (fieldStarted)
                return QStringLiteral("quote inside an unquoted field");
            quoted = true;
            fieldStarted = true;
        } else {
            field += c;
            fieldStarted = true;
        }
        return {};
    }
};

} // namespace

QList<QStringList> parse(const QByteArray& utf8, QString* error) {
    Parser p;
    p.text = QString::fromUtf8(utf8);
    auto failAt = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(p.line).arg(why);
        return p.records;
    };

    for (qsizetype i = 0; i < p.text.size(); ++i) {
        if (p.quoted) {
            i = p.quotedChar(i);
        } else if (const QString why = p.plainChar(i); !why.isEmpty()) {
            return failAt(why);
        }
    }
    if (p.quoted)
        return failAt(QStringLiteral("unterminated quoted field"));
    if (p.fieldStarted || p.wasQuoted || !p.record.isEmpty())
        p.endRecord();
    if (error)
        error->clear();
    return p.records;
}

QByteArray formatRecord(const QStringList& fields) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields) {
        if (f.contains(u',') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r')) {
            QString q = f;
            q.replace(QLatin1String("\""), QLatin1String("\"\""));
            out.append(QLatin1Char('"') + q + QLatin1Char('"'));
        } else {
            out.append(f);
        }
    }
    return out.join(u',').toUtf8() + '\n';
}

} // namespace Csv
