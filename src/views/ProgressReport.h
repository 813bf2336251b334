#pragma once

#include <array>
#include <optional>
#include <QString>

class Connection;

// The progress report: four groups of the whole word table, each with a total and a second
// count, and the share of the group that has had its recommended study passes.
namespace ProgressReport {

enum Group { AllWords, Easy, VeryDifficult, Difficult, GroupCount };

struct GroupRule {
    QString source;  // the words of the group
    QString filter;  // the second count
    QString prefix;  // of the percentage label
    bool countsDone; // the second count is the words done (All Words), not those short of it
};
// In the order the report works them: All Words, Easy, Very Difficult, Difficult.
const GroupRule& rule(Group group);

struct Counts {
    int total = 0;
    int second = 0;
};

// Counts every group with statements of its own on the given connection. It reads only:
// no result set is opened, moved or replaced. A group whose count fails stays empty.
std::array<std::optional<Counts>, GroupCount> count(Connection& connection);

// The share in whole per cent, a half going to the even neighbour (12.5 gives 12, 13.5
// gives 14). Worked on the exact fraction, so no rounding error can tip a half either way.
// A group without words has no share.
std::optional<int> percentage(Group group, const Counts& counts);
int roundHalfToEven(long long numerator, long long denominator);

// "3 times reading => 12% Completed"; for a group without words, "3 times reading => no
// words yet".
QString percentageText(Group group, std::optional<int> percent);

QString recommendation();
QString advice(Group group); // Easy, Difficult or Very Difficult
// The advice window's title: which words it tells how to select.
QString adviceTitle(Group group);

} // namespace ProgressReport
