#pragma once

#include "data/Word.h"

#include <QString>
#include <QStringList>

// The One Spot ticker's rules: the speed table, the listen rule and what the word box shows
// after a ticker step.
namespace Ticker {

// The speed list, in the order it offers them.
const QStringList& speedNames();
inline const QString StartSpeed = QStringLiteral("Slow");

// One row of the speed table. An unknown text keeps the timer's interval (interval 0 here)
// and offers no listening.
struct Speed {
    bool known = false;
    int interval = 0;         // milliseconds
    bool listenShown = false; // "LISTEN AUTOMATICALLY" is offered
};
Speed speed(const QString& text);

// Whether each step reads aloud after the speed is applied: only at a speed that offers
// listening, and only while the box is ticked.
bool listenFlag(const QString& speedText, bool listenTicked);

// The word box after a ticker step: the word, one blank and "#" when it is marked Very
// Difficult, marked (shown in the mark colour, a red) when it is marked Difficult.
struct WordBox {
    QString text;
    bool marked = false;
};
WordBox afterStep(const QString& name, DifficultyMarks marks);

} // namespace Ticker
