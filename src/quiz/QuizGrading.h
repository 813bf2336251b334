#pragma once

#include <optional>
#include <QString>

// The grade the quiz gives when it closes, from the answers verified while it was open.
namespace QuizGrading {

inline const QString Title = QStringLiteral("ScoreEvaluation - Verbaloom!");

// The whole-number percentage of right answers, cut; none when nothing was verified.
std::optional<int> accuracy(int correct, int answered);

// The one-line grade for an accuracy of 0 to 100.
QString grade(int accuracy);

// "Accuracy: 75%. Good. You can do much better"; none when nothing was verified.
std::optional<QString> message(int correct, int answered);

} // namespace QuizGrading
