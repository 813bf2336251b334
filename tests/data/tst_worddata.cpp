// The shipped word data: the committed tables and tips, and the database the build makes
// from them. VERBALOOM_SHARE and VERBALOOM_DB point at them.
#include "data/Csv.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "data/WordDatabaseBuilder.h"
#include "selection/IntelliSelect.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readShared(const QString& name) {
    QFile f(qEnvironmentVariable("VERBALOOM_SHARE") + u'/' + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<WordDatabaseBuilder::WordRow> table(const QString& name) {
    QString error;
    auto rows = WordDatabaseBuilder::rowsFromCsv(readShared(name), &error);
    if (!error.isEmpty())
        qWarning("%s: %s", qPrintable(name), qPrintable(error));
    return rows;
}

// Why an example cannot serve the card and the game, or empty: the placeholder is there,
// not at the start, with at most three letters against it on either side, and the word is
// not written out elsewhere.
QString exampleProblem(const QString& name, const QString& example) {
    if (example.startsWith(QLatin1String("---")))
        return QStringLiteral("begins with the placeholder");
    static const QRegularExpression placeholder(QStringLiteral("(\\S*)---(\\S*)"));
    const auto m = placeholder.match(example);
    if (!m.hasMatch())
        return QStringLiteral("no placeholder");
    static const QRegularExpression lettersAtEnd(QStringLiteral("[A-Za-z]*$"));
    static const QRegularExpression lettersAtStart(QStringLiteral("^[A-Za-z]*"));
    if (lettersAtEnd.match(m.captured(1)).capturedLength() > 3 ||
        lettersAtStart.match(m.captured(2)).capturedLength() > 3)
        return QStringLiteral("more than three letters against the placeholder");
    if (example.contains(name, Qt::CaseInsensitive))
        return QStringLiteral("writes the word itself");
    return {};
}

QSet<QString> blockList() {
    QFile f(QStringLiteral(VERBALOOM_SOURCE_DIR "/tools/wordlist/blocklist.txt"));
    QSet<QString> words;
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& raw : f.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).section(u'#', 0, 0).trimmed();
            if (!line.isEmpty())
                words.insert(line.section(u' ', 0, 0).toLower());
        }
    return words;
}

} // namespace

class TestWordData : public QObject {
    Q_OBJECT
    std::vector<WordDatabaseBuilder::WordRow> words_, special_;

private slots:
    void initTestCase() {
        words_ = table(QStringLiteral("words.csv"));
        special_ = table(QStringLiteral("spwl.csv"));
        QVERIFY(!words_.empty());
        QVERIFY(!special_.empty());
    }

    void tablesSurviveACsvRoundTrip_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("words") << "words.csv";
        QTest::newRow("special") << "spwl.csv";
    }
    void tablesSurviveACsvRoundTrip() {
        QFETCH(QString, file);
        const QByteArray text = readShared(file);
        QString error;
        const auto records = Csv::parse(text, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QByteArray again;
        for (const QStringList& r : records)
            again += Csv::formatRecord(r);
        QCOMPARE(again, text);
        QVERIFY(text.contains("\""));
    }

    void theMainListsAreFullAndEven() {
        QMap<int, int> sizes;
        QSet<QString> names;
        for (const auto& w : words_) {
            ++sizes[w.groupid];
            QVERIFY2(!names.contains(w.name.toLower()), qPrintable(w.name));
            names.insert(w.name.toLower());
            QVERIFY2(w.groupid >= 1 && w.groupid <= 53 && w.groupid != 51 && w.groupid != 52,
                     qPrintable(w.name));
            QVERIFY(!w.doublebm || w.bookmark);
            QVERIFY(w.specialwl.isEmpty());
        }
        int main = 0, least = INT_MAX, most = 0;
        for (int g = 1; g <= 50; ++g) {
            main += sizes.value(g);
            least = std::min(least, sizes.value(g));
            most = std::max(most, sizes.value(g));
        }
        QVERIFY2(main >= 4000, qPrintable(QString::number(main)));
        QVERIFY(most <= least * 11 / 10);
        QVERIFY(sizes.value(53) <= 1500);
    }

    void everyMainWordIsUsable() {
        static const QRegularExpression shape(QStringLiteral("^[a-z]{3,15}$"));
        const QSet<QString> blocked = blockList();
        QVERIFY(!blocked.isEmpty());
        QStringList problems;
        int easy = 0, difficult = 0, very = 0, high = 0, n = 0;
        for (const auto& w : words_) {
            if (blocked.contains(w.name.toLower()))
                problems << w.name + QStringLiteral(": block-listed");
            if (w.meaning.trimmed().isEmpty())
                problems << w.name + QStringLiteral(": no meaning");
            if (w.groupid == 53) {
                if (!w.example.isEmpty())
                    problems << w.name + QStringLiteral(": list 53 has no examples");
                continue;
            }
            ++n;
            if (!shape.match(w.name).hasMatch())
                problems << w.name + QStringLiteral(": not 3 to 15 letters a to z");
            if (QRegularExpression(QStringLiteral("\\b%1\\b").arg(w.name),
                                   QRegularExpression::CaseInsensitiveOption)
                    .match(w.meaning)
                    .hasMatch())
                problems << w.name + QStringLiteral(": meaning names the word");
            const QString why = exampleProblem(w.name, w.example);
            if (!why.isEmpty())
                problems << w.name + QStringLiteral(": ") + why;
            easy += !w.bookmark;
            difficult += w.bookmark && !w.doublebm;
            very += w.doublebm;
            high += w.highfw;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 10).join(u'\n')));
        // Every level, filter and report group has words from the first start.
        QVERIFY(easy > n / 3 && difficult > n / 5 && very > n / 10);
        QVERIFY(high > n / 20 && high < n / 8);
    }

    void everyCategoryIsThere() {
        QMap<QString, int> counts;
        for (const auto& w : special_) {
            ++counts[w.specialwl];
            QVERIFY2(!w.meaning.trimmed().isEmpty(), qPrintable(w.name));
            QVERIFY(w.groupid >= 1);
            if (!w.example.isEmpty())
                QVERIFY2(exampleProblem(w.name, w.example).isEmpty(),
                         qPrintable(w.name + ": " + w.example));
        }
        for (const QString& category : IntelliSelect::categories())
            QVERIFY2(counts.value(category) >= 30, qPrintable(category));
        QCOMPARE(counts.size(), IntelliSelect::categories().size());
    }

    void tipsAreQuestionAndAnswerLines() {
        const QByteArray tips = readShared(QStringLiteral("TIPOFDAY.TXT"));
        QVERIFY(tips.endsWith("\r\n"));
        QByteArray bare = tips;
        bare.replace("\r\n", "");
        QVERIFY(!bare.contains('\n') && !bare.contains('\r'));
        const QStringList lines =
            QString::fromUtf8(tips).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 25);
        for (const QString& line : lines) {
            const qsizetype at = line.indexOf(QLatin1String("<newline>"));
            QVERIFY2(at > 0 && at + 9 < line.size(), qPrintable(line));
        }
    }

    void theBuiltDatabaseHoldsTheTablesWithStudyColumnsClear() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(qEnvironmentVariable("VERBALOOM_DB"),
                            dir.filePath(QStringLiteral("dbnk.db"))));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        {
            auto conn = Connection::open(ConnectionStrings::ReadOnly);
            auto all = Recordset::open(conn, QStringLiteral("select * from words"));
            QCOMPARE(all->recordCount(), int(words_.size()));
            auto studied =
                Recordset::open(conn, QStringLiteral("select * from words where readcount <> 0 or "
                                                     "sessionbm = yes or lastread IS NOT NULL"));
            QCOMPARE(studied->recordCount(), 0);
            QCOMPARE(Recordset::open(conn, QStringLiteral("select * from spwl"))->recordCount(),
                     int(special_.size()));
            auto first =
                Recordset::open(conn, QStringLiteral("select * from words where name = '") +
                                          words_.front().name + u'\'');
            QCOMPARE(first->value(QStringLiteral("meaning")).toString(), words_.front().meaning);
        }
        QDir::setCurrent(previous);
    }
};

QTEST_GUILESS_MAIN(TestWordData)
#include "tst_worddata.moc"
