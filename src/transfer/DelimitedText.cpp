#include "DelimitedText.h"

#include <QIODevice>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace DelimitedText {

namespace {

constexpr qsizetype kChunk = 64 * 1024;

bool hasBom(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF");
}

// "#separator:tab", "#notetype column:2": a key of letters and blanks, then a colon.
bool isHeaderLine(QByteArrayView line) {
    static const QRegularExpression header(QStringLiteral("^#[A-Za-z][A-Za-z ]*:"));
    return line.startsWith('#') && header.match(QString::fromUtf8(line.first(std::min<qsizetype>(40, line.size())))).hasMatch();
}

std::optional<char> separatorNamed(const QString& value) {
    static const std::map<QString, char> names{
        {QStringLiteral("tab"), '\t'},   {QStringLiteral("comma"), ','},
        {QStringLiteral("semicolon"), ';'}, {QStringLiteral("space"), ' '},
        {QStringLiteral("pipe"), '|'},   {QStringLiteral("colon"), ':'}};
    const QString v = value.trimmed().toLower();
    if (auto it = names.find(v); it != names.end())
        return it->second;
    if (v.size() == 1 && v[0].unicode() < 0x80 && v[0] != u'"')
        return char(v[0].unicode());
    return std::nullopt;
}

QList<QByteArrayView> lines(QByteArrayView bytes) {
    QList<QByteArrayView> out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            qsizetype end = i;
            if (end > start && bytes[end - 1] == '\r')
                --end;
            out << bytes.sliced(start, end - start);
            start = i + 1;
        }
    }
    if (start < bytes.size())
        out << bytes.sliced(start);
    return out;
}

} // namespace

Headers parseHeaders(const QByteArray& sample) {
    Headers h;
    const QByteArrayView body = hasBom(sample) ? QByteArrayView(sample).sliced(3) : sample;
    QStringList columnsLine;
    for (QByteArrayView line : lines(body)) {
        if (!isHeaderLine(line))
            break;
        ++h.lineCount;
        const QString text = QString::fromUtf8(line.sliced(1));
        const qsizetype colon = text.indexOf(u':');
        const QString key = text.left(colon).trimmed().toLower();
        const QString value = text.mid(colon + 1);
        if (key == QLatin1String("separator")) {
            h.separator = separatorNamed(value);
        } else if (key == QLatin1String("html")) {
            h.html = value.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        } else if (key == QLatin1String("columns")) {
            columnsLine = {value};
        } else if (key.endsWith(QLatin1String(" column"))) {
            bool ok = false;
            const int n = value.trimmed().toInt(&ok);
            if (ok && n >= 1 && n <= RecordLimits::Columns)
                h.metaColumns.push_back(n - 1);
        }
    }
    if (!columnsLine.isEmpty()) {
        const QString sep = QString(QLatin1Char(h.separator.value_or('\t')));
        for (const QString& name : columnsLine.first().split(sep))
            h.columns << name.trimmed();
    }
    return h;
}

char detectDelimiter(const QByteArray& sample) {
    const QByteArrayView body = hasBom(sample) ? QByteArrayView(sample).sliced(3) : sample;
    QList<QByteArrayView> all = lines(body);
    // The last line of a sample may be cut off; header lines are no records.
    if (all.size() > 1 && sample.size() >= kChunk)
        all.removeLast();
    all.removeIf([](QByteArrayView l) { return l.trimmed().isEmpty() || isHeaderLine(l); });
    if (all.size() > 50)
        all.resize(50);
    char best = ',';
    int bestScore = 0;
    int bestCells = 0;
    for (char candidate : {'\t', ';', ',', '|'}) {
        // Cells per line, quotes respected within a line.
        std::map<int, int> perCount;
        for (QByteArrayView l : all) {
            int cells = 1;
            bool quoted = false;
            for (char c : l) {
                if (c == '"')
                    quoted = !quoted;
                else if (c == candidate && !quoted)
                    ++cells;
            }
            if (cells > 1)
                ++perCount[cells];
        }
        for (const auto& [cells, lineCount] : perCount) {
            if (lineCount > bestScore || (lineCount == bestScore && cells > bestCells)) {
                best = candidate;
                bestScore = lineCount;
                bestCells = cells;
            }
        }
    }
    return best;
}

qsizetype firstInvalidUtf8(const char* data, qsizetype size) {
    const auto* s = reinterpret_cast<const unsigned char*>(data);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
            min = 0x10000;
        } else {
            return i;
        }
        if (i + extra >= size)
            return i;
        for (int k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return i;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return i;
        i += extra + 1;
    }
    return -1;
}

Reader::Reader(QIODevice& device, char delimiter)
    : device_(device), delimiter_(delimiter), buffer_(kChunk, Qt::Uninitialized) {}

int Reader::peekByte() {
    if (pos_ == end_) {
        if (eof_)
            return -1;
        const qint64 n = device_.read(buffer_.data(), kChunk);
        if (n <= 0) {
            eof_ = true;
            return -1;
        }
        pos_ = 0;
        end_ = n;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

int Reader::get() {
    const int c = peekByte();
    if (c >= 0) {
        ++pos_;
        ++consumed_;
    }
    return c;
}

void Reader::fail(qint64 line, const QString& text) {
    error_ = QStringLiteral("line %1: %2").arg(line).arg(text);
    eof_ = true;
    pos_ = end_;
}

bool Reader::finishField(SourceRecord& record, QByteArray& field, qint64 fieldLine) {
    if (record.fields.size() >= RecordLimits::Columns) {
        if (record.refusal.isEmpty())
            record.refusal =
                QStringLiteral("more than %1 columns").arg(RecordLimits::Columns);
        field.clear();
        return true;
    }
    if (const qsizetype bad = firstInvalidUtf8(field.constData(), field.size()); bad >= 0) {
        fail(fieldLine + field.left(bad).count('\n'),
             QStringLiteral("this is not UTF-8 text (perhaps Latin-1 or Windows-1252); save the "
                            "file as UTF-8 and import it again"));
        return false;
    }
    record.fields << QString::fromUtf8(field);
    field.clear();
    return true;
}

bool Reader::skipPreamble() {
    // Byte-order marks: UTF-8's is skipped; UTF-16 text is refused by name.
    if (peekByte() == 0xEF && end_ - pos_ >= 3 &&
        QByteArrayView(buffer_).sliced(pos_, 3) == QByteArrayView("\xEF\xBB\xBF")) {
        get();
        get();
        get();
    } else if ((peekByte() == 0xFF || peekByte() == 0xFE) && end_ - pos_ >= 2 &&
               (buffer_[pos_ + 1] == char(0xFE) || buffer_[pos_ + 1] == char(0xFF))) {
        fail(1, QStringLiteral("this is UTF-16 text; save the file as UTF-8 and import it "
                               "again"));
        return false;
    }
    // Flashcard programs' header lines, all within the first block.
    while (peekByte() == '#') {
        const qsizetype nl = QByteArrayView(buffer_).first(end_).indexOf('\n', pos_);
        const qsizetype stop = nl < 0 ? end_ : nl;
        if (!isHeaderLine(QByteArrayView(buffer_).sliced(pos_, stop - pos_)))
            break;
        for (qsizetype n = (nl < 0 ? end_ : nl + 1) - pos_; n > 0; --n)
            get();
        ++line_;
    }
    return true;
}

bool Reader::readRecord(SourceRecord& record, bool& anyText) {
    QByteArray field;
    qint64 fieldLine = line_;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the field began with a quote
    for (;;) {
        const int c = get();
        if (c == 0) {
            fail(line_, QStringLiteral("this is not a text file"));
            return false;
        }
        if (c < 0) {
            if (quoted && record.refusal.isEmpty())
                record.refusal = QStringLiteral("a quoted field never closes");
            return finishField(record, field, fieldLine);
        }
        if (quoted) {
            if (c == '"') {
                if (peekByte() == '"') {
                    get();
                } else {
                    quoted = false;
                    continue;
                }
            } else if (c == '\n' || (c == '\r' && peekByte() != '\n')) {
                ++line_; // a line break inside the cell: LF, CR LF or CR
            }
        } else if (c == '"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
            continue;
        } else if (c == delimiter_) {
            if (!finishField(record, field, fieldLine))
                return false;
            fieldLine = line_;
            wasQuoted = false;
            continue;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && peekByte() == '\n')
                get();
            ++line_;
            return finishField(record, field, fieldLine);
        }
        if (field.size() >= RecordLimits::FieldBytes) {
            if (record.refusal.isEmpty())
                record.refusal = QStringLiteral("a cell is longer than %1 KiB")
                                     .arg(RecordLimits::FieldBytes / 1024);
            continue; // the rest of the cell is passed over
        }
        field.append(char(c));
        anyText = anyText || (c != ' ' && c != '\t');
    }
}

bool Reader::next(SourceRecord& record) {
    if (!started_) {
        started_ = true;
        if (!skipPreamble())
            return false;
    }
    for (;;) {
        record = SourceRecord();
        record.line = line_;
        if (peekByte() < 0)
            return false;
        bool anyText = false;
        if (!readRecord(record, anyText))
            return false;
        // A row of empty cells, as spreadsheets leave below the data, is no record.
        if (anyText || !record.refusal.isEmpty())
            return true;
    }
}

} // namespace DelimitedText
