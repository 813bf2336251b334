#pragma once

#include <array>
#include <optional>
#include <QString>
#include <vector>

class Recordset;

// The rows a game can draw its puzzle words from, by difficulty level, so that a puzzle
// draws once, uniformly among the words that suit its level, instead of drawing and
// rejecting.
class PuzzleWordPool {
public:
    // Every row of the result set whose word can be played (read in one statement).
    static PuzzleWordPool fromRecordset(const Recordset& rs);

    // Offers the row at a 1-based position; kept when its word can be played.
    void add(int position, const QString& word, bool difficult, bool veryDifficult);

    struct Pick {
        int position = 0;
        int level = 0; // the level the word suits: the one asked for when it has words
    };
    // A row for the level, drawn with r in [0, 1). A level without words gives way to the
    // nearest one that has some (the easier first when two are as near); none when no
    // row can be played at all.
    std::optional<Pick> pick(int level, double r) const;

    int count(int level) const;
    bool empty() const;

private:
    std::array<std::vector<int>, 3> positions_;
};
