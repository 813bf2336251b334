// Reading word-list files: delimited text (quoting, byte-order marks, delimiters, header
// rows, flashcard headers, line numbers), KVTML, bad input of every kind with bounded
// memory, and the rules for cells: HTML, the formula guard and the masked examples.
#include "support/Fixture.h"
#include "transfer/DelimitedText.h"
#include "transfer/ExampleMask.h"
#include "transfer/FieldText.h"
#include "transfer/WordListFile.h"
#include "transfer/WordListImport.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// AddressSanitizer keeps freed memory aside for a while, so resident memory says nothing of
// what the reader holds there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

namespace {

// The records of some bytes as "line:cell|cell" (refused ones as "line:!reason"), and the
// error last.
QString readAll(const QByteArray& bytes, char delimiter) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    DelimitedText::Reader reader(buffer, delimiter);
    QStringList out;
    SourceRecord r;
    while (reader.next(r))
        out << QStringLiteral("%1:%2").arg(r.line).arg(
                   r.refusal.isEmpty() ? r.fields.join(u'|') : u'!' + r.refusal);
    if (!reader.error().isEmpty())
        out << QStringLiteral("error ") + reader.error();
    return out.join(QStringLiteral(" / "));
}

// A memory figure of /proc/self/status in MiB: "VmHWM" the peak since the last reset,
// "VmRSS" the resident size now.
qint64 memoryMiB(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').first().toLongLong() / 1024;
    return -1;
}
void resetPeak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace

class TestTransferFormats : public QObject {
    Q_OBJECT
private slots:
    void delimitedRecords_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<char>("delimiter");
        QTest::addColumn<QString>("records");
        QTest::newRow("plain, LF") << QByteArray("abase,to lower\nabate,to lessen\n") << ','
                                   << "1:abase|to lower / 2:abate|to lessen";
        QTest::newRow("CR LF, no final break")
            << QByteArray("abase,to lower\r\nabate,to lessen") << ','
            << "1:abase|to lower / 2:abate|to lessen";
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFword,meaning\n") << ','
                                         << "1:word|meaning";
        QTest::newRow("quoted delimiter and doubled quotes")
            << QByteArray("\"abase, v.\",\"to \"\"lower\"\"\"\n") << ','
            << "1:abase, v.|to \"lower\"";
        QTest::newRow("line break in quotes keeps the line count")
            << QByteArray("a,\"one\r\ntwo\"\nb,x\n\"c\nd\ne\",y\nf,z\n") << ','
            << "1:a|one\r\ntwo / 3:b|x / 4:c\nd\ne|y / 7:f|z";
        QTest::newRow("empty rows below the data are left out")
            << QByteArray("a,1\n,,\n\n  ,\nb,2\n,,\n") << ',' << "1:a|1 / 5:b|2";
        QTest::newRow("tab") << QByteArray("a\tone, two\tex\n") << '\t' << "1:a|one, two|ex";
        QTest::newRow("quote inside an unquoted cell is text")
            << QByteArray("o'clock,5\" long\n") << ',' << "1:o'clock|5\" long";
        QTest::newRow("quote never closes")
            << QByteArray("a,1\nb,\"open\nc,2\n") << ',' << "1:a|1 / 2:!a quoted field never closes";
        QTest::newRow("flashcard headers are no records")
            << QByteArray("#separator:tab\n#html:true\n#notetype column:1\nBasic\tfront\tback\n")
            << '\t' << "4:Basic|front|back";
        QTest::newRow("a word starting with # is a record")
            << QByteArray("#hashtag,a label\n") << ',' << "1:#hashtag|a label";
        QTest::newRow("NUL byte") << QByteArray("a,1\nb,\0\n", 8) << ','
                                  << "1:a|1 / error line 2: this is not a text file";
        QTest::newRow("Latin-1")
            << QByteArray("caf\xC3\xA9,ok\nna\xEFve,naive\n") << ','
            << "1:café|ok / error line 2: this is not UTF-8 text (perhaps Latin-1 or "
               "Windows-1252); save the file as UTF-8 and import it again";
        QTest::newRow("overlong UTF-8") << QByteArray("\xC0\xAF,x\n") << ','
                                        << "error line 1: this is not UTF-8 text (perhaps "
                                           "Latin-1 or Windows-1252); save the file as UTF-8 "
                                           "and import it again";
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFEw\0o\0", 6) << ','
                                << "error line 1: this is UTF-16 text; save the file as UTF-8 "
                                   "and import it again";
    }
    void delimitedRecords() {
        QFETCH(QByteArray, bytes);
        QFETCH(char, delimiter);
        QFETCH(QString, records);
        QCOMPARE(readAll(bytes, delimiter), records);
    }

    void oversizedCellsAndRowsAreRefusedAndReadingGoesOn() {
        const QByteArray megabyte(1024 * 1024, 'x');
        const QString big = readAll("a,1\nb," + megabyte + "\nc,\"" + megabyte + "\"\nd,4\n", ',');
        QCOMPARE(big, QStringLiteral("1:a|1 / 2:!a cell is longer than 64 KiB / 3:!a cell is "
                                     "longer than 64 KiB / 4:d|4"));
        QByteArray wide = "w";
        for (int i = 0; i < 10000; ++i)
            wide += ",c";
        QCOMPARE(readAll("a,1\n" + wide + "\nd,4\n", ','),
                 QStringLiteral("1:a|1 / 2:!more than 256 columns / 3:d|4"));
    }

    void delimiterAndHeaders_data() {
        QTest::addColumn<QByteArray>("sample");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QString>("headers");
        QTest::newRow("comma") << QByteArray("a,b,c\nd,e,f\n") << "," << "";
        QTest::newRow("semicolon with commas in text")
            << QByteArray("a;one, two;x\nb;three, four;y\nc;five;z\n") << ";" << "";
        QTest::newRow("tab beats commas inside cells")
            << QByteArray("a\tone, two, three\nb\tfour, five\n") << "\t" << "";
        QTest::newRow("quoted delimiters do not count")
            << QByteArray("a;\"x,y,z\"\nb;\"p,q,r\"\n") << ";" << "";
        QTest::newRow("one word a line") << QByteArray("abase\nabate\n") << "," << "";
        QTest::newRow("flashcard export")
            << QByteArray("#separator:tab\n#html:true\n#columns:Front\tBack\tTags\n"
                          "#guid column:1\n#deck column:2\nid\tdeck\tf\tb\n")
            << "\t" << "sep=\t html=1 columns=Front,Back,Tags meta=0,1";
        QTest::newRow("separator by name, html false")
            << QByteArray("#separator:Semicolon\n#html:false\na;b\n") << ";"
            << "sep=; html=0 columns= meta=";
    }
    void delimiterAndHeaders() {
        QFETCH(QByteArray, sample);
        QFETCH(QString, delimiter);
        QFETCH(QString, headers);
        const DelimitedText::Headers h = DelimitedText::parseHeaders(sample);
        QCOMPARE(QString(QLatin1Char(h.separator.value_or(
                     DelimitedText::detectDelimiter(sample)))),
                 delimiter);
        QStringList meta;
        for (int m : h.metaColumns)
            meta << QString::number(m);
        const QString described =
            h.lineCount == 0 ? QString()
                             : QStringLiteral("sep=%1 html=%2 columns=%3 meta=%4")
                                   .arg(QLatin1Char(h.separator.value_or('?')))
                                   .arg(h.html.value_or(false) ? 1 : 0)
                                   .arg(h.columns.join(u','), meta.join(u','));
        QCOMPARE(described, headers);
    }

    // What the preview guesses of a file: format, delimiter, header row, column names and
    // the word, meaning and example columns; or the message naming the file and line.
    void inspectGuessesTheLayout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("layout");
        QTest::newRow("header row names the columns in any order")
            << "list.csv" << QByteArray("Example;Word;Definition\nAn --- act;abase;to lower\n")
            << "; header Example,Word,Definition word=1 meaning=2 example=0";
        QTest::newRow("no header: the first three columns")
            << "list.csv" << QByteArray("abase,to lower,They --- him\nabate,to lessen,x\n")
            << ", Column 1,Column 2,Column 3 word=0 meaning=1 example=2";
        QTest::newRow("two columns") << "list.txt" << QByteArray("abase\tto lower\n")
                                     << "\t Column 1,Column 2 word=0 meaning=1 example=-1";
        QTest::newRow("flashcard export skips id and deck columns")
            << "deck.txt"
            << QByteArray("#separator:tab\n#html:true\n#guid column:1\n#deck column:2\n"
                          "x1\tEnglish\tabase\tto <b>lower</b>\n")
            << "\t html Column 1,Column 2,Column 3,Column 4 word=2 meaning=3 example=-1";
        QTest::newRow("HTML seen without a header")
            << "deck.txt" << QByteArray("abase\tto lower<br>to humble\n")
            << "\t html Column 1,Column 2 word=0 meaning=1 example=-1";
        QTest::newRow("empty") << "empty.csv" << QByteArray("")
                               << "error empty.csv is empty: there are no words in it.";
        QTest::newRow("blank lines only") << "blank.csv" << QByteArray("\xEF\xBB\xBF\n\n")
                                          << "error blank.csv is empty: there are no words in it.";
        QTest::newRow("binary")
            << "picture.csv" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
            << "error picture.csv, line 1: this is not UTF-8 text (perhaps Latin-1 or "
               "Windows-1252); save the file as UTF-8 and import it again";
        QTest::newRow("malformed XML") << "broken.kvtml"
                                       << QByteArray("<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">"
                                                     "\n<identifiers>\n<identifier id=\"0\">\n"
                                                     "</identifiers>\n</kvtml>\n")
                                       << "error broken.kvtml, line 5: Opening and ending tag "
                                          "mismatch.";
        QTest::newRow("XML that is no KVTML")
            << "other.xml" << QByteArray("<?xml version=\"1.0\"?>\n<html/>\n")
            << "error other.xml, line 2: this XML file is no KVTML vocabulary file";
        QTest::newRow("one-language KVTML: the comment is the meaning")
            << "one.kvtml" << QByteArray("<kvtml version=\"2.0\"><identifiers><identifier id=\"0\">"
                                         "<locale>en</locale></identifier></identifiers><entries/>"
                                         "</kvtml>")
            << "xml en text,en comment,en example,en paraphrase,Lesson word=0 meaning=1 "
               "example=2";
        QTest::newRow("two-language KVTML: the second text is the meaning")
            << "two.kvtml"
            << QByteArray("<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><name>English"
                          "</name></identifier><identifier id=\"1\"><name>Deutsch</name>"
                          "</identifier></identifiers></kvtml>")
            << "xml English text,English comment,English example,English paraphrase,Deutsch "
               "text,Deutsch comment,Deutsch example,Deutsch paraphrase,Lesson word=0 meaning=4 "
               "example=2";
    }
    void inspectGuessesTheLayout() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, layout);
        QTemporaryDir dir;
        QString error;
        const FileLayout l =
            WordListFile::inspect(writeTestFile(dir.filePath(name), bytes), &error);
        if (!error.isEmpty()) {
            QCOMPARE(QStringLiteral("error ") + error, layout);
            return;
        }
        const QString kind = l.format == FileLayout::Format::Kvtml ? QStringLiteral("xml")
                                                                    : QString(QLatin1Char(l.delimiter));
        QString described = kind + (l.headerRow ? QStringLiteral(" header") : QString()) +
                            (l.html ? QStringLiteral(" html") : QString());
        described += QStringLiteral(" %1 word=%2 meaning=%3 example=%4")
                         .arg(l.columns.join(u','))
                         .arg(l.word)
                         .arg(l.meaning)
                         .arg(l.example);
        QCOMPARE(described, layout);
    }

    void kvtmlEntriesWithLessons() {
        QTemporaryDir dir;
        const QString path = writeTestFile(dir.filePath(QStringLiteral("deck.kvtml")),
                                           R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
  <information><title>Test</title></information>
  <identifiers>
    <identifier id="0"><name>English</name><locale>en</locale></identifier>
    <identifier id="1"><name>Meaning</name><locale>en</locale></identifier>
  </identifiers>
  <entries>
    <entry id="7">
      <translation id="1"><text>to lower</text></translation>
      <translation id="0"><text>abase</text><comment>verb</comment>
        <example>They &lt;b&gt;abased&lt;/b&gt; him.</example>
        <grade fromid="1"><currentgrade>2</currentgrade></grade></translation>
    </entry>
    <entry id="8"><translation id="0"><text><![CDATA[abate]]></text></translation></entry>
    <entry id="9"><translation id="0"><text>loner</text></translation></entry>
  </entries>
  <lessons>
    <container><name>Verbs</name>
      <entry id="8"/>
      <container><name>Hard</name><entry id="7"/></container>
    </container>
  </lessons>
</kvtml>
)");
        QString error;
        const FileLayout layout = WordListFile::inspect(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        auto records = WordListFile::Records::open(path, layout, &error);
        QStringList seen;
        SourceRecord r;
        while (records->next(r))
            seen << QStringLiteral("%1:%2/%3/%4/%5")
                        .arg(r.line)
                        .arg(r.fields[0], r.fields[4], r.fields[2], r.fields.last());
        QCOMPARE(records->error(), QString());
        QCOMPARE(seen, (QStringList{"10:abase/to lower/They <b>abased</b> him./Verbs / Hard",
                                    "16:abate///Verbs", "17:loner///"}));
    }

    void kvtmlVersionOneEntries() {
        QTemporaryDir dir;
        const QString path = writeTestFile(dir.filePath(QStringLiteral("old.kvtml")),
                                           "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml SYSTEM "
                                           "\"kvoctrain.dtd\">\n<kvtml encoding=\"UTF-8\">\n<e>\n"
                                           "<o>kattunge</o>\n<t>kitten</t>\n</e>\n</kvtml>\n");
        QString error;
        const FileLayout layout = WordListFile::inspect(path, &error);
        auto records = WordListFile::Records::open(path, layout, &error);
        SourceRecord r;
        QVERIFY(records->next(r));
        const auto row = WordListImport::planRow(r, layout);
        QCOMPARE(row.word + u'=' + row.meaning, QStringLiteral("kattunge=kitten"));
        QCOMPARE(row.line, 4);
    }

    // A 100 MB file is read through without holding it: memory stays bounded whatever the
    // rows hold, and the look at the file stops at the row limit with a message.
    void aHundredMegabyteFileIsStreamedInBoundedMemory() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.csv"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray block;
            for (int i = 0; i < 2000; ++i)
                block += "w" + QByteArray::number(i) + ",a meaning that is rather long for a word "
                         "list of this kind,\"an example, quoted\"\n";
            while (f.size() < 100 * 1024 * 1024)
                f.write(block);
        }
        QString error;
        const FileLayout layout = WordListFile::inspect(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const qint64 before = memoryMiB("VmRSS");
        resetPeak();
        auto records = WordListFile::Records::open(path, layout, &error);
        SourceRecord r;
        qint64 count = 0;
        while (records->next(r))
            ++count;
        QCOMPARE(records->error(), QString());
        QVERIFY(count > 1000000);
        if (!kSanitized)
            QVERIFY2(memoryMiB("VmHWM") - before < 20,
                     qPrintable(QString::number(memoryMiB("VmHWM") - before)));
    }

    void examplesAreMaskedAsTheShippedOnes_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("masked");
        // Made with tools/wordlist/usage.py's mask_example over every part of speech.
        const char* const cases[][3] = {
            {"abase", "They tried to abase him in public.", "They tried to --- him in public."},
            {"abase", "He was abased by the scandal.", "He was ---d by the scandal."},
            {"abase", "Stop abasing yourself.", "Stop ---ing yourself."},
            {"abet", "She abetted the thief.", "She ---ted the thief."},
            {"abet", "He was abetting the crime.", "He was ---ing the crime."},
            {"vilify", "The press vilified the minister.", "The press ---ed the minister."},
            {"vilify", "The press vilifies him daily.", "The press ---s him daily."},
            {"tie", "They were tying the boat.", "They were ---ing the boat."},
            {"panic", "The crowd panicked at once.", "The crowd ---ked at once."},
            {"panic", "Stop panicking now.", "Stop ---ing now."},
            {"box", "Put the boxes in the hall.", "Put the ---es in the hall."},
            {"fly", "The flies were everywhere.", "The ---s were everywhere."},
            {"happy", "She was happier than before.", "She was ---er than before."},
            {"happy", "The happiest day of the year.", "The ---est day of the year."},
            {"big", "A much bigger house.", "A much ---ger house."},
            {"big", "The biggest house in town.", "The ---est house in town."},
            {"fine", "A finer point of law.", "A ---r point of law."},
            {"fine", "The fined driver paid.", "The ---d driver paid."},
            {"laconic", "Laconic replies annoy him.", ""},
            {"laconic", "His reply was laconic and laconic.", ""},
            {"laconic", "He answered laconically, being laconic.", ""},
            {"laconic", "His answer was laconic.", "His answer was ---."},
            {"laconic", "A laconic-style answer.", ""},
            {"laconic", "The laconic's reply.", ""},
            {"laconic", "A laconic -- reply.", ""},
            {"laconic", "A --- reply is laconic.", ""},
            {"laconic", "The answer, laconic as ever.", "The answer, --- as ever."},
            {"venal", "a VENAL judge", "A --- judge"},
            {"obdurate", "He remained obdurate(ly) silent.", "He remained ---(ly) silent."},
            {"agree", "They are agreeing at last.", "They are ---ing at last."},
            {"dye", "She was dyeing her hair.", "She was ---ing her hair."},
            {"go", "He goes home.", ""},
            {"a priori", "An a priori argument.", ""},
            {"café", "We met in the café today.", ""},
            {"stay", "He stayed home.", "He ---ed home."},
            {"church", "Old churches everywhere.", "Old ---es everywhere."},
            {"abase", "  They abase him.", "  They --- him."},
            {"abase", "They\tabase him.", ""},
            {"Abase", "They tried to abase him.", "They tried to --- him."},
        };
        for (const auto& c : cases)
            QTest::addRow("%s: %s", c[0], c[1])
                << QString::fromUtf8(c[0]) << QString::fromUtf8(c[1]) << QString::fromUtf8(c[2]);
    }
    void examplesAreMaskedAsTheShippedOnes() {
        QFETCH(QString, word);
        QFETCH(QString, example);
        QFETCH(QString, masked);
        QCOMPARE(ExampleMask::maskAnyForm(word, example), masked);
    }

    void unmaskingPutsTheWordBack_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("masked");
        QTest::addColumn<QString>("example");
        QTest::newRow("bare") << "abase" << "They --- him." << "They abase him.";
        QTest::newRow("literal tail") << "abase" << "He was ---d." << "He was abased.";
        QTest::newRow("e dropped") << "abase" << "Stop ---ing." << "Stop abasing.";
        QTest::newRow("y to i") << "vilify" << "They ---ed him." << "They vilified him.";
        QTest::newRow("y to ie") << "vilify" << "She ---s him." << "She vilifies him.";
        QTest::newRow("doubled, literal") << "abet" << "She ---ted it." << "She abetted it.";
        QTest::newRow("ck") << "panic" << "They ---ked." << "They panicked.";
        QTest::newRow("ie to y") << "tie" << "---ing" << "tying";
        QTest::newRow("comparative") << "happy" << "A ---er day." << "A happier day.";
        QTest::newRow("no placeholder") << "abase" << "Nothing here." << "Nothing here.";
        QTest::newRow("only the first") << "abase" << "--- and ---" << "abase and ---";
    }
    void unmaskingPutsTheWordBack() {
        QFETCH(QString, word);
        QFETCH(QString, masked);
        QFETCH(QString, example);
        QCOMPARE(ExampleMask::unmask(word, masked), example);
        // What is put back masks as it was.
        if (masked.startsWith(u'T') && masked.count(ExampleMask::Placeholder) == 1)
            QCOMPARE(ExampleMask::maskAnyForm(word, example), masked);
    }

    void cellTexts_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("html tags") << "html" << "to <b>lower</b> <i>oneself</i>"
                                   << "to lower oneself";
        QTest::newRow("html breaks") << "html" << "one<br>two<br/><div>three</div>"
                                     << "one\ntwo\nthree";
        QTest::newRow("html entities") << "html" << "a &amp; b &lt;c&gt; &#233;&#x41;&nbsp;z"
                                       << "a & b <c> éA z";
        QTest::newRow("html sound") << "html" << "abase[sound:abase.mp3]" << "abase";
        QTest::newRow("html unknown entity") << "html" << "R&D; x &bogus; y"
                                             << "R&D; x &bogus; y";
        QTest::newRow("html less-than in text") << "html" << "a < b and c > d"
                                                << "a < b and c > d";
        QTest::newRow("guard =") << "guard" << "=HYPERLINK(\"x\")" << "'=HYPERLINK(\"x\")";
        QTest::newRow("guard +") << "guard" << "+1" << "'+1";
        QTest::newRow("guard -") << "guard" << "-ism" << "'-ism";
        QTest::newRow("guard @") << "guard" << "@SUM(A1)" << "'@SUM(A1)";
        QTest::newRow("guard tab") << "guard" << "\t=1" << "'\t=1";
        QTest::newRow("no guard") << "guard" << "abase" << "abase";
        QTest::newRow("apostrophe word unguarded") << "guard" << "'tis" << "'tis";
        QTest::newRow("unguard") << "unguard" << "'=1+1" << "=1+1";
        QTest::newRow("unguard leaves apostrophe words") << "unguard" << "'tis" << "'tis";
    }
    void cellTexts() {
        QFETCH(QString, rule);
        QFETCH(QString, in);
        QFETCH(QString, out);
        if (rule == QLatin1String("html"))
            QCOMPARE(FieldText::stripHtml(in), out);
        else if (rule == QLatin1String("guard"))
            QCOMPARE(FieldText::guardFormula(in), out);
        else
            QCOMPARE(FieldText::unguardFormula(in), out);
    }

    // One record as it will be stored, or why not.
    void rowsAsTheyWillBeStored_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("row");
        QTest::newRow("trimmed, masked")
            << QStringList{"  abase ", " to lower ", "They abased him."} << false
            << "abase|to lower|They ---d him.";
        QTest::newRow("NFC word") << QStringList{"cafe\u0301", "a place", ""} << false
                                  << "caf\u00e9|a place|";
        QTest::newRow("formula guard removed")
            << QStringList{"'-ism", "'=a doctrine", ""} << false << "-ism|=a doctrine|";
        QTest::newRow("html") << QStringList{"<b>abase</b>", "to&nbsp;lower<br>to humble", ""}
                              << true << "abase|to lower\nto humble|";
        QTest::newRow("control characters leave the meaning")
            << QStringList{"abase", "to\x01 lower\r\nnow", ""} << false << "abase|to lower\nnow|";
        QTest::newRow("no word") << QStringList{"  ", "a meaning", ""} << false
                                 << "refused: there is no word";
        QTest::newRow("missing cells") << QStringList{} << false << "refused: there is no word";
        QTest::newRow("no letter") << QStringList{"1234", "x", ""} << false
                                   << "refused: the word has no letter";
        QTest::newRow("invisible") << QStringList{"ab\u200base", "x", ""} << false
                                   << "refused: the word holds a character that cannot be seen";
        QTest::newRow("too long") << QStringList{QString(101, u'a'), "x", ""} << false
                                  << "refused: the word is longer than 100 characters";
    }
    void rowsAsTheyWillBeStored() {
        QFETCH(QStringList, cells);
        QFETCH(bool, html);
        QFETCH(QString, row);
        FileLayout layout;
        layout.html = html;
        layout.meaning = 1;
        layout.example = 2;
        SourceRecord record;
        record.line = 3;
        record.fields = cells;
        const auto planned = WordListImport::planRow(record, layout);
        QCOMPARE(planned.status == WordListImport::PlannedRow::Status::Refused
                     ? QStringLiteral("refused: ") + planned.refusal
                     : planned.word + u'|' + planned.meaning + u'|' + planned.example,
                 row);
    }
};

QTEST_GUILESS_MAIN(TestTransferFormats)
#include "tst_transferformats.moc"
