#include "StudyTracking.h"

namespace StudyTracking {

DifficultyMarks marksAfterClick(DifficultyBox box, bool checked, DifficultyMarks current) {
    if (box == DifficultBox)
        return checked ? DifficultyMarks{true, current.veryDifficult} : DifficultyMarks{};
    return checked ? DifficultyMarks{true, true} : DifficultyMarks{current.difficult, false};
}

} // namespace StudyTracking
