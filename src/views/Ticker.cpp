#include "Ticker.h"

namespace Ticker {

const QStringList& speedNames() {
    static const QStringList names{QStringLiteral("Very Slow"), QStringLiteral("Slow"),
                                   QStringLiteral("Medium"), QStringLiteral("Fast"),
                                   QStringLiteral("Very Fast")};
    return names;
}

Speed speed(const QString& text) {
    static const int intervals[] = {6000, 4000, 3000, 2000, 1000};
    const qsizetype i = speedNames().indexOf(text);
    if (i < 0)
        return {};
    return {true, intervals[i], i <= 1};
}

bool listenFlag(const QString& speedText, bool listenTicked) {
    return speed(speedText).listenShown && listenTicked;
}

WordBox afterStep(const QString& name, DifficultyMarks marks) {
    const QString mark = marks.veryDifficult ? QStringLiteral("#") : QString();
    return {name + QLatin1Char(' ') + mark, marks.difficult};
}

} // namespace Ticker
