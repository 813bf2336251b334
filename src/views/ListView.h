#pragma once

#include "data/Word.h"

#include <QString>

// The list view's rules: the grid's size and column widths, and the navigate window's
// difficulty level.
namespace ListView {

// The two fixed columns, "Lst" and "BM", share the 780 twips the layout reserves for them.
inline constexpr int LstWidth = 390;
inline constexpr int BmWidth = 390;
inline constexpr int FixedWidth = LstWidth + BmWidth;

// Everything in twips, as the window's size is measured.
struct GridLayout {
    double gridWidth = 0;
    double gridHeight = 0;
    double word = 0;
    double meaning = 0;
    double usage = 0;
};
// The grid takes the window less 200 wide and 1600 high; "Word", "Meaning" and "Usage" get
// 12, 30 and 54 per cent of what the fixed columns leave.
GridLayout gridLayout(double windowWidth, double windowHeight);

QString openingMessage();

// "Easy", "Difficult" or "Double Difficult" from a word's two difficulty marks.
QString difficultyLevel(DifficultyMarks marks);

} // namespace ListView
