#pragma once

#include "data/Word.h"

#include <QString>

// The rules of marking progress: the study timer's captions and the two difficulty marks.
namespace StudyTracking {

inline const QString RunningLabel = QStringLiteral("Time Elapsed");
inline const QString PausedLabel = QStringLiteral("Timer PAUSED");
inline const QString PauseCaption = QStringLiteral("Pause Timer");
inline const QString ContinueCaption = QStringLiteral("Continue");

enum DifficultyBox { DifficultBox = 0, VeryDifficultBox = 1 };

// The marks after the learner ticks or clears one box: clearing "Difficult" clears "Very
// Difficult" too, and "Very Difficult" is never set without "Difficult".
DifficultyMarks marksAfterClick(DifficultyBox box, bool checked, DifficultyMarks current);

} // namespace StudyTracking
