#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

// The study card's rules: which boxes a display mode hides, the texts composed from the
// current row, and the three counters.
namespace StudyCard {

enum Mode { GuessMeanings = 0, GuessWords = 1, ShowAll = 2, RandomBoxes = 3 };

struct Boxes {
    bool word = true;
    bool meaning = true;
    bool usage = true;
    bool operator==(const Boxes&) const = default;
};

// The boxes left visible by modes 0 to 2; mode 3 first draws one of 0 and 1 with r in [0, 1).
Boxes boxesForMode(int mode, double r = 0.0);
int randomBoxesMode(double r);

// What the ticker shows below the word.
QString tickerDetails(const QString& meaning, const QString& usage);
// The note shown for a word picked from the list of words gone through.
QString lookupNote(const QString& meaning, const QString& usage);
// The last-read date as the card shows it, "31/Oct/03"; empty when never read.
QString formatLastRead(const QVariant& value);
// "#" when a difficulty flag is set.
QString flagMark(const QVariant& value);

// Find's criterion, the typed text as one literal: "o'clock" is found rather than breaking it.
QString prefixCriterion(const QString& text);

} // namespace StudyCard
