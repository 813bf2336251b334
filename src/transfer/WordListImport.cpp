#include "WordListImport.h"

#include "app/Random.h"
#include "data/DbError.h"
#include "maintenance/WordName.h"
#include "transfer/ExampleMask.h"
#include "transfer/FieldText.h"

#include <QFileInfo>

#include <unordered_set>

namespace WordListImport {

namespace {

constexpr int kLongestWord = 100;
constexpr int kProgressEvery = 512;

// Names are unique in the word table whatever the case of A to Z (SQLite's NOCASE): the
// same folding tells duplicates here.
quint64 nameKey(const QString& name) {
    QString folded = name;
    for (QChar& c : folded)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return qHash(folded, 0x5eed);
}

QString cell(const SourceRecord& record, int column) {
    return column >= 0 && column < record.fields.size() ? record.fields[column] : QString();
}

QString cleaned(QString text, const FileLayout& layout) {
    if (layout.format == FileLayout::Format::Delimited)
        text = FieldText::unguardFormula(text);
    if (layout.html)
        text = FieldText::stripHtml(text);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

struct Cancelled : std::exception {};

} // namespace

PlannedRow planRow(const SourceRecord& record, const FileLayout& layout) {
    PlannedRow row;
    row.line = record.line;
    row.lesson = cell(record, layout.lesson).trimmed();
    if (!record.refusal.isEmpty()) {
        row.status = PlannedRow::Status::Refused;
        row.refusal = record.refusal;
        return row;
    }
    const QString typed = cleaned(cell(record, layout.word), layout);
    const WordName::Checked checked = WordName::check(typed);
    row.word = checked.ok() ? checked.word : typed.trimmed();
    row.meaning = WordName::cleanText(cleaned(cell(record, layout.meaning), layout)).trimmed();
    row.example = WordName::cleanText(cleaned(cell(record, layout.example), layout)).trimmed();
    if (!checked.ok()) {
        row.status = PlannedRow::Status::Refused;
        row.refusal = checked.error == WordName::Empty      ? QStringLiteral("there is no word")
                      : checked.error == WordName::NoLetter ? QStringLiteral("the word has no letter")
                                                            : QStringLiteral(
                                                                  "the word holds a character that "
                                                                  "cannot be seen");
        return row;
    }
    if (row.word.size() > kLongestWord) {
        row.status = PlannedRow::Status::Refused;
        row.refusal = QStringLiteral("the word is longer than %1 characters").arg(kLongestWord);
        return row;
    }
    if (!row.example.contains(ExampleMask::Placeholder)) {
        if (const QString masked = ExampleMask::maskAnyForm(row.word, row.example);
            !masked.isEmpty()) {
            row.example = masked;
            row.exampleMasked = true;
        }
    }
    return row;
}

Preview preview(const QString& path, const FileLayout& layout, const WordStore& store,
                const Progress& progress) {
    Preview out;
    auto records = WordListFile::Records::open(path, layout, &out.error);
    if (!records)
        return out;
    std::unordered_set<quint64> existing;
    store.forEachWordName([&](const QString& name) { existing.insert(nameKey(name)); });
    std::unordered_set<quint64> seen;
    SourceRecord record;
    qint64 count = 0;
    while (records->next(record)) {
        if (++count > MaxRows) {
            out.error = QStringLiteral("%1 holds more than %2 rows; import it in parts.")
                            .arg(QFileInfo(path).fileName())
                            .arg(MaxRows);
            return out;
        }
        if (progress && count % kProgressEvery == 0 &&
            !progress(records->bytesRead(), records->size())) {
            out.cancelled = true;
            return out;
        }
        PlannedRow row = planRow(record, layout);
        if (row.status != PlannedRow::Status::Refused) {
            const quint64 key = nameKey(row.word);
            if (existing.count(key))
                row.status = PlannedRow::Status::Existing;
            else if (!seen.insert(key).second)
                row.status = PlannedRow::Status::Repeated;
        }
        switch (row.status) {
        case PlannedRow::Status::New:
            ++out.newWords;
            break;
        case PlannedRow::Status::Existing:
            ++out.existing;
            break;
        case PlannedRow::Status::Repeated:
            ++out.repeated;
            break;
        case PlannedRow::Status::Refused:
            ++out.refused;
            if (out.refusals.size() < ListedRefusals)
                out.refusals << row;
            break;
        }
        if (out.rows.size() < PreviewRows)
            out.rows << row;
    }
    out.error = records->error();
    return out;
}

Outcome importFile(WordStore& store, const QString& path, const FileLayout& layout,
                   const Options& options, Random& random, const Progress& progress) {
    Outcome out;
    auto records = WordListFile::Records::open(path, layout, &out.error);
    if (!records)
        return out;
    const DifficultyMarks marks{options.difficulty != NewWord::Easy,
                                options.difficulty == NewWord::VeryDifficult};
    qint64 count = 0;
    auto next = [&](WordStore::NewWord& word) {
        SourceRecord record;
        while (records->next(record)) {
            if (++count > MaxRows)
                throw std::runtime_error("too many rows");
            if (progress && count % kProgressEvery == 0 &&
                !progress(records->bytesRead(), records->size()))
                throw Cancelled();
            const PlannedRow row = planRow(record, layout);
            if (row.status == PlannedRow::Status::Refused) {
                ++out.refused;
                continue;
            }
            word.name = row.word;
            word.meaning = row.meaning;
            word.usage = row.example;
            word.marks = marks;
            word.list = NewWord::wordList(random.uniform());
            return true;
        }
        if (!records->error().isEmpty())
            throw std::runtime_error("unreadable");
        return false;
    };
    try {
        out.counts = store.importWords(next, options.updateExisting);
    } catch (const Cancelled&) {
        out.cancelled = true;
        out.refused = 0;
    } catch (const DbError& e) {
        out.error = QStringLiteral("Nothing was imported: %1").arg(e.description());
    } catch (const std::exception&) {
        out.error = records->error().isEmpty()
                        ? QStringLiteral("%1 holds more than %2 rows; import it in parts.")
                              .arg(QFileInfo(path).fileName())
                              .arg(MaxRows)
                        : records->error();
    }
    if (!out.error.isEmpty() || out.cancelled)
        out.counts = {};
    return out;
}

QString summary(const Outcome& outcome) {
    return QStringLiteral("Imported %1 words, skipped %2 duplicates, %3 rows refused")
        .arg(outcome.counts.added + outcome.counts.updated)
        .arg(outcome.counts.skipped)
        .arg(outcome.refused);
}

QString refusalLine(const PlannedRow& row) {
    return QStringLiteral("line %1: %2").arg(row.line).arg(row.refusal);
}

} // namespace WordListImport
