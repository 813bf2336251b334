#include "StudyTracking.h"

namespace StudyTracking {

int shownCount(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}

std::vector<MarkStep> difficultyClick(int box, BoxState newState, BoxState otherBox) {
    if (newState == BoxState::Grayed)
        return {};
    const bool checked = newState == BoxState::Checked;
    std::vector<MarkStep> steps;
    if (box == 0) {
        // Clearing Difficult clears Very Difficult first.
        if (!checked && otherBox != BoxState::Clear)
            steps.push_back({MarkStep::SetBox, 1, false, {}});
        steps.push_back({MarkStep::Write, 0, checked, QStringLiteral("Bookmark")});
    } else {
        // Very Difficult is never set without Difficult.
        if (checked && otherBox != BoxState::Checked)
            steps.push_back({MarkStep::SetBox, 0, true, {}});
        steps.push_back({MarkStep::Write, 1, checked, QStringLiteral("DoubleBM")});
    }
    return steps;
}

} // namespace StudyTracking
