#include "ContentUpgrade.h"

#include "Csv.h"
#include "Database.h"
#include "DbError.h"
#include "SchemaUpgrade.h"
#include "Transaction.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace ContentUpgrade {

namespace {

const QString kTables[] = {QStringLiteral("words"), QStringLiteral("spwl")};

struct Row {
    qint64 id = 0;
    QString name;
    QString meaning;
    QString example;
    QVariant groupid;
    bool bookmark = false;
    bool doublebm = false;
    bool highfw = false;
    QString specialwl;
    bool progress = false; // read, dated or marked this session
};

// What an earlier list shipped for one word: digests of its texts and its marks.
struct Past {
    QString meaning;
    QString example;
    bool bookmark = false;
    bool doublebm = false;
};

QString digest(const QString& text) {
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// Names are unique without regard to A-Z case in the main table, by category in the other.
QString keyOf(const QString& table, const QString& name, const QString& category) {
    return table + u'\x1f' + name.toLower() + u'\x1f' +
           (table == QLatin1String("spwl") ? category : QString());
}

QList<Row> readRows(Connection& c, const QString& table) {
    Statement st = c.prepare(
        QStringLiteral("SELECT id, name, meaning, example, groupid, bookmark, doublebm, highfw,"
                       " specialwl, readcount <> 0 OR lastread IS NOT NULL OR sessionbm = 1"
                       " FROM %1 ORDER BY id")
            .arg(table));
    QList<Row> rows;
    while (st.step()) {
        Row r;
        r.id = st.int64(0);
        r.name = st.value(1).toString();
        r.meaning = st.value(2).toString();
        r.example = st.value(3).toString();
        r.groupid = st.value(4);
        r.bookmark = st.value(5).toBool();
        r.doublebm = st.value(6).toBool();
        r.highfw = st.value(7).toBool();
        r.specialwl = st.value(8).toString();
        r.progress = st.int64(9) != 0;
        rows << r;
    }
    return rows;
}

QHash<QString, QList<Past>> readHistory(const QString& path, int below) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(DbErrorCode::FileNotFound, path);
    QString error;
    const QList<QStringList> records = Csv::parse(f.readAll(), &error);
    if (!error.isEmpty())
        throw DbError(DbErrorCode::BadFormat, path);
    QHash<QString, QList<Past>> history;
    for (qsizetype i = 1; i < records.size(); ++i) { // the first line names the columns
        const QStringList& r = records.at(i);
        if (r.size() != 8 || r[0].toInt() >= below)
            continue;
        history[keyOf(r[1], r[2], r[3])].append(
            {r[4], r[5], r[6] == QLatin1String("1"), r[7] == QLatin1String("1")});
    }
    return history;
}

QSet<QString> scheduledWords(Connection& c) {
    QSet<QString> out;
    Statement st = c.prepare(QStringLiteral("SELECT wordtable, wordid FROM schedule"));
    while (st.step())
        out.insert(st.value(0).toString() + u':' + QString::number(st.int64(1)));
    return out;
}

// One table's merge, inside the caller's transaction.
class TableMerge {
public:
    TableMerge(Connection& learner, const QString& table, const QList<Row>& shipped,
               const QHash<QString, QList<Past>>& history, const QSet<QString>& scheduled,
               Summary& summary)
        : learner_(learner), table_(table), history_(history), scheduled_(scheduled),
          summary_(summary) {
        for (const Row& s : shipped)
            shipped_.insert(keyOf(table, s.name, s.specialwl), s);
    }

    void run() {
        QSet<QString> present;
        for (const Row& mine : readRows(learner_, table_)) {
            const QString key = keyOf(table_, mine.name, mine.specialwl);
            present.insert(key);
            if (isLearnersOwn(mine))
                continue;
            if (const auto it = shipped_.constFind(key); it != shipped_.constEnd())
                update(mine, *it);
            else if (history_.contains(key) && untouched(mine, key))
                remove(mine);
        }
        for (auto it = shipped_.constBegin(); it != shipped_.constEnd(); ++it)
            if (!present.contains(it.key()))
                insert(*it);
    }

private:
    bool isLearnersOwn(const Row& r) const {
        const int list = r.groupid.toInt();
        return table_ == QLatin1String("words") && (list == 51 || list == 52);
    }

    // The text as some list shipped it (not as the learner wrote it).
    bool shipped(const QString& key, const QString& text, const QString& now, bool meaning) const {
        if (text == now)
            return true;
        const QString d = digest(text);
        for (const Past& p : history_.value(key))
            if ((meaning ? p.meaning : p.example) == d)
                return true;
        return false;
    }

    bool untouched(const Row& r, const QString& key) const {
        if (r.progress || scheduled_.contains(table_ + u':' + QString::number(r.id)))
            return false;
        bool marksShipped = false;
        for (const Past& p : history_.value(key))
            marksShipped = marksShipped || (p.bookmark == r.bookmark && p.doublebm == r.doublebm);
        return marksShipped && shipped(key, r.meaning, QString(), true) &&
               shipped(key, r.example, QString(), false);
    }

    void update(const Row& mine, const Row& s) {
        const QString key = keyOf(table_, mine.name, mine.specialwl);
        const bool meaningShipped = shipped(key, mine.meaning, s.meaning, true);
        const bool exampleShipped = shipped(key, mine.example, s.example, false);
        if (!meaningShipped || !exampleShipped)
            ++summary_.keptEdited;
        const QString meaning = meaningShipped ? s.meaning : mine.meaning;
        const QString example = exampleShipped ? s.example : mine.example;
        if (meaning == mine.meaning && example == mine.example && s.groupid == mine.groupid &&
            s.highfw == mine.highfw)
            return;
        Statement st = learner_.prepare(
            QStringLiteral("UPDATE %1 SET meaning = ?, example = ?, groupid = ?, highfw = ?"
                           " WHERE id = ?")
                .arg(table_));
        st.bind(1, meaning);
        st.bind(2, example);
        st.bind(3, s.groupid);
        st.bind(4, s.highfw);
        st.bind(5, mine.id);
        st.step();
        ++summary_.changed;
    }

    void remove(const Row& mine) {
        Statement st = learner_.prepare(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(table_));
        st.bind(1, mine.id);
        st.step();
        ++summary_.removed;
    }

    void insert(const Row& s) {
        Statement st = learner_.prepare(
            QStringLiteral("INSERT INTO %1 (name, meaning, example, groupid, bookmark, doublebm,"
                           " highfw, specialwl) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(table_));
        st.bind(1, s.name);
        st.bind(2, s.meaning);
        st.bind(3, s.example);
        st.bind(4, s.groupid);
        st.bind(5, s.bookmark);
        st.bind(6, s.doublebm);
        st.bind(7, s.highfw);
        st.bind(8, s.specialwl.isEmpty() ? QVariant() : QVariant(s.specialwl));
        st.step();
        ++summary_.added;
    }

    Connection& learner_;
    const QString table_;
    const QHash<QString, QList<Past>>& history_;
    const QSet<QString>& scheduled_;
    Summary& summary_;
    QHash<QString, Row> shipped_;
};

} // namespace

int versionOf(Connection& connection) {
    int version = 1;
    tryStep([&] {
        Statement st = connection.prepare(
            QStringLiteral("SELECT value FROM content_info WHERE key = 'version'"));
        if (st.step())
            version = std::max(1, st.value(0).toInt());
    });
    return version;
}

Summary merge(Connection& learner, const QString& shippedPath, const QString& historyPath) {
    auto shipped = Connection::open(
        QStringLiteral("Data Source=%1;Mode=Read").arg(QFileInfo(shippedPath).absoluteFilePath()));
    Summary summary;
    summary.fromVersion = versionOf(learner);
    summary.toVersion = versionOf(*shipped);
    if (summary.upToDate())
        return summary;
    if (learner.readOnly())
        throw DbError(DbErrorCode::ReadOnly);

    const QHash<QString, QList<Past>> history = readHistory(historyPath, summary.toVersion);
    QList<Row> shippedRows[2];
    for (int t = 0; t < 2; ++t)
        shippedRows[t] = readRows(*shipped, kTables[t]);

    summary.backup =
        learner.path() + QStringLiteral(".backup-words-v%1").arg(summary.fromVersion);
    SchemaUpgrade::keepCopy(learner.path(), summary.backup);

    Transaction tx(learner);
    const QSet<QString> scheduled = scheduledWords(learner);
    for (int t = 0; t < 2; ++t)
        TableMerge(learner, kTables[t], shippedRows[t], history, scheduled, summary).run();
    Statement version = learner.prepare(
        QStringLiteral("INSERT OR REPLACE INTO content_info (key, value) VALUES ('version', ?)"));
    version.bind(1, QString::number(summary.toVersion));
    version.step();
    tx.commit();
    return summary;
}

QString describe(const Summary& s) {
    if (s.upToDate())
        return QStringLiteral("The word list is up to date (version %1).").arg(s.fromVersion);
    return QStringLiteral("Word list brought up to version %1: %2 new words, %3 brought up to "
                          "date, %4 unused words removed, %5 of your own edits kept. Your "
                          "progress is kept; the file as it was is saved as %6.")
        .arg(s.toVersion)
        .arg(s.added)
        .arg(s.changed)
        .arg(s.removed)
        .arg(s.keptEdited)
        .arg(s.backup);
}

} // namespace ContentUpgrade
