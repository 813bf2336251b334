#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Composes the statement of a word selection from the learner's criteria, after checking
// them. A pure function of what the window collected.
namespace IntelliSelect {

inline const QString MainWordList = QStringLiteral("Main WordList");
inline const QString SpecialWordList = QStringLiteral("Special WordList");
inline const QString MainDescription = QStringLiteral("Standard set of advance English vocabulary");
inline const QString SpecialDescription = QStringLiteral(
    "Wordlist categorized according to certain groups like Religion, Literature, etc.");

// The special categories, in list order.
const QStringList& categories();
// The comparisons the study count offers.
const QStringList& comparisons();

namespace Defaults {
inline const QString Letters = QStringLiteral("name like '%%'");
inline const QString StudyCount = QStringLiteral("(readcount >=1 or readcount <= 1)");
inline const QString WordLists = QStringLiteral("(groupid >=1 or groupid <= 1)");
inline const QString LastStudied =
    QStringLiteral("(lastread  between #01/01/1980# and #01/01/2099# or lastread IS NULL )");
inline const QString Difficulty = QStringLiteral("(bookmark = yes or bookmark = no)");
inline const QString Categories = QStringLiteral("(specialwl like '%' OR specialwl Is NULL)");
} // namespace Defaults

namespace Messages {
inline const QString NoLetter =
    QStringLiteral("Please select an Alphabet / Alphabets or Close the Alphabet Box");
inline const QString NoWordList =
    QStringLiteral("Please select a WordList / WordLists or Close the Wordlist box");
inline const QString NoDifficulty =
    QStringLiteral("Please Select some Difficulty Level OR close the Difficulty Level Box");
inline const QString NoDates =
    QStringLiteral("Please enter date in Date Range Boxes OR close the Date Range Box");
inline const QString NoCategory =
    QStringLiteral("Please select a Special Wordlist or Close the Special Wordlist Box");
// Checks the program adds so that a statement the database would refuse is never run.
inline const QString BadCount =
    QStringLiteral("Please enter a whole number of times (0 to 32767) in the Word Study Count box");
inline const QString BadComparison =
    QStringLiteral("Please choose one of =, <, >, <=, >=, <> in the Word Study Count box");
inline const QString BadFromDate =
    QStringLiteral("Please enter a real date as mm/dd/yyyy in the From box of the Date Range");
inline const QString BadToDate =
    QStringLiteral("Please enter a real date as mm/dd/yyyy in the To box of the Date Range");
} // namespace Messages

struct Criteria {
    QString wordList = MainWordList; // the text of the word-list choice
    bool letters = false;
    QStringList selectedLetters; // "A".."Z", in list order
    bool wordLists = false;
    QList<int> selectedLists; // positions 0..52, in list order
    bool studyCount = false;
    QString comparison = QStringLiteral(">");
    QString count = QStringLiteral("0");
    bool difficulty = false;
    bool easy = false;
    bool difficult = false;
    bool veryDifficult = false;
    bool lastStudied = false;
    QString from;
    QString to;
    bool specialCategories = false; // its box is checked...
    bool specialShown = false;      // ...and its part is shown ("Special WordList" chosen)
    QStringList selectedCategories;
};

struct Result {
    QString statement; // empty when a check failed
    QString message;   // the check's message
};

Result compose(const Criteria& criteria);

// The difficulty condition for the three level boxes; empty when none is checked.
QString difficultyCondition(bool easy, bool difficult, bool veryDifficult);

QString bagMessage(int count);

} // namespace IntelliSelect
