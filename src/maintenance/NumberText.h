#pragma once

#include <QString>

// A whole number with its sign position: a blank before a number that is not negative, the
// minus sign otherwise. The version text and the add-word error message are written so.
inline QString withSignPosition(qint64 number) {
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}
