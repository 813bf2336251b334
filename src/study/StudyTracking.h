#pragma once

#include <QString>
#include <vector>

// The rules of marking progress: the session and read counts, the study timer, and the two
// difficulty marks.
namespace StudyTracking {

// A count as shown on a label; empty or not a number counts as 0.
int shownCount(const QString& text);

// The study timer's captions.
inline const QString RunningLabel = QStringLiteral("Time Elapsed");
inline const QString PausedLabel = QStringLiteral("Timer PAUSED");
inline const QString PauseCaption = QStringLiteral("Pause Timer");
inline const QString ContinueCaption = QStringLiteral("Continue");

struct Timer {
    bool running = true;
    int minutes = 0;
    QString label() const { return running ? RunningLabel : PausedLabel; }
    QString button() const { return running ? PauseCaption : ContinueCaption; }
    void resume() { running = true; }
    void toggle() { running = !running; }
    void tick() {
        if (running)
            ++minutes;
    }
};

// What one click on a difficulty box does, in order: set the other box first (which runs
// that box's own click), then write this box's column. Box 0 is "Mark as Difficult"
// (bookmark), box 1 "Mark: Very Difficult" (doublebm). A grayed box writes nothing.
enum class BoxState { Clear, Checked, Grayed };
struct MarkStep {
    enum Kind { SetBox, Write } kind;
    int box;    // SetBox: which box
    bool value; // the box's new value, or the value written
    QString column;
    bool operator==(const MarkStep&) const = default;
};
std::vector<MarkStep> difficultyClick(int box, BoxState newState, BoxState otherBox);

} // namespace StudyTracking
