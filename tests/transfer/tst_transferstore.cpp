// Importing into and exporting from a real word database: what the preview counts, how
// duplicates, lists and difficulty are stored, that an import is all or nothing (a fault on
// the n-th row, a cancel, a bad line late in the file), the exported texts, round trips
// through every format, and real files other programs wrote: KDE's KVTML files and a CSV
// saved by LibreOffice Calc.
#include "app/Random.h"
#include "data/Database.h"
#include "data/Recordset.h"
#include "data/WordStore.h"
#include "support/Fakes.h"
#include "support/Fixture.h"
#include "transfer/WordListExport.h"
#include "transfer/WordListImport.h"

#include <QDir>
#include <csignal>
#include <sys/resource.h>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

using WordListImport::PlannedRow;

QString connectionTo(const QString& path) {
    return QStringLiteral("Provider=SQLCipher;Data Source=%1;Mode=Read|Write;"
                          "Jet OLEDB:Database Password=mirtholeandraxep")
        .arg(path);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

struct Import {
    FileLayout layout;
    WordListImport::Preview preview;
    WordListImport::Outcome outcome;
};

// Inspects, previews and imports a file with the guessed layout.
Import importInto(WordStore& store, const QString& path, WordListImport::Options options = {},
                  const WordListImport::Progress& progress = {}) {
    Import i;
    QString error;
    i.layout = WordListFile::inspect(path, &error);
    if (!error.isEmpty()) {
        i.outcome.error = error;
        return i;
    }
    i.preview = WordListImport::preview(path, i.layout, store);
    SequenceRandom random({0.1, 0.9});
    i.outcome = WordListImport::importFile(store, path, i.layout, options, random, progress);
    return i;
}

// name|meaning|example of every word, in name order.
QStringList wordsOf(const QString& databasePath) {
    const auto rows = Recordset::open(Connection::open(connectionTo(databasePath)),
                                      QStringLiteral("select * from words"));
    QStringList out;
    rows->forEachRow({QStringLiteral("name"), QStringLiteral("meaning"),
                      QStringLiteral("example")},
                     [&](int, const QVariantList& v) {
                         out << v[0].toString() + u'|' + v[1].toString() + u'|' + v[2].toString();
                     });
    out.sort();
    return out;
}

} // namespace

class TestTransferStore : public QObject {
    Q_OBJECT
private slots:
    void init() { Random::setGlobal(nullptr); }

    void previewTellsNewDuplicateRepeatedAndRefusedRows() {
        FixtureDb db;
        WordStore store(Connection::open(ConnectionStrings::ReadWrite));
        const QString path =
            writeTestFile(db.dir() + QStringLiteral("/list.csv"),
                          "word,meaning\nABASE,to lower\nzeal,ardour\n,nothing\n"
                          "Zeal,again\nlaconic,brief\n1234,digits\nquell,to calm\n");
        QString error;
        const FileLayout layout = WordListFile::inspect(path, &error);
        const auto p = WordListImport::preview(path, layout, store);
        QCOMPARE(p.error, QString());
        QCOMPARE((QList<qint64>{p.newWords, p.existing, p.repeated, p.refused}),
                 (QList<qint64>{2, 2, 1, 2}));
        QStringList statuses;
        for (const PlannedRow& row : p.rows)
            statuses << QStringLiteral("%1 %2 %3").arg(row.line).arg(int(row.status)).arg(row.word);
        QCOMPARE(statuses, (QStringList{"2 1 ABASE", "3 0 zeal", "4 3 ", "5 2 Zeal",
                                        "6 1 laconic", "7 3 1234", "8 0 quell"}));
        QStringList refusals;
        for (const PlannedRow& row : p.refusals)
            refusals << WordListImport::refusalLine(row);
        QCOMPARE(refusals, (QStringList{"line 4: there is no word", "line 7: the word has no letter"}));
        QCOMPARE(db.scalar("select count(*) from words").toInt(), 8); // nothing written yet
    }

    void duplicatesAreSkippedOrUpdated_data() {
        QTest::addColumn<bool>("update");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("abase");
        QTest::addColumn<QString>("zeal");
        QTest::newRow("skip") << false << "Imported 1 words, skipped 2 duplicates, 1 rows refused"
                              << "meaning of abase|They used --- in a sentence about 1."
                              << "ardour|";
        // An empty cell leaves what is stored; a repeated row updates the one before it.
        QTest::newRow("update") << true << "Imported 3 words, skipped 0 duplicates, 1 rows refused"
                                << "to lower|They used --- in a sentence about 1."
                                << "fervour|";
    }
    void duplicatesAreSkippedOrUpdated() {
        QFETCH(bool, update);
        QFETCH(QString, summary);
        QFETCH(QString, abase);
        QFETCH(QString, zeal);
        FixtureDb db;
        WordStore store(Connection::open(ConnectionStrings::ReadWrite));
        const QString path = writeTestFile(db.dir() + QStringLiteral("/list.csv"),
                                           "word,meaning,example\nAbase,to lower,\nzeal,ardour,\n"
                                           "ZEAL,fervour,\n,x,\n");
        WordListImport::Options options;
        options.updateExisting = update;
        const Import i = importInto(store, path, options);
        QCOMPARE(WordListImport::summary(i.outcome), summary);
        QCOMPARE(db.scalar("select meaning || '|' || example from words where name = 'abase'")
                     .toString(),
                 abase);
        QCOMPARE(db.scalar("select meaning || '|' || ifnull(example, '') from words"
                           " where name = 'zeal'").toString(),
                 zeal);
    }

    void newWordsAreStoredAsAddWordStoresThem_data() {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<QString>("marks");
        QTest::newRow("easy") << int(NewWord::Easy) << "00";
        QTest::newRow("difficult") << int(NewWord::Difficult) << "10";
        QTest::newRow("very difficult") << int(NewWord::VeryDifficult) << "11";
    }
    void newWordsAreStoredAsAddWordStoresThem() {
        QFETCH(int, difficulty);
        QFETCH(QString, marks);
        FixtureDb db;
        WordStore store(Connection::open(ConnectionStrings::ReadWrite));
        const QString path = writeTestFile(db.dir() + QStringLiteral("/list.tsv"),
                                           "  quell \tto calm\tThey quelled the riot.\n"
                                           "zeal\tardour\t\n");
        WordListImport::Options options;
        options.difficulty = NewWord::Difficulty(difficulty);
        const Import i = importInto(store, path, options);
        QCOMPARE(i.outcome.counts.added, 2);
        // The draws 0.1 and 0.9 give the lists 51 and 52.
        QCOMPARE(db.scalar("select group_concat(name || ':' || groupid || ':' || bookmark ||"
                           " doublebm || ':' || readcount || ':' || ifnull(lastread, '-'), ' ')"
                           " from words where id > 8")
                     .toString(),
                 QStringLiteral("quell:51:%1:0:- zeal:52:%1:0:-").arg(marks));
        QCOMPARE(db.scalar("select example from words where name = 'quell'").toString(),
                 QStringLiteral("They ---ed the riot."));
    }

    // Whatever stops an import midway, the database is exactly as it was before.
    void anImportIsAllOrNothing_data() {
        QTest::addColumn<QString>("stop");
        QTest::newRow("the database refuses the 1500th row") << "fault";
        QTest::newRow("the learner cancels") << "cancel";
        QTest::newRow("a line late in the file is not UTF-8") << "latin1";
    }
    void anImportIsAllOrNothing() {
        QFETCH(QString, stop);
        FixtureDb db;
        QByteArray rows;
        for (int i = 0; i < 3000; ++i)
            rows += "word" + QByteArray::number(i) + ",meaning " + QByteArray::number(i) + "\n";
        if (stop == QLatin1String("latin1"))
            rows += "caf\xE9,coffee\n";
        const QString path = writeTestFile(db.dir() + QStringLiteral("/list.csv"), rows);
        if (stop == QLatin1String("fault"))
            db.scalar("CREATE TRIGGER fault BEFORE INSERT ON words WHEN"
                      " (SELECT count(*) FROM words) >= 1508 BEGIN"
                      " SELECT RAISE(ABORT, 'disk trouble'); END");
        const QString before = db.dump();
        WordStore store(Connection::open(ConnectionStrings::ReadWrite));
        int calls = 0;
        const Import i = importInto(store, path, {}, [&](qint64, qint64) {
            return stop != QLatin1String("cancel") || ++calls < 3;
        });
        QCOMPARE(i.outcome.counts.added, 0);
        QCOMPARE(i.outcome.cancelled, stop == QLatin1String("cancel"));
        QCOMPARE(i.outcome.error.isEmpty(), stop == QLatin1String("cancel"));
        if (stop == QLatin1String("latin1"))
            QVERIFY2(i.outcome.error.startsWith(QStringLiteral("list.csv, line 3001: this is not "
                                                               "UTF-8 text")),
                     qPrintable(i.outcome.error));
        QCOMPARE(db.dump(), before);
        // And the store goes on working after it.
        QVERIFY(store.addWord({QStringLiteral("quell"), {}, {}, {}, 51}) > 0);
    }

    void exportedTexts_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("masked");
        QTest::addColumn<bool>("progress");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("csv: guarded formulas, quoting, the word put back")
            << "out.csv" << false << false
            << QByteArray("\xEF\xBB\xBFWord,Meaning,Example,List,Difficulty\r\n"
                          "abase,\"to lower, \"\"humble\"\"\",They abased him.,51,difficult\r\n"
                          "'-ism,'=a doctrine,\"line one\nline two\",7,very difficult\r\n");
        QTest::newRow("csv with progress, masked")
            << "out.csv" << true << true
            << QByteArray("\xEF\xBB\xBFWord,Meaning,Example,List,Difficulty,Times studied,"
                          "Last studied\r\n"
                          "abase,\"to lower, \"\"humble\"\"\",They ---d him.,51,difficult,3,"
                          "2024-05-01\r\n"
                          "'-ism,'=a doctrine,\"line one\nline two\",7,very difficult,0,\r\n");
        QTest::newRow("tsv for flashcard programs")
            << "out.tsv" << false << false
            << QByteArray("#separator:tab\n#html:false\n#columns:Word\tMeaning\tExample\tList\t"
                          "Difficulty\n"
                          "abase\tto lower, \"\"humble\"\"\tThey abased him.\t51\tdifficult\n"
                          "-ism\t=a doctrine\t\"line one\nline two\"\t7\tvery difficult\n")
                   .replace("to lower, \"\"humble\"\"", "\"to lower, \"\"humble\"\"\"");
    }
    void exportedTexts() {
        QFETCH(QString, file);
        QFETCH(bool, masked);
        QFETCH(bool, progress);
        QFETCH(QByteArray, text);
        WordRow abase;
        abase.name = QStringLiteral("abase");
        abase.meaning = QStringLiteral("to lower, \"humble\"");
        abase.example = QStringLiteral("They ---d him.");
        abase.groupid = 51;
        abase.bookmark = true;
        abase.readcount = 3;
        abase.lastread = QDate(2024, 5, 1);
        WordRow ism;
        ism.name = QStringLiteral("-ism");
        ism.meaning = QStringLiteral("=a doctrine");
        ism.example = QStringLiteral("line one\nline two");
        ism.groupid = 7;
        ism.doublebm = true;
        FixtureDb db({abase, ism}, {});
        const auto rows = Recordset::open(Connection::open(ConnectionStrings::ReadOnly),
                                          QStringLiteral("select * from words"));
        const QString path = db.dir() + u'/' + file;
        QString error;
        QVERIFY(WordListExport::write(path, {*WordListExport::formatOf(path), masked, progress},
                                      *rows, &error));
        QCOMPARE(readFile(path), text);
    }

    // Export the selection, import it into a fresh database: the same words, meanings and
    // examples, whatever the format and the masking.
    void roundTrips_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("masked");
        for (const char* file : {"words.csv", "words.tsv", "words.kvtml"})
            for (bool masked : {false, true})
                QTest::addRow("%s %s", file, masked ? "masked" : "word put back")
                    << QString::fromLatin1(file) << masked;
    }
    void roundTrips() {
        QFETCH(QString, file);
        QFETCH(bool, masked);
        std::vector<WordRow> words = FixtureDb::defaultWords();
        const char* const tricky[][3] = {
            {"-ism", "=a doctrine; +1 @all", "Every --- fades."},
            {"naïve", "line one\nline two, \"quoted\"", "A \t tab and ; semicolon"},
            {"abet", "to help <b>a crime</b> &amp; more", "She ---ted the thief."},
            {"vilify", "#not a header", "The press ---ed him."},
            {"tie", "'tis", "They were ---ing the boat."},
        };
        for (const auto& t : tricky) {
            WordRow r;
            r.name = QString::fromUtf8(t[0]);
            r.meaning = QString::fromUtf8(t[1]);
            r.example = QString::fromUtf8(t[2]);
            r.groupid = 52;
            words.push_back(r);
        }
        FixtureDb from(words, {});
        QTemporaryDir to;
        WordDatabaseBuilder::create(to.filePath(QStringLiteral("dbnk.db")), {}, {});
        const QString path = to.filePath(file);
        {
            const auto rows = Recordset::open(Connection::open(ConnectionStrings::ReadOnly),
                                              QStringLiteral("select * from words"));
            QString error;
            QVERIFY(WordListExport::write(path, {*WordListExport::formatOf(path), masked, true},
                                          *rows, &error));
        }
        WordStore store(Connection::open(connectionTo(to.filePath(QStringLiteral("dbnk.db")))));
        const Import i = importInto(store, path);
        QCOMPARE(i.outcome.error, QString());
        QCOMPARE(i.preview.refused, 0);
        QCOMPARE(wordsOf(to.filePath(QStringLiteral("dbnk.db"))), wordsOf(from.path()));
    }

    // The file system refuses the write halfway (a file size limit, which holds for every
    // user): the file that was there stays as it was, and no temporary file is left.
    void anExportThatFailsLeavesTheFileAsItWas() {
        FixtureDb db(FixtureDb::generatedWords(5000), {});
        const QString folder = db.dir() + QStringLiteral("/out");
        QDir().mkpath(folder);
        const QString path = writeTestFile(folder + QStringLiteral("/words.csv"), "precious\n");
        const auto rows = Recordset::open(Connection::open(ConnectionStrings::ReadOnly),
                                          QStringLiteral("select * from words"));
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit small{64 * 1024, before.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        QString error;
        const bool written = WordListExport::write(path, {}, *rows, &error);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QVERIFY2(error.startsWith(QStringLiteral("words.csv cannot be written")), qPrintable(error));
        QCOMPARE(readFile(path), QByteArray("precious\n"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"words.csv"});
    }

    // The KVTML written is shaped as KDE's own files are: every element where their files
    // have it (a lesson's lessons before its entries), besides the elements of the format
    // they happen not to use (examples, grades).
    void kvtmlIsShapedAsKdesOwnFiles() {
        const QDir kde(QStringLiteral("/usr/share/apps/kvtml"));
        if (!kde.exists())
            QSKIP("KDE's vocabulary files are missing: install kdeedu-kvtml-data "
                  "(scripts/install-deps does)");
        auto shape = [](const QString& path) {
            QSet<QString> paths;
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            QXmlStreamReader xml(&f);
            QStringList open;
            QHash<QString, QString> lastChild; // per open path, the last child element seen
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement()) {
                    const QString parent = open.join(u'/');
                    open << xml.name().toString();
                    paths << open.join(u'/');
                    if (lastChild.value(parent) == QLatin1String("entry") &&
                        xml.name() == QLatin1String("container"))
                        paths << parent + QStringLiteral(": container after entry");
                    lastChild[parent] = xml.name().toString();
                } else if (xml.isEndElement()) {
                    lastChild.remove(open.join(u'/'));
                    open.removeLast();
                }
            }
            return paths;
        };
        QSet<QString> theirs;
        for (const QString& language : kde.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString& file : QDir(kde.filePath(language)).entryList({"*.kvtml"}))
                if (!readFile(kde.filePath(language + u'/' + file)).contains("<e>"))
                    theirs += shape(kde.filePath(language + u'/' + file));
        for (const char* unused :
             {"kvtml/entries/entry/translation/example", "kvtml/entries/entry/translation/grade",
              "kvtml/entries/entry/translation/grade/count",
              "kvtml/entries/entry/translation/grade/date", "kvtml/information/date",
              "kvtml/lessons/container/container", "kvtml/lessons/container/container/name",
              "kvtml/lessons/container/container/inpractice",
              "kvtml/lessons/container/container/entry"})
            theirs << QString::fromLatin1(unused);

        WordRow hard;
        hard.name = QStringLiteral("abstruse");
        hard.example = QStringLiteral("An --- text.");
        hard.bookmark = true;
        hard.readcount = 2;
        hard.lastread = QDate(2024, 1, 2);
        WordRow easy;
        easy.name = QStringLiteral("abase");
        easy.meaning = QStringLiteral("to lower");
        FixtureDb db({hard, easy}, {});
        const auto rows = Recordset::open(Connection::open(ConnectionStrings::ReadOnly),
                                          QStringLiteral("select * from words"));
        const QString path = db.dir() + QStringLiteral("/out.kvtml");
        QString error;
        QVERIFY(WordListExport::write(path, {WordListExport::Format::Kvtml, false, true}, *rows,
                                      &error));
        const QSet<QString> ours = shape(path);
        QVERIFY(ours.contains(QStringLiteral("kvtml/lessons/container/container/entry")));
        QCOMPARE(ours - theirs, QSet<QString>());
        QVERIFY(readFile(path).startsWith(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
            "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"2.0\">"));
    }

    // KDE's own vocabulary files, as Debian ships them (kdeedu-kvtml-data): one-language
    // files whose comment is the hint, in several languages and writing systems.
    void kdeVocabularyFilesImport_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("first");
        QTest::newRow("English") << "en/animals.kvtml" << "";
        QTest::newRow("German") << "de/animals.kvtml" << "";
        QTest::newRow("Spanish, old lessons") << "es/animals.kvtml" << "oso";
        QTest::newRow("Norwegian Nynorsk, containers") << "nn/animals.kvtml" << "bjørn";
        QTest::newRow("Ukrainian") << "uk/animals.kvtml" << "";
        QTest::newRow("Greek") << "el/fruits.kvtml" << "";
        QTest::newRow("Norwegian Bokmål, KVTML 1") << "nb/animals.kvtml" << "kattunge";
    }
    void kdeVocabularyFilesImport() {
        QFETCH(QString, file);
        QFETCH(QString, first);
        const QString path = QStringLiteral("/usr/share/apps/kvtml/") + file;
        if (!QFile::exists(path))
            QSKIP("KDE's vocabulary files are missing: install kdeedu-kvtml-data "
                  "(scripts/install-deps does)");
        // Entries are counted before the lessons, which name them again.
        QByteArray xml = readFile(path);
        if (const qsizetype end = xml.indexOf("</entries>"); end >= 0)
            xml.truncate(end);
        const qint64 entries = xml.count("<entry id=") + xml.count("<e>") + xml.count("<e ");
        FixtureDb db({}, {});
        WordStore store(Connection::open(ConnectionStrings::ReadWrite));
        const Import i = importInto(store, path);
        QCOMPARE(i.outcome.error, QString());
        QVERIFY(i.preview.rows.size() > 10);
        if (!first.isEmpty())
            QCOMPARE(i.preview.rows.first().word, first);
        // Every entry is a word, a repeated one or a refused one.
        QCOMPARE(i.preview.newWords + i.preview.repeated + i.preview.refused, entries);
        QCOMPARE(db.scalar("select count(*) from words").toLongLong(), i.outcome.counts.added);
        QVERIFY(i.outcome.counts.added >= i.preview.newWords);
        if (i.layout.kvtml.version == 2) {
            // The comment, the hint of a one-language file, is the meaning.
            QVERIFY(std::any_of(i.preview.rows.begin(), i.preview.rows.end(),
                                [](const PlannedRow& r) { return !r.meaning.isEmpty(); }));
        }
    }

    // A CSV saved by LibreOffice Calc 7.4 (its CSV filter: every text quoted, numbers not,
    // line breaks inside quotes), from data/libreoffice-calc.fods.
    void aCsvSavedByLibreOfficeImports() {
        FixtureDb db({}, {});
        WordStore store(Connection::open(ConnectionStrings::ReadWrite));
        const Import i = importInto(
            store, QStringLiteral(VERBALOOM_SOURCE_DIR "/tests/transfer/data/libreoffice-calc.csv"));
        QCOMPARE(i.outcome.error, QString());
        QVERIFY(i.layout.headerRow);
        QStringList refusals;
        for (const PlannedRow& row : i.preview.refusals)
            refusals << WordListImport::refusalLine(row);
        QCOMPARE(refusals, QStringList{"line 8: the word has no letter"});
        QCOMPARE(wordsOf(db.path()),
                 (QStringList{
                     "=cynic|A person who believes all people are motivated by selfishness|",
                     "abase|Cause to feel shame; hurt the pride of|He tried to --- himself before "
                     "the king.",
                     "equivocal|Open to two or more interpretations, \"ambiguous\"|His answer was "
                     "---, as always.",
                     "façade|The face of a building|The façade was lit at night.",
                     "naïve|Marked by innocent simplicity|A naïve question;\nasked twice.",
                     "zeitgeist|The spirit of the time|Their music caught the --- of the "
                     "sixties."}));
    }
};

QTEST_GUILESS_MAIN(TestTransferStore)
#include "tst_transferstore.moc"
