#include "WordListFile.h"

#include "transfer/DelimitedText.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace WordListFile {

namespace {

constexpr qint64 kSampleBytes = 64 * 1024;
constexpr int kSampleRecords = 20;

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// Column names that say what a column holds, as spreadsheets, flashcard programs and this
// program's own exports name them.
int roleOfName(const QString& name) {
    static const QSet<QString> word{
        QStringLiteral("word"), QStringLiteral("words"), QStringLiteral("term"),
        QStringLiteral("front"), QStringLiteral("headword"), QStringLiteral("vocabulary"),
        QStringLiteral("expression"), QStringLiteral("question")};
    static const QSet<QString> meaning{
        QStringLiteral("meaning"), QStringLiteral("definition"), QStringLiteral("back"),
        QStringLiteral("translation"), QStringLiteral("gloss"), QStringLiteral("answer")};
    static const QSet<QString> example{
        QStringLiteral("example"), QStringLiteral("usage"), QStringLiteral("sentence"),
        QStringLiteral("context"), QStringLiteral("example sentence")};
    const QString n = name.trimmed().toLower();
    return word.contains(n) ? 0 : meaning.contains(n) ? 1 : example.contains(n) ? 2 : -1;
}

bool looksLikeHeader(const QStringList& cells) {
    for (const QString& cell : cells)
        if (roleOfName(cell) >= 0)
            return true;
    return false;
}

void chooseDefaults(FileLayout& layout) {
    layout.word = layout.meaning = layout.example = -1;
    for (int i = 0; i < layout.columns.size(); ++i) {
        const int role = roleOfName(layout.columns[i]);
        int* slot = role == 0 ? &layout.word : role == 1 ? &layout.meaning
                              : role == 2 ? &layout.example : nullptr;
        if (slot && *slot < 0)
            *slot = i;
    }
    if (layout.word >= 0 || layout.meaning >= 0 || layout.example >= 0)
        return;
    // No telling names: the columns in order, leaving out a flashcard note's id, type, deck
    // and tags.
    std::vector<int> free;
    for (int i = 0; i < layout.columns.size(); ++i)
        if (std::find(layout.metaColumns.begin(), layout.metaColumns.end(), i) ==
            layout.metaColumns.end())
            free.push_back(i);
    layout.word = free.size() > 0 ? free[0] : 0;
    layout.meaning = free.size() > 1 ? free[1] : -1;
    layout.example = free.size() > 2 ? free[2] : -1;
}

void nameColumns(FileLayout& layout, int count) {
    layout.columns.clear();
    for (int i = 0; i < count; ++i) {
        QString name;
        if (i < layout.declaredNames.size())
            name = layout.declaredNames[i];
        else if (layout.headerRow && i < layout.firstRecord.size())
            name = layout.firstRecord[i].trimmed();
        if (name.isEmpty())
            name = QStringLiteral("Column %1").arg(i + 1);
        layout.columns << name;
    }
}

class DelimitedRecords : public Records {
public:
    DelimitedRecords(const QString& path, const FileLayout& layout)
        : Records(path), reader_(*file_, layout.delimiter), skipHeader_(layout.headerRow) {}
    bool next(SourceRecord& record) override {
        if (skipHeader_) {
            skipHeader_ = false;
            if (!reader_.next(record))
                return false;
        }
        return reader_.next(record);
    }
    QString error() const override {
        return reader_.error().isEmpty() ? QString() : named(reader_.error());
    }
    qint64 bytesRead() const override { return reader_.bytesRead(); }

private:
    DelimitedText::Reader reader_;
    bool skipHeader_;
};

class KvtmlRecords : public Records {
public:
    KvtmlRecords(const QString& path, const FileLayout& layout,
                 QHash<QString, QString> lessons)
        : Records(path), reader_(*file_, layout.kvtml, std::move(lessons)) {}
    bool next(SourceRecord& record) override { return reader_.next(record); }
    QString error() const override {
        return reader_.error().isEmpty() ? QString() : named(reader_.error());
    }
    qint64 bytesRead() const override { return reader_.bytesRead(); }

private:
    Kvtml::Reader reader_;
};

bool isXml(const QString& path, const QByteArray& sample) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kvtml") || suffix == QLatin1String("xml"))
        return true;
    QByteArray start = sample.left(256);
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.mid(3);
    start = start.trimmed();
    return start.startsWith("<?xml") || start.startsWith("<kvtml");
}

// Flashcard exports without a "#html:" line still carry their HTML.
bool carriesHtml(const QList<QStringList>& records) {
    for (const QStringList& cells : records)
        for (const QString& cell : cells)
            if (cell.contains(QLatin1String("<br")) || cell.contains(QLatin1String("<div")) ||
                cell.contains(QLatin1String("&nbsp;")))
                return true;
    return false;
}

// On an error the layout keeps what was found before it.
void readKvtmlLayout(QFile& file, const QString& name, FileLayout& layout, QString* error) {
    layout.format = FileLayout::Format::Kvtml;
    file.seek(0);
    QString headError;
    layout.kvtml = Kvtml::readHead(file, &headError);
    if (!headError.isEmpty()) {
        *error = name + QStringLiteral(", ") + headError;
        return;
    }
    layout.columns = Kvtml::columnNames(layout.kvtml);
    using namespace Kvtml;
    layout.word = Text;
    layout.meaning = layout.kvtml.languages.size() > 1 ? ColumnsPerLanguage + Text : Comment;
    layout.example = Example;
    layout.lesson = int(layout.columns.size()) - 1;
}

void readDelimitedLayout(QFile& file, const QString& name, const QByteArray& sample,
                         std::optional<char> delimiter, FileLayout& layout, QString* error) {
    const DelimitedText::Headers headers = DelimitedText::parseHeaders(sample);
    layout.delimiter = delimiter    ? *delimiter
                       : headers.separator ? *headers.separator
                                           : DelimitedText::detectDelimiter(sample);
    layout.html = headers.html.value_or(false);
    layout.declaredNames = headers.columns;
    layout.metaColumns = headers.metaColumns;
    file.seek(0);
    DelimitedText::Reader reader(file, layout.delimiter);
    SourceRecord record;
    int count = int(layout.declaredNames.size());
    QList<QStringList> records;
    while (records.size() < kSampleRecords && reader.next(record)) {
        count = std::max(count, int(record.fields.size()));
        records << record.fields;
    }
    if (!reader.error().isEmpty()) {
        *error = name + QStringLiteral(", ") + reader.error();
        return;
    }
    if (records.isEmpty()) {
        *error = QStringLiteral("%1 is empty: there are no words in it.").arg(name);
        return;
    }
    layout.firstRecord = records.first();
    if (!headers.html && carriesHtml(records))
        layout.html = true;
    layout.headerRow = layout.declaredNames.isEmpty() && looksLikeHeader(layout.firstRecord);
    nameColumns(layout, std::min(count, RecordLimits::Columns));
    chooseDefaults(layout);
}

} // namespace

FileLayout inspect(const QString& path, QString* error, std::optional<char> delimiter) {
    FileLayout layout;
    const QString name = fileName(path);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 cannot be opened: %2")
                     .arg(name, QFileInfo(path).exists() ? file.errorString()
                                                         : QStringLiteral("there is no such file"));
        return layout;
    }
    const QByteArray sample = file.read(kSampleBytes);
    if (sample.trimmed().isEmpty() || sample == "\xEF\xBB\xBF") {
        *error = QStringLiteral("%1 is empty: there are no words in it.").arg(name);
        return layout;
    }
    if (isXml(path, sample))
        readKvtmlLayout(file, name, layout, error);
    else
        readDelimitedLayout(file, name, sample, delimiter, layout, error);
    return layout;
}

void setHeaderRow(FileLayout& layout, bool headerRow) {
    if (layout.format != FileLayout::Format::Delimited)
        return;
    layout.headerRow = headerRow;
    nameColumns(layout, int(layout.columns.size()));
    chooseDefaults(layout);
}

Records::Records(const QString& path)
    : file_(std::make_unique<QFile>(path)), name_(fileName(path)) {}

Records::~Records() = default;

qint64 Records::size() const {
    return file_->size();
}

QString Records::named(const QString& error) const {
    return name_ + QStringLiteral(", ") + error;
}

std::unique_ptr<Records> Records::open(const QString& path, const FileLayout& layout,
                                       QString* error) {
    QHash<QString, QString> lessons;
    if (layout.format == FileLayout::Format::Kvtml && layout.kvtml.version == 2) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            QString lessonError;
            lessons = Kvtml::readLessons(file, &lessonError);
            if (!lessonError.isEmpty()) {
                *error = fileName(path) + QStringLiteral(", ") + lessonError;
                return nullptr;
            }
        }
    }
    std::unique_ptr<Records> records;
    if (layout.format == FileLayout::Format::Kvtml)
        records = std::make_unique<KvtmlRecords>(path, layout, std::move(lessons));
    else
        records = std::make_unique<DelimitedRecords>(path, layout);
    if (!records->file_->open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 cannot be opened: %2")
                     .arg(fileName(path), records->file_->errorString());
        return nullptr;
    }
    return records;
}

} // namespace WordListFile
