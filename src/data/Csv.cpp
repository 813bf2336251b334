#include "Csv.h"

namespace Csv {

QList<QStringList> parse(const QByteArray& utf8, QString* error) {
    const QString text = QString::fromUtf8(utf8);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the current field was quoted and has closed
    bool fieldStarted = false;
    int line = 1;
    const qsizetype n = text.size();

    auto endField = [&] {
        record.append(field);
        field.clear();
        wasQuoted = false;
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        records.append(record);
        record.clear();
    };
    auto failAt = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(line).arg(why);
        return records;
    };

    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text.at(i + 1) == u'"') {
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
            continue;
        }
        if (c == u',') {
            endField();
        } else if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') {
            continue; // the LF ends the record
        } else if (c == u'\n') {
            endRecord();
            ++line;
        } else if (wasQuoted) {
            return failAt(QStringLiteral("text after a closing quote"));
        } else if (c == u'"') {
            if (fieldStarted)
                return failAt(QStringLiteral("quote inside an unquoted field"));
            quoted = true;
            fieldStarted = true;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted)
        return failAt(QStringLiteral("unterminated quoted field"));
    if (fieldStarted || wasQuoted || !record.isEmpty())
        endRecord();
    if (error)
        error->clear();
    return records;
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
