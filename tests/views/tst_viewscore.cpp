// The review views' rules: the ticker's speed table, the list's column rule and
// level rule, the progress report's counts and percentages, and the printed list's layout.
#include "data/Database.h"
#include "data/Recordset.h"
#include "support/Fixture.h"
#include "views/ListView.h"
#include "views/PdfText.h"
#include "views/ProgressReport.h"
#include "views/Ticker.h"
#include "views/WordListReport.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace ProgressReport;
namespace WLR = WordListReport;

namespace {

// "E2" an Easy word read twice, "D4" Difficult, "V4" Very Difficult, "S0" marked Very
// Difficult without Difficult.
std::vector<WordRow> wordsFrom(const QString& codes) {
    std::vector<WordRow> rows;
    int i = 0;
    for (const QString& token : codes.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        WordRow r;
        r.name = QStringLiteral("w%1").arg(i++);
        r.meaning = QStringLiteral("m");
        r.bookmark = token[0] == QLatin1Char('D') || token[0] == QLatin1Char('V');
        r.doublebm = token[0] == QLatin1Char('V') || token[0] == QLatin1Char('S');
        r.readcount = token.mid(1).toInt();
        rows.push_back(r);
    }
    return rows;
}

QString describe(const std::array<std::optional<Counts>, GroupCount>& counts) {
    QStringList parts;
    const char* names[] = {"All", "Easy", "VeryDiff", "Diff"};
    for (int g = 0; g < GroupCount; ++g) {
        const auto& c = counts[size_t(g)];
        if (!c) {
            parts << QStringLiteral("%1 failed").arg(QLatin1String(names[g]));
            continue;
        }
        const auto p = percentage(Group(g), *c);
        parts << QStringLiteral("%1 %2/%3 %4")
                     .arg(QLatin1String(names[g]))
                     .arg(c->total)
                     .arg(c->second)
                     .arg(p ? QString::number(*p) : QStringLiteral("-"));
    }
    return parts.join(QStringLiteral("; "));
}

QList<WLR::Word> oneLiners(int n) {
    QList<WLR::Word> words;
    for (int i = 0; i < n; ++i)
        words.append(
            {QStringLiteral("word%1").arg(i), QStringLiteral("short"), QStringLiteral("use")});
    return words;
}

} // namespace

class TestViewsCore : public QObject {
    Q_OBJECT
private slots:
    // ---- the ticker ----

    void speedTable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("known");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("listenShown");
        QTest::newRow("Very Slow") << "Very Slow" << true << 6000 << true;
        QTest::newRow("Slow") << "Slow" << true << 4000 << true;
        QTest::newRow("Medium") << "Medium" << true << 3000 << false;
        QTest::newRow("Fast") << "Fast" << true << 2000 << false;
        QTest::newRow("Very Fast") << "Very Fast" << true << 1000 << false;
        QTest::newRow("other text") << "slow" << false << 0 << false;
        QTest::newRow("empty") << "" << false << 0 << false;
    }
    void speedTable() {
        QFETCH(QString, text);
        QFETCH(bool, known);
        QFETCH(int, interval);
        QFETCH(bool, listenShown);
        const Ticker::Speed s = Ticker::speed(text);
        QCOMPARE(s.known, known);
        QCOMPARE(s.interval, interval);
        QCOMPARE(s.listenShown, listenShown);
        // The listen flag follows the box only where listening is offered.
        QCOMPARE(Ticker::listenFlag(text, true), listenShown);
        QVERIFY(!Ticker::listenFlag(text, false));
    }

    // ---- the list view ----

    void gridWidthRule() {
        const ListView::GridLayout a = ListView::gridLayout(12000, 8000);
        QCOMPARE(a.gridWidth, 11800.0);
        QCOMPARE(a.gridHeight, 6400.0);
        QCOMPARE(a.word, 1322.4);
        // 1000 twips wider: 120, 300 and 540 wider; the fixed columns do not move.
        const ListView::GridLayout b = ListView::gridLayout(13000, 8000);
        QCOMPARE(b.word - a.word, 120.0);
        QCOMPARE(b.meaning - a.meaning, 300.0);
        QCOMPARE(b.usage - a.usage, 540.0);
    }

    void levelRule_data() {
        QTest::addColumn<int>("difficult");
        QTest::addColumn<int>("veryDifficult");
        QTest::addColumn<QString>("level");
        QTest::newRow("neither") << 0 << 0 << "Easy";
        QTest::newRow("very difficult alone") << 0 << 1 << "Easy";
        QTest::newRow("difficult") << 1 << 0 << "Difficult";
        QTest::newRow("both") << 1 << 1 << "Double Difficult";
    }
    void levelRule() {
        QFETCH(int, difficult);
        QFETCH(int, veryDifficult);
        QFETCH(QString, level);
        QCOMPARE(ListView::difficultyLevel({difficult != 0, veryDifficult != 0}), level);
    }

    // ---- the progress report ----

    void reportCounts_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("expected");
        QTest::newRow("10 words, 4 studied")
            << "E0 E0 E3 E1 E0 E2 E0 E5 E0 E0"
            << "All 10/4 40; Easy 10/8 20; VeryDiff 0/0 -; Diff 0/0 -";
        QTest::newRow("8 Easy, 7 below 3") << "E0 E0 E1 E2 E2 E0 E1 E3"
                                           << "All 8/5 62; Easy 8/7 12; VeryDiff 0/0 -; Diff 0/0 -";
        QTest::newRow("read 4 times: short of Very Difficult, enough for Difficult")
            << "V4 D4"
            << "All 2/2 100; Easy 0/0 -; VeryDiff 1/1 0; Diff 1/0 100";
        QTest::newRow("marked Very Difficult only: All Words alone")
            << "S0 S7 E3"
            << "All 3/2 67; Easy 1/0 100; VeryDiff 0/0 -; Diff 0/0 -";
        QTest::newRow("thresholds exactly")
            << "E3 E2 D4 D3 V5 V4"
            << "All 6/6 100; Easy 2/1 50; VeryDiff 2/1 50; Diff 2/1 50";
        QTest::newRow("no words") << ""
                                  << "All 0/0 -; Easy 0/0 -; VeryDiff 0/0 -; Diff 0/0 -";
    }
    void reportCounts() {
        QFETCH(QString, words);
        QFETCH(QString, expected);
        FixtureDb db(wordsFrom(words), {});
        auto connection = Connection::open(ConnectionStrings::ReadOnly);
        QCOMPARE(describe(count(*connection)), expected);
    }

    void reportCountsAllWordsNotTheSelection() {
        FixtureDb db; // the default words, and spwl rows that never count
        auto connection = Connection::open(ConnectionStrings::Shared);
        auto selection =
            Recordset::open(connection, QStringLiteral("select * from words where groupid = 1"));
        selection->moveLast();
        QCOMPARE(describe(count(*connection)),
                 QStringLiteral("All 8/5 62; Easy 4/3 25; VeryDiff 1/0 100; Diff 2/2 0"));
        QCOMPARE(selection->absolutePosition(), 2);
        QCOMPARE(selection->recordCount(), 2);
    }

    void roundingHalfToEven_data() {
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("rounded");
        QTest::newRow("12.5") << 125 << 10 << 12;
        QTest::newRow("13.5") << 135 << 10 << 14;
        QTest::newRow("0.5") << 1 << 2 << 0;
        QTest::newRow("99.5") << 995 << 10 << 100;
        QTest::newRow("12.51") << 1251 << 100 << 13;
        QTest::newRow("66.67") << 200 << 3 << 67;
        QTest::newRow("whole") << 40 << 1 << 40;
    }
    void roundingHalfToEven() {
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, rounded);
        QCOMPARE(roundHalfToEven(numerator, denominator), rounded);
    }

    void percentages_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("text");
        QTest::newRow("all, 4 of 10")
            << int(AllWords) << 10 << 4 << "At 1 time reading 40% Completed";
        QTest::newRow("easy, 7 of 8 short")
            << int(Easy) << 8 << 7 << "3 times reading => 12% Completed";
        QTest::newRow("easy, 13.5")
            << int(Easy) << 200 << 173 << "3 times reading => 14% Completed";
        QTest::newRow("very difficult, all short")
            << int(VeryDifficult) << 3 << 3 << "5 times reading => 0% Completed";
        QTest::newRow("difficult, none short")
            << int(Difficult) << 3 << 0 << "4 times reading => 100% Completed";
        QTest::newRow("all, half of 1%")
            << int(AllWords) << 200 << 1 << "At 1 time reading 0% Completed";
        QTest::newRow("difficult, no words")
            << int(Difficult) << 0 << 0 << "4 times reading => no words yet";
    }
    void percentages() {
        QFETCH(int, group);
        QFETCH(int, total);
        QFETCH(int, second);
        QFETCH(QString, text);
        QCOMPARE(percentageText(Group(group), percentage(Group(group), Counts{total, second})),
                 text);
    }

    void reportTexts() {
        QCOMPARE(
            recommendation(),
            QStringLiteral("(Recommended:=> To Memorize, Study \"Easy\" Words at least 3 times)"));
        QCOMPARE(
            advice(Easy),
            QStringLiteral("Do the following\r\n\r\ni) WORD SELECTION\r\n ii) WORD STUDY COUNT "
                           ".. Select '<' '3'\r\niii) DIFFICULTY LEVEL Box => Select Easy "
                           "Option\r\n iv) Click GET RESULTS"));
        QCOMPARE(advice(Difficult),
                 QStringLiteral("Do the following\r\n\r\ni) WORD SELECTION\r\n ii) WORD STUDY "
                                "COUNT .. Select '<' '4'\r\niii) In DIFFICULTY LEVEL "
                                "....Select Difficult Option\r\niv) Click GET RESULTS"));
        QCOMPARE(advice(VeryDifficult),
                 QStringLiteral("Do the following\r\n\r\ni) WORD SELECTION\r\n ii) WORD "
                                "STUDY COUNT .. Select '<' '5'\r\niii) In DIFFICULTY "
                                "LEVEL ....Select Very Difficult Option\r\niv) Click GET "
                                "RESULTS"));
    }

    // ---- the printed list ----

    void rowsPerPage() {
        // 10000 twips of printable height: the first page has the report header too.
        const int first = (10000 - 360 - 435 - 660) / 525; // 16
        const int other = (10000 - 360 - 660) / 525;       // 17
        const WLR::Layout seven(oneLiners(first + 6 * other), 10000, QStringLiteral("today"));
        QCOMPARE(seven.pageCount(), 7);
        QCOMPARE(seven.page(0).bands.size(), first);
        for (int p = 1; p < 7; ++p)
            QCOMPARE(seven.page(p).bands.size(), other);
        QCOMPARE(WLR::Layout(oneLiners(first + 6 * other + 1), 10000, QString()).pageCount(), 8);
        QCOMPARE(WLR::Layout({}, 10000, QString()).pageCount(), 1);
        // Report header on the first page only, page header on every one, bands in order.
        QVERIFY(seven.page(0).reportHeader);
        QCOMPARE(seven.page(0).pageHeaderTop, 435);
        QCOMPARE(seven.page(0).bands.first().top, 435 + 660);
        QCOMPARE(seven.page(0).bands.at(1).top, 435 + 660 + 525);
        QVERIFY(!seven.page(1).reportHeader);
        QCOMPARE(seven.page(1).pageHeaderTop, 0);
        QCOMPARE(seven.page(1).bands.first().top, 660);
        QCOMPARE(seven.page(1).bands.first().word, first);
        QCOMPARE(WLR::pageLine(2, 7), QStringLiteral("Page: 2 / 7"));
    }

    void longTextsWrapAndTheirBandGrows() {
        QList<WLR::Word> words = oneLiners(3);
        words[1].meaning =
            QStringLiteral("a meaning long enough to need several lines in its narrow "
                           "column of the printed list, and then some more");
        words[1].example = QStringLiteral("short usage");
        words[2].name = QStringLiteral("antidisestablishmentarianism");
        const WLR::Layout layout(words, 15000, QString());
        const QStringList meaning = layout.lines(1, 1);
        QVERIFY2(meaning.size() >= 3, qPrintable(meaning.join(QLatin1Char('|'))));
        QCOMPARE(meaning.join(QLatin1Char(' ')), words[1].meaning);
        const WLR::Band band = layout.page(0).bands.at(1);
        QCOMPARE(band.lines, int(meaning.size()));
        QCOMPARE(band.height(), 525 + 240 * (meaning.size() - 1));
        QCOMPARE(layout.page(0).bands.at(2).top, band.top + band.height());
        // A word wider than its column breaks inside itself rather than running over.
        QVERIFY(layout.lines(2, 0).size() >= 2);
        QCOMPARE(layout.lines(2, 0).join(QString()), words[2].name);
        // Line breaks of the text itself are kept.
        const WLR::Layout breaks({{QStringLiteral("w"), QStringLiteral("one\r\ntwo"), QString()}},
                                 15000, QString());
        QCOMPARE(breaks.lines(0, 1), (QStringList{"one", "two"}));
    }

    void aBandTallerThanAPageGoesOnOverThePages() {
        QList<WLR::Word> words = oneLiners(3);
        QStringList many;
        for (int i = 0; i < 200; ++i)
            many << QStringLiteral("line%1").arg(i);
        words[1].meaning = many.join(QStringLiteral("\n"));
        const WLR::Layout layout(words, 6000, QString());
        int lines = 0;
        int pagesWithIt = 0;
        for (const WLR::Page& page : layout.pages()) {
            for (const WLR::Band& band : page.bands) {
                QVERIFY(band.top + band.height() <= 6000 - 360);
                if (band.word == 1) {
                    QCOMPARE(band.firstLine, lines);
                    lines += band.lines;
                    ++pagesWithIt;
                }
            }
        }
        QCOMPARE(lines, 200);
        QVERIFY(pagesWithIt > 1);
        QCOMPARE(layout.pages().last().bands.last().word, 2);
    }

    void printedPagesReadBack() {
        if (!PdfText::available())
            QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("list.pdf"));
        QList<WLR::Word> words;
        for (int i = 0; i < 130; ++i)
            words.append({QStringLiteral("word%1").arg(i, 3, 10, QLatin1Char('0')),
                          QStringLiteral("meaning %1").arg(i), QStringLiteral("usage %1").arg(i)});
        words[5].meaning =
            QStringLiteral("a very long meaning that wraps over more than one line of "
                           "its column and ends with the marker tailpiece");
        int pages = 0;
        {
            QPdfWriter pdf(file);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            WLR::setUpPage(pdf);
            QPainter painter(&pdf);
            pages = WLR::paint(painter, pdf, words, QDate(2026, 3, 7));
        }
        QVERIFY(pages >= 3);
        const int info = PdfText::pages(file);
        if (info >= 0)
            QCOMPARE(info, pages);
        const QString date = WLR::longDate(QDate(2026, 3, 7));
        for (int p = 1; p <= pages; ++p) {
            const QString text = PdfText::read(file, p);
            QVERIFY2(text.contains(QStringLiteral("Page: %1 / %2").arg(p).arg(pages)),
                     qPrintable(text.left(200)));
            QVERIFY(text.contains(QStringLiteral("Name")));
            QVERIFY(text.contains(QStringLiteral("Meaning")));
            QVERIFY(text.contains(QStringLiteral("Usage")));
            QCOMPARE(text.contains(QStringLiteral("Verbaloom!")), p == 1);
            QCOMPARE(text.contains(date), p == 1);
        }
        const QString all = PdfText::read(file);
        for (const WLR::Word& w : words)
            QVERIFY2(all.contains(w.name), qPrintable(w.name));
        QVERIFY(all.contains(QStringLiteral("tailpiece")));
        QVERIFY(all.indexOf(QStringLiteral("word000")) < all.indexOf(QStringLiteral("word129")));
    }
};

QTEST_MAIN(TestViewsCore)
#include "tst_viewscore.moc"
