#include "Navigation.h"

#include <algorithm>
#include <cmath>

namespace Navigation {

int randomIndex(int rows, double r) {
    if (rows <= 0)
        return 0;
    const int k = int(std::floor(double(rows) * r));
    return std::clamp(k, 0, rows - 1);
}

QString wordNotFoundMessage() {
    return QStringLiteral("Word Not Found\r\n\r\nYou can ADD new words. Click on the Add Word "
                          "button on the Menu above");
}

} // namespace Navigation
