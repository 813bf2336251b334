#pragma once

#include "app/Settings.h"

#include <optional>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QString>

class QWidget;

// Shared look: fonts, twips, the painted icons, and the colours: one table per appearance,
// from which the application's palette and style sheet are made.
namespace Look {

// Positions and sizes given in twips (1440 per inch) follow the widget's logical DPI.
int twips(const QWidget* widget, int twips);

QFont arial(double pointSize, bool bold = false);
// The widget's own font at another size, bold or not.
void setTextSize(QWidget* widget, double pointSize, bool bold);

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
// From the desktop's icon theme where it has one, else drawn here in the colours in force.
QIcon icon(Icon which);
// Verbaloom's own picture (share/icons/verbaloom.svg) at the given size in pixels.
QPixmap appPicture(int size);
// At start, before the first icon: no looking through a fallback theme that has none of ours.
void skipFallbackIconTheme();

// Every colour the windows use, by what it is for. Text colours keep a contrast of at least
// 4.5:1 with the backgrounds they are shown on, in both tables.
enum class Colour {
    Window,        // window background
    Card,          // the study card, the quiz's word card, the game's panels
    CardBorder,
    Group,         // group boxes
    Field,         // text boxes, lists
    FieldBorder,
    Ink,           // headings, the word
    Text,          // body text
    Muted,         // notes and captions of lesser weight
    Accent,        // accent-coloured text
    AccentBack,    // filled accent: banners, the main buttons
    AccentHover,
    OnAccent,      // text on the filled accent
    Strip,         // the counter strip over the card
    StripText,
    StripValue,
    Note,          // the card's hints, the quiz's hint cover
    NoteBack,
    NoteBorder,
    Button,
    ButtonHover,
    ButtonPressed,
    ButtonBorder,
    ButtonText,
    Disabled,
    Focus,
    HintBack,      // the main window's "?" button
    HintBorder,
    Mark,          // difficulty marks, the hint's cost, difficult words on the ticker
    Right,         // verdicts
    Wrong,
    Toolbar,
    AlternateRow,
    Header,
    LetterBox,     // the game's letter boxes
    LetterPicking, // a box while the letter picker is open for it
    LetterRight,
    LetterWrong,
    LetterFocus,   // the ring round the letter box that has the focus
    Indicator,     // the rings of check boxes and options
    Count
};

// The colour in the appearance in force, or in the light or dark table.
QColor colour(Colour c);
QColor colour(Colour c, bool dark);
// A colour by its name in the style sheet ("ink", "noteBack"), for the tests that read it.
std::optional<QColor> namedColour(const QString& name, bool dark);
bool isDark();

// Puts the appearance in force at once: the application's palette, its style sheet and the
// icons drawn here. "Desktop" takes the dark table when the desktop's own palette is dark.
void applyAppearance(AppSettings::Appearance appearance);
void applyStoredAppearance();
// Whether the desktop's palette, as it was before Verbaloom set its own, is a dark one.
bool desktopIsDark();

QPalette palette(bool dark);
QString styleSheet(bool dark);
// The style sheet with "@name" for each colour. A rule whose text is drawn on a background
// painted elsewhere names it: "/* on @card @window */"; one that sets only a background names
// the text drawn over it: "/* text @buttonText */".
QString styleSheetTemplate();
// The application's style sheet in force.
QString styleSheet();

// Every window, as it shows, is kept on its screen: made smaller (never below what its layout
// needs) and moved where it would reach past an edge, with room for the desktop's title bar.
void keepWindowsOnScreen();
void fitToScreen(QWidget* window);

// Asks the style to look at a widget again after a property its rules read has changed.
void restyle(QWidget* widget);

} // namespace Look
