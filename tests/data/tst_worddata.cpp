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

#include <algorithm>
#include <cmath>

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
// not at the start, with at most three letters against it on either side that join the word
// as written (not bandy + ed, abase + ing), and the word is not written out elsewhere.
QString exampleProblem(const QString& name, const QString& example) {
    if (example.startsWith(QLatin1String("---")))
        return QStringLiteral("begins with the placeholder");
    static const QRegularExpression placeholder(QStringLiteral("(\\S*)---(\\S*)"));
    const auto m = placeholder.match(example);
    if (!m.hasMatch())
        return QStringLiteral("no placeholder");
    static const QRegularExpression lettersAtEnd(QStringLiteral("[A-Za-z]*$"));
    static const QRegularExpression lettersAtStart(QStringLiteral("^[A-Za-z]*"));
    const QString ending = lettersAtStart.match(m.captured(2)).captured();
    if (lettersAtEnd.match(m.captured(1)).capturedLength() > 3 || ending.size() > 3)
        return QStringLiteral("more than three letters against the placeholder");
    static const QRegularExpression brokenJoin(
        QStringLiteral("[^aeiou]y/(s|es|ed|er|est)$|[^eoy]e/(ing|ed|es|er|est)$"));
    if (brokenJoin.match(name + u'/' + ending).hasMatch())
        return QStringLiteral("the ending does not join the word");
    if (example.contains(name, Qt::CaseInsensitive))
        return QStringLiteral("writes the word itself");
    return {};
}

// Why an example is not a real sentence, or empty: six words or more, one placeholder, no
// splice, synonym aside or backquote, a capital at the start and a stop at the end.
QString sentenceProblem(const QString& example) {
    static const QRegularExpression word(QStringLiteral("(?:---)?[A-Za-z]+(?:'[a-z]+)?|---"));
    static const QRegularExpression shape(QStringLiteral("^[\"']?[A-Z].*[.!?][\"']?$"));
    int words = 0;
    for (auto it = word.globalMatch(example); it.hasNext(); it.next())
        ++words;
    if (words < 6)
        return QStringLiteral("fewer than six words");
    for (const char* splice : {"...", "\u2026", "`", "(or "})
        if (example.contains(QString::fromUtf8(splice)))
            return QStringLiteral("a splice, a synonym aside or a backquote");
    if (example.count(QLatin1String("---")) != 1)
        return QStringLiteral("more than one placeholder");
    if (!shape.match(example).hasMatch())
        return QStringLiteral("not a sentence");
    return {};
}

// Why a meaning cannot teach the word, or empty: only a usage label, a bare negation or
// a single word, or cut off.
QString meaningProblem(const QString& meaning) {
    static const QRegularExpression labelOnly(
        QStringLiteral("^(\\([^)]*\\)\\s*)?(used (as|of|especially|with)\\b.*|often used as "
                       ".*|not \\w+|[A-Za-z]+)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cutOff(QStringLiteral("([,;:]| or| and| the| a)$"));
    if (meaning.trimmed().isEmpty() || labelOnly.match(meaning).hasMatch())
        return QStringLiteral("only a label, a negation or one word");
    if (cutOff.match(meaning).hasMatch())
        return QStringLiteral("cut off");
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

    void examplesAreRealSentencesAndMeaningsTeach_data() {
        QTest::addColumn<bool>("special");
        QTest::newRow("words") << false;
        QTest::newRow("special") << true;
    }
    void examplesAreRealSentencesAndMeaningsTeach() {
        QFETCH(bool, special);
        QStringList problems;
        for (const auto& w : special ? special_ : words_) {
            QString why = meaningProblem(w.meaning);
            if (why.isEmpty() && !w.example.isEmpty())
                why = sentenceProblem(w.example);
            if (!why.isEmpty())
                problems << w.name + QStringLiteral(": ") + why;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 10).join(u'\n')));
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
        QSet<QString> listed;
        for (const auto& w : words_)
            if (w.groupid <= 50)
                listed.insert(w.name);
        QStringList problems;
        int easy = 0, difficult = 0, very = 0, high = 0, n = 0;
        for (const auto& w : words_) {
            if (w.groupid <= 50 && w.name.endsWith(QLatin1String("ness"))) {
                QString base = w.name.chopped(4);
                if (listed.contains(base) ||
                    (base.endsWith(u'i') && listed.contains(base.chopped(1) + u'y')))
                    problems << w.name + QStringLiteral(": -ness form of a listed word");
            }
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

    // Each list mixes initials and keeps the overall mix of levels: no alphabetical runs.
    void everyMainListMixes_data() {
        QTest::addColumn<int>("bookmark");
        QTest::addColumn<int>("doublebm");
        QTest::addColumn<double>("share");
        QTest::newRow("Easy") << 0 << 0 << 1.0 / 2;
        QTest::newRow("Difficult") << 1 << 0 << 1.0 / 3;
        QTest::newRow("Very Difficult") << 1 << 1 << 1.0 / 6;
    }
    void everyMainListMixes() {
        QFETCH(int, bookmark);
        QFETCH(int, doublebm);
        QFETCH(double, share);
        for (int g = 1; g <= 50; ++g) {
            QMap<QChar, int> initials;
            int n = 0, level = 0;
            for (const auto& w : words_)
                if (w.groupid == g) {
                    ++n;
                    ++initials[w.name.front()];
                    level += w.bookmark == bookmark && w.doublebm == doublebm;
                }
            const QString list = QStringLiteral("list %1").arg(g);
            QVERIFY2(initials.size() >= 15, qPrintable(list));
            QVERIFY2(*std::max_element(initials.begin(), initials.end()) <= n * 15 / 100,
                     qPrintable(list));
            QVERIFY2(std::abs(double(level) / n - share) <= 0.05, qPrintable(list));
        }
    }

    void theCoreWordsAreAllInTheMainLists() {
        QFile f(QStringLiteral(VERBALOOM_SOURCE_DIR "/tools/wordlist/core.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QHash<QString, QString> examples;
        for (const auto& w : words_)
            if (w.groupid <= 50)
                examples.insert(w.name, w.example);
        static const QRegularExpression entry(QStringLiteral("^([a-z]+) [nvar] \\|"));
        int core = 0;
        for (const QByteArray& line : f.readAll().split('\n')) {
            const auto m = entry.match(QString::fromUtf8(line));
            if (!m.hasMatch())
                continue;
            ++core;
            QVERIFY2(!examples.value(m.captured(1)).isEmpty(), qPrintable(m.captured(1)));
        }
        QVERIFY(core >= 1200);
    }

    void everyCategoryIsThere() {
        QMap<QString, int> counts, examples;
        for (const auto& w : special_) {
            ++counts[w.specialwl];
            examples[w.specialwl] += !w.example.isEmpty();
            QVERIFY2(!w.meaning.trimmed().isEmpty(), qPrintable(w.name));
            QVERIFY(w.groupid >= 1);
            if (!w.example.isEmpty())
                QVERIFY2(exampleProblem(w.name, w.example).isEmpty(),
                         qPrintable(w.name + ": " + w.example));
        }
        for (const QString& category : IntelliSelect::categories()) {
            QVERIFY2(counts.value(category) >= 30, qPrintable(category));
            QVERIFY2(2 * examples.value(category) >= counts.value(category), qPrintable(category));
        }
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

    void theContentVersionIsAWholeNumberAfterTheFirst() {
        bool ok = false;
        const int version = readShared(QStringLiteral("CONTENT_VERSION")).trimmed().toInt(&ok);
        QVERIFY(ok && version >= 2);
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
