#include "QuizGrading.h"

#include <algorithm>

namespace QuizGrading {

std::optional<int> accuracy(int correct, int answered) {
    if (answered <= 0)
        return std::nullopt;
    // Whole numbers: in double precision 29 / 100 * 100 is 28.999... and would cut to 28.
    return int(std::clamp<qint64>(qint64(correct) * 100 / answered, 0, 100));
}

QString grade(int accuracy) {
    if (accuracy == 100)
        return QStringLiteral("Splendid! ");
    if (accuracy >= 90 && accuracy <= 99)
        return QStringLiteral("Excellent. You are going too good.");
    if (accuracy >= 80 && accuracy <= 89)
        return QStringLiteral("Very good. You are only a few practices away.");
    if (accuracy >= 55 && accuracy <= 79)
        return QStringLiteral("Good. You can do much better");
    return QStringLiteral("You need practice");
}

std::optional<QString> message(int correct, int answered) {
    const std::optional<int> a = accuracy(correct, answered);
    if (!a)
        return std::nullopt;
    return QStringLiteral("Accuracy: %1%. ").arg(*a) + grade(*a);
}

} // namespace QuizGrading
