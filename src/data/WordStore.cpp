#include "WordStore.h"

#include "Database.h"
#include "DbError.h"
#include "Transaction.h"

#include <limits>

namespace {
const QString kWords = QStringLiteral("words");
const QString kSpecialWords = QStringLiteral("spwl");
constexpr qint64 kMaxCount = std::numeric_limits<int>::max();
const QString kInsertWord =
    QStringLiteral("INSERT INTO words (name, meaning, example, bookmark, doublebm, groupid)"
                   " VALUES (?, ?, ?, ?, ?, ?)");

// A word added by hand and an imported one are stored alike.
void insertWord(Statement& insert, const WordStore::NewWord& word) {
    insert.bind(1, word.name);
    insert.bind(2, word.meaning);
    insert.bind(3, word.usage);
    insert.bind(4, word.marks.difficult);
    insert.bind(5, word.marks.veryDifficult);
    insert.bind(6, word.list);
    insert.step();
}

} // namespace

WordStore::WordStore(std::shared_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

const QString& WordStore::checkedTable(const QString& table) {
    // Table names cannot be bound; only the two known ones ever reach statement text.
    if (table.compare(kWords, Qt::CaseInsensitive) == 0)
        return kWords;
    if (table.compare(kSpecialWords, Qt::CaseInsensitive) == 0)
        return kSpecialWords;
    throw DbError(DbErrorCode::BadArgument, QStringLiteral("Unknown word table '%1'.").arg(table));
}

Word WordStore::wordNamed(const QString& name) const {
    Statement st = connection_->prepare(QStringLiteral("SELECT id FROM words WHERE name = ?"));
    st.bind(1, name);
    return st.step() ? word(kWords, st.int64(0)) : Word();
}

Word WordStore::word(const QString& table, qint64 id) const {
    const QString& t = checkedTable(table);
    Statement st = connection_->prepare(
        QStringLiteral("SELECT name, meaning, example, groupid, bookmark, doublebm, readcount,"
                       " lastread, sessionbm FROM %1 WHERE id = ?")
            .arg(t));
    st.bind(1, id);
    Word w;
    if (!st.step())
        return w;
    w.id = id;
    w.table = t;
    w.name = st.value(0).toString();
    w.meaning = st.value(1).toString();
    w.usage = st.value(2).toString();
    if (const QVariant list = st.value(3); !list.isNull())
        w.list = list.toInt();
    w.difficult = st.value(4).toBool();
    w.veryDifficult = st.value(5).toBool();
    w.readCount = int(std::clamp<qint64>(st.int64(6), 0, kMaxCount));
    w.lastRead = st.value(7).toDate();
    w.sessionMark = st.value(8).toBool();
    return w;
}

void WordStore::markStudied(const QString& table, qint64 id, const QDate& today) {
    const QString& t = checkedTable(table);
    Transaction tx(*connection_);
    Statement st = connection_->prepare(
        QStringLiteral("UPDATE %1 SET readcount = CASE WHEN readcount >= ? THEN ? ELSE"
                       " MAX(readcount, 0) + 1 END, lastread = ?, sessionbm = 1 WHERE id = ?")
            .arg(t));
    st.bind(1, kMaxCount);
    st.bind(2, kMaxCount);
    st.bind(3, today);
    st.bind(4, id);
    st.step();
    tx.commit();
}

void WordStore::setDifficulty(const QString& table, qint64 id, DifficultyMarks marks) {
    const QString& t = checkedTable(table);
    Transaction tx(*connection_);
    Statement st = connection_->prepare(
        QStringLiteral("UPDATE %1 SET bookmark = ?, doublebm = ? WHERE id = ?").arg(t));
    st.bind(1, marks.difficult);
    st.bind(2, marks.veryDifficult);
    st.bind(3, id);
    st.step();
    tx.commit();
}

void WordStore::updateMeaningAndUsage(const QString& table, qint64 id, const QString& meaning,
                                      const QString& usage) {
    const QString& t = checkedTable(table);
    Transaction tx(*connection_);
    Statement st = connection_->prepare(
        QStringLiteral("UPDATE %1 SET meaning = ?, example = ? WHERE id = ?").arg(t));
    st.bind(1, meaning);
    st.bind(2, usage);
    st.bind(3, id);
    st.step();
    tx.commit();
}

qint64 WordStore::addWord(const NewWord& word) {
    Transaction tx(*connection_);
    Statement st = connection_->prepare(kInsertWord);
    insertWord(st, word);
    Statement last = connection_->prepare(QStringLiteral("SELECT last_insert_rowid()"));
    last.step();
    const qint64 id = last.int64(0);
    tx.commit();
    return id;
}

void WordStore::forEachWordName(const std::function<void(const QString&)>& visit) const {
    Statement st = connection_->prepare(QStringLiteral("SELECT name FROM words"));
    while (st.step())
        visit(st.value(0).toString());
}

WordStore::ImportCounts WordStore::importWords(const std::function<bool(NewWord&)>& next,
                                               bool updateExisting) {
    Transaction tx(*connection_);
    Statement find = connection_->prepare(QStringLiteral("SELECT id FROM words WHERE name = ?"));
    Statement insert = connection_->prepare(kInsertWord);
    Statement update = connection_->prepare(
        QStringLiteral("UPDATE words SET meaning = CASE WHEN COALESCE(?1, '') = '' THEN meaning"
                       " ELSE ?1 END,"
                       " example = CASE WHEN COALESCE(?2, '') = '' THEN example ELSE ?2 END"
                       " WHERE id = ?3"));
    ImportCounts counts;
    NewWord word;
    while (next(word)) {
        find.reset();
        find.bind(1, word.name);
        if (find.step()) {
            const qint64 id = find.int64(0);
            if (!updateExisting) {
                ++counts.skipped;
                continue;
            }
            update.reset();
            update.bind(1, word.meaning);
            update.bind(2, word.usage);
            update.bind(3, id);
            update.step();
            ++counts.updated;
            continue;
        }
        insert.reset();
        insertWord(insert, word);
        ++counts.added;
    }
    tx.commit();
    return counts;
}

void WordStore::clearSessionMarks() {
    // Through the index of marked words, a batch at a time: each statement stays far inside
    // the statement time limit however many words the last session marked, and all of them
    // are cleared in the one transaction or none is.
    Transaction tx(*connection_);
    Statement st = connection_->prepare(
        QStringLiteral("UPDATE words SET sessionbm = 0 WHERE id IN"
                       " (SELECT id FROM words WHERE sessionbm = 1 LIMIT 5000)"));
    do {
        st.reset();
        st.step();
    } while (connection_->changes() > 0);
    tx.commit();
}
