// Word selection rules: the composed statements, the checks before them, the fourteen
// refine filters and the texts that report counts.
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "selection/IntelliSelect.h"
#include "selection/RefineFilters.h"
#include "support/Fixture.h"

#include <QtTest>

using IntelliSelect::Criteria;
Q_DECLARE_METATYPE(Criteria)

namespace {
const QString kDefaults =
    "name like '%%' AND (readcount >=1 or readcount <= 1) AND (groupid >=1 or groupid <= 1) "
    "AND (lastread  between #01/01/1980# and #01/01/2099# or lastread IS NULL ) AND (bookmark "
    "= yes or bookmark = no) AND (specialwl like '%' OR specialwl Is NULL)";

QStringList names(const QString& statement) {
    auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared), statement);
    QStringList out;
    for (int i = 1; i <= rs->recordCount(); ++i)
        out << rs->valueAt(i, QStringLiteral("name")).toString();
    return out;
}
} // namespace

class TestSelectionCore : public QObject {
    Q_OBJECT
private slots:
    void nothingCheckedGivesTheDefaults() {
        QCOMPARE(IntelliSelect::compose(Criteria()).statement,
                 QStringLiteral("select * from words where ") + kDefaults);
        Criteria special;
        special.wordList = IntelliSelect::SpecialWordList;
        QCOMPARE(IntelliSelect::compose(special).statement,
                 QStringLiteral("select * from spwl where ") + kDefaults);
    }

    void conditionsFromChoices_data() {
        QTest::addColumn<Criteria>("criteria");
        QTest::addColumn<QString>("replaced"); // the default it replaces
        QTest::addColumn<QString>("condition");
        Criteria letters;
        letters.letters = true;
        letters.selectedLetters = {"A", "C"};
        QTest::newRow("letters A and C") << letters << "name like '%%'"
                                         << "(name like 'A%' OR name like 'C%')";
        Criteria lists;
        lists.wordLists = true;
        lists.selectedLists = {1, 4};
        QTest::newRow("word lists at 1 and 4") << lists << "(groupid >=1 or groupid <= 1)"
                                               << "(groupid = 2 OR groupid = 5)";
        Criteria count;
        count.studyCount = true;
        QTest::newRow("study count preset") << count << "(readcount >=1 or readcount <= 1)"
                                            << "(readcount >0)";
        Criteria dates;
        dates.lastStudied = true;
        dates.from = "01/01/2004";
        dates.to = "12/31/2004";
        QTest::newRow("dates")
            << dates << "(lastread  between #01/01/1980# and #01/01/2099# or lastread IS NULL )"
            << "(lastread between #01/01/2004# AND #12/31/2004#)";
        Criteria categories;
        categories.wordList = IntelliSelect::SpecialWordList;
        categories.specialCategories = categories.specialShown = true;
        categories.selectedCategories = {"Religion", "Time"};
        QTest::newRow("categories") << categories << "(specialwl like '%' OR specialwl Is NULL)"
                                    << "(specialwl = 'Religion' OR specialwl = 'Time')";
    }
    void conditionsFromChoices() {
        QFETCH(Criteria, criteria);
        QFETCH(QString, replaced);
        QFETCH(QString, condition);
        QString expected = kDefaults;
        expected.replace(replaced, condition);
        const QString prefix = criteria.wordList == IntelliSelect::SpecialWordList
                                   ? QStringLiteral("select * from spwl where ")
                                   : QStringLiteral("select * from words where ");
        QCOMPARE(IntelliSelect::compose(criteria).statement, prefix + expected);
    }

    void specialBoxLeftCheckedUnderTheMainList() {
        Criteria c;
        c.specialCategories = true;
        c.specialShown = false; // "Main WordList" hides its part
        c.selectedCategories = {"Religion"};
        QCOMPARE(IntelliSelect::compose(c).statement,
                 QStringLiteral("select * from words where ") + kDefaults);
    }

    void difficultyConditions_data() {
        QTest::addColumn<bool>("e");
        QTest::addColumn<bool>("d");
        QTest::addColumn<bool>("v");
        QTest::addColumn<QString>("condition");
        QTest::newRow("E") << true << false << false
                           << "(bookmark = NO OR (bookmark = NO AND doublebm = NO))";
        QTest::newRow("D") << false << true << false << "((bookmark = YES AND doublebm = NO))";
        QTest::newRow("V") << false << false << true << "((doublebm = YES ))";
        QTest::newRow("E, D") << true << true << false
                              << "(bookmark = NO OR (bookmark = YES AND doublebm = NO))";
        QTest::newRow("E, V") << true << false << true << "(bookmark = NO OR (doublebm = YES ))";
        QTest::newRow("D, V") << false << true << true << "((bookmark = YES ))";
        QTest::newRow("E, D, V") << true << true << true << "(bookmark = NO OR (bookmark = YES ))";
        QTest::newRow("none") << false << false << false << "";
    }
    void difficultyConditions() {
        QFETCH(bool, e);
        QFETCH(bool, d);
        QFETCH(bool, v);
        QFETCH(QString, condition);
        QCOMPARE(IntelliSelect::difficultyCondition(e, d, v), condition);
    }

    void checksAndTheirOrder_data() {
        QTest::addColumn<Criteria>("criteria");
        QTest::addColumn<QString>("message");
        Criteria all; // every criterion checked, nothing chosen in any
        all.letters = all.wordLists = all.difficulty = all.lastStudied = true;
        all.specialCategories = all.specialShown = true;
        all.wordList = IntelliSelect::SpecialWordList;
        QTest::newRow("letters first") << all << IntelliSelect::Messages::NoLetter;
        all.selectedLetters = {"B"};
        QTest::newRow("then word lists") << all << IntelliSelect::Messages::NoWordList;
        all.selectedLists = {0};
        QTest::newRow("then difficulty") << all << IntelliSelect::Messages::NoDifficulty;
        all.easy = true;
        QTest::newRow("then dates") << all << IntelliSelect::Messages::NoDates;
        all.from = "01/01/2004";
        QTest::newRow("one date empty") << all << IntelliSelect::Messages::NoDates;
        all.to = "12/31/2004";
        QTest::newRow("then categories") << all << IntelliSelect::Messages::NoCategory;
        all.selectedCategories = {"Time"};
        QTest::newRow("all satisfied") << all << QString();

        Criteria count;
        count.studyCount = true;
        count.count = "x'); delete from words; --";
        QTest::newRow("count not a number") << count << IntelliSelect::Messages::BadCount;
        count.count = "";
        QTest::newRow("count empty") << count << IntelliSelect::Messages::BadCount;
        count.count = "40000";
        QTest::newRow("count too large") << count << IntelliSelect::Messages::BadCount;
        count.count = "3";
        count.comparison = "; drop";
        QTest::newRow("comparison not offered") << count << IntelliSelect::Messages::BadComparison;
        Criteria dates;
        dates.lastStudied = true;
        dates.from = "12/31/2004";
        dates.to = "2004-12-31";
        QTest::newRow("to not mm/dd/yyyy") << dates << IntelliSelect::Messages::BadToDate;
        dates.from = "02/30/2004";
        QTest::newRow("from not a real day") << dates << IntelliSelect::Messages::BadFromDate;
    }
    void checksAndTheirOrder() {
        QFETCH(Criteria, criteria);
        QFETCH(QString, message);
        const IntelliSelect::Result r = IntelliSelect::compose(criteria);
        QCOMPARE(r.message, message);
        QCOMPARE(r.statement.isEmpty(), !message.isEmpty());
    }

    // The checks' texts the window tests do not reach.
    void messagesAreExact() {
        QCOMPARE(IntelliSelect::Messages::NoWordList,
                 QStringLiteral("Please select a WordList / WordLists or Close the Wordlist box"));
        QCOMPARE(IntelliSelect::Messages::NoDifficulty,
                 QStringLiteral(
                     "Please Select some Difficulty Level OR close the Difficulty Level Box"));
        QCOMPARE(
            IntelliSelect::Messages::NoDates,
            QStringLiteral("Please enter date in Date Range Boxes OR close the Date Range Box"));
        QCOMPARE(
            IntelliSelect::Messages::NoCategory,
            QStringLiteral("Please select a Special Wordlist or Close the Special Wordlist Box"));
    }

    void refineExpressions_data() {
        QTest::addColumn<bool>("isOption");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expression");
        QTest::newRow("1) don't refine") << true << 3 << "bookmark = 1  or bookmark = 0 ";
        QTest::newRow("2) easy") << true << 1 << "bookmark = 0";
        QTest::newRow("3) difficult") << true << 0 << "bookmark = 1 and doublebm = 0";
        QTest::newRow("4) double difficult") << true << 2 << "doublebm = 1";
        QTest::newRow("5) difficult and very") << true << 7 << "bookmark = 1";
        QTest::newRow("6) high frequency") << true << 6 << "highfw = 1";
        QTest::newRow("7) read this session") << true << 5 << "sessionbm = 1";
        QTest::newRow("8) not read this session") << true << 4 << "sessionbm = 0";
        QTest::newRow("9) name starting") << false << 3 << "name like 'ab%'";
        QTest::newRow("10) name containing") << false << 0 << "name like '%na%'";
        QTest::newRow("11) meaning") << false << 1 << "meaning like '%of a%'";
        QTest::newRow("11) meaning, second box")
            << false << 4 << "Meaning like '%of a%' or Meaning like '%ven%'";
        QTest::newRow("12) usage") << false << 2 << "example like '%used%'";
        QTest::newRow("12) usage, second box")
            << false << 5 << "Example like '%used%' or Example like '%3.%'";
        QTest::newRow("13) read count") << false << 6 << "readcount = 4";
        QTest::newRow("14) word list") << false << 7 << "groupid = 51";
    }
    void refineExpressions() {
        QFETCH(bool, isOption);
        QFETCH(int, index);
        QFETCH(QString, expression);
        const std::array<QString, 8> texts{"na", "of a", "used", "ab", "ven", "3.", "4", "51"};
        QCOMPARE(isOption ? RefineFilters::optionExpression(index)
                          : RefineFilters::textExpression(index, texts),
                 expression);
        FixtureDb db;
        auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                                  QStringLiteral("select * from words"));
        rs->setFilter(expression); // each one is taken by the database
    }

    // A number box makes a condition of a whole number only; anything else is no expression,
    // and the window says why instead of a count.
    void numberBoxesTakeWholeNumbersOnly_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expression");
        QTest::newRow("blanks around") << 7 << " 12 "
                                       << "groupid = 12";
        QTest::newRow("negative") << 6 << "-3"
                                  << "readcount = -3";
        QTest::newRow("a condition") << 6 << "1 or 1=1"
                                     << "";
        QTest::newRow("a closing bracket") << 7 << "0) or (1=1"
                                           << "";
        QTest::newRow("a letter") << 6 << "x"
                                  << "";
        QTest::newRow("nothing") << 7 << ""
                                 << "";
    }
    void numberBoxesTakeWholeNumbersOnly() {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QString, expression);
        std::array<QString, 8> texts;
        texts[size_t(index)] = typed;
        QCOMPARE(RefineFilters::textExpression(index, texts), expression);
    }

    void whyARefinementTookNothing() {
        QCOMPARE(RefineFilters::noExpressionText(6), RefineFilters::NotANumber);
        QCOMPARE(RefineFilters::noExpressionText(7), RefineFilters::NotANumber);
        QCOMPARE(RefineFilters::refusalText(DbError(DbErrorCode::SyntaxError, "near \"(\"")),
                 RefineFilters::CannotSearch);
        QCOMPARE(RefineFilters::refusalText(DbError(DbErrorCode::FileInUse, "dbnk.db")),
                 QStringLiteral("Could not use 'dbnk.db'; file already in use."));
    }

    void anApostropheFindsWhatItSays() {
        std::array<QString, 8> texts;
        texts[3] = "o'";
        QCOMPARE(RefineFilters::textExpression(3, texts), QStringLiteral("name like 'o''%'"));
        FixtureDb db;
        auto rs = Recordset::open(Connection::open(ConnectionStrings::Shared),
                                  QStringLiteral("select * from words"));
        rs->setFilter(RefineFilters::textExpression(3, texts));
        QCOMPARE(rs->recordCount(), 1);
        QCOMPARE(rs->value("name").toString(), QStringLiteral("o'clock"));
    }

    void composedStatementsSelectTheirRows() {
        FixtureDb db;
        QCOMPARE(names(IntelliSelect::compose(Criteria()).statement).size(),
                 8); // null lastread too
        Criteria c;
        c.letters = true;
        c.selectedLetters = {"L", "O"}; // any case
        c.difficulty = true;
        c.easy = true;
        QCOMPARE(names(IntelliSelect::compose(c).statement), (QStringList{"Laconic", "o'clock"}));
        c = Criteria();
        c.studyCount = true;
        c.comparison = "<";
        c.count = "2";
        c.lastStudied = true;
        c.from = "1/1/2005";
        c.to = "12/31/2005";
        QCOMPARE(names(IntelliSelect::compose(c).statement), (QStringList{"acerbic"}));
        c = Criteria();
        c.wordList = IntelliSelect::SpecialWordList;
        c.specialCategories = c.specialShown = true;
        c.selectedCategories = {"Religion"};
        c.difficulty = true;
        c.difficult = true;
        QCOMPARE(names(IntelliSelect::compose(c).statement), (QStringList{"dogma"}));
    }
};

QTEST_GUILESS_MAIN(TestSelectionCore)
#include "tst_selectioncore.moc"
