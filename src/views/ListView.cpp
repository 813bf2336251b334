#include "ListView.h"

namespace ListView {

GridLayout gridLayout(double windowWidth, double windowHeight) {
    GridLayout g;
    g.gridWidth = windowWidth - 200;
    g.gridHeight = windowHeight - 1600;
    const double free = g.gridWidth - FixedWidth;
    g.word = 12 * free / 100;
    g.meaning = 30 * free / 100;
    g.usage = 54 * free / 100;
    return g;
}

QString openingMessage() {
    return QStringLiteral("You can use your Keyboard OR\r\nEASY NAVIGATE to go through the words");
}

QString difficultyLevel(DifficultyMarks marks) {
    if (!marks.difficult)
        return QStringLiteral("Easy");
    if (!marks.veryDifficult)
        return QStringLiteral("Difficult");
    return QStringLiteral("Double Difficult");
}

} // namespace ListView
