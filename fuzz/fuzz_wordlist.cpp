// Feeds arbitrary bytes to the word-list readers (delimited text with each delimiter, and
// KVTML) and every record to the import's row rules: no crash, no record past the bounds,
// lines that never go back, and a masked example that holds the placeholder.
#include "transfer/DelimitedText.h"
#include "transfer/ExampleMask.h"
#include "transfer/Kvtml.h"
#include "transfer/WordListImport.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void check(const SourceRecord& r, qint64& lastLine, const FileLayout& layout) {
    if (r.line < lastLine || r.fields.size() > RecordLimits::Columns)
        std::abort();
    lastLine = r.line;
    for (const QString& f : r.fields)
        if (f.size() > RecordLimits::FieldBytes)
            std::abort();
    const auto row = WordListImport::planRow(r, layout);
    if (row.exampleMasked && !row.example.contains(ExampleMask::Placeholder))
        std::abort();
    ExampleMask::unmask(row.word, row.example);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FileLayout layout;
    layout.meaning = 1;
    layout.example = 2;
    layout.html = size % 2 == 0;
    for (char delimiter : {',', '\t', ';'}) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        DelimitedText::Reader reader(buffer, delimiter);
        SourceRecord r;
        qint64 line = 0;
        while (reader.next(r))
            check(r, line, layout);
    }
    DelimitedText::parseHeaders(bytes);
    DelimitedText::detectDelimiter(bytes);

    QBuffer head;
    head.setData(bytes);
    head.open(QIODevice::ReadOnly);
    QString error;
    const Kvtml::Head h = Kvtml::readHead(head, &error);
    QBuffer lessons;
    lessons.setData(bytes);
    lessons.open(QIODevice::ReadOnly);
    const auto names = Kvtml::readLessons(lessons, &error);
    QBuffer entries;
    entries.setData(bytes);
    entries.open(QIODevice::ReadOnly);
    Kvtml::Reader reader(entries, h, names);
    layout.format = FileLayout::Format::Kvtml;
    layout.meaning = Kvtml::ColumnsPerLanguage;
    layout.lesson = int(h.languages.size()) * Kvtml::ColumnsPerLanguage;
    SourceRecord r;
    qint64 line = 0;
    while (reader.next(r)) {
        if (r.fields.size() != h.languages.size() * Kvtml::ColumnsPerLanguage + 1)
            std::abort();
        check(r, line, layout);
    }
    return 0;
}
