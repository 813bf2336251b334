#pragma once

#include <QList>
#include <QString>
#include <vector>

// The word game's puzzle rules: which words a puzzle can use, the masked usage example,
// judging a letter, and the five hints.
namespace WordPuzzle {

inline constexpr int MaxLetters = 15;
inline const QString Mask = QStringLiteral("*****");
inline const QString Placeholder = QStringLiteral("---");

// Level 0 takes words not marked "Mark as Difficult"; level 1 words marked difficult but
// not very difficult; level 2 words marked very difficult (whatever the first mark).
bool suitsLevel(int level, bool difficult, bool veryDifficult);

// 1 to 15 characters, each a small letter a to z.
bool playableWord(const QString& word);

bool accepts(const QString& word, int level, bool difficult, bool veryDifficult);

// The usage example with the word hidden: the first "---" and up to three non-blank
// characters written against it on either side become "*****" followed by a blank. The
// start and the end of the text count as blanks. An example without "---" has every
// occurrence of the word itself hidden instead.
QString maskExample(const QString& example, const QString& word);

// A guessed letter against the word's letter, ignoring case.
bool sameLetter(const QString& guess, const QString& letter);

enum class Hint { First, Second, Third, Random, Last };

// The 0-based position a fixed hint reveals, or -1 for "Random Letter" and for a position
// the word does not have.
int hintPosition(Hint hint, int wordLength);

// Whether a hint is offered when a puzzle starts: a hint with nothing to reveal is not.
bool offeredAtStart(Hint hint, int wordLength);

// The fixed hints that would reveal the given position, withdrawn once it is solved.
QList<Hint> withdrawnBy(int position, int wordLength);

// "Random Letter" reveals an open letter from the third on: -1 when none is open, else one
// drawn uniformly among them with r in [0, 1). open[i] is true while letter i is unsolved.
int randomLetterPosition(const std::vector<bool>& open, double r);
bool randomLetterOffered(const std::vector<bool>& open);

} // namespace WordPuzzle
