#pragma once

#include <QString>

// Moving through the refined selection: the random word's draw and find's message.
namespace Navigation {

// The row index 0..n-1 drawn by r in [0, 1): each equally likely.
int randomIndex(int rows, double r);

QString wordNotFoundMessage();

} // namespace Navigation
