#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

// Shared look: fonts, twips, the painted icons, the application style sheet.
namespace Look {

// Positions and sizes given in twips (1440 per inch) follow the widget's logical DPI.
int twips(const QWidget* widget, int twips);

QFont arial(double pointSize, bool bold = false);

enum class Icon {
    Speaker,
    Hint,
    App,
    Select,
    Refine,
    Revise,
    Quiz,
    Game,
    Ticker,
    List,
    Print,
    Report,
    Due
};
// From the desktop's icon theme where it has one, else drawn here.
QIcon icon(Icon which);
// Verbaloom's own picture (share/icons/verbaloom.svg) at the given size in pixels.
QPixmap appPicture(int size);

QString styleSheet();

} // namespace Look
