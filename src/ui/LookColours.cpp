// The two colour tables, the palettes made from them, and putting an appearance in force.
#include "Look.h"

#include <array>
#include <QApplication>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>

// The style sheet draws the check boxes' tick from the compiled-in pictures.
static void initSheetResources() {
    Q_INIT_RESOURCE(verbaloom);
}

namespace Look {

namespace {

struct Entry {
    Colour colour;
    const char* name; // as the style sheet names it
    QRgb light;
    QRgb dark;
};

// Each text colour was chosen against every background it is shown on (the contrast test
// reads them from the style sheet); the dark verdicts are lighter shades, as pure red and
// green read poorly on a dark card.
constexpr std::array<Entry, size_t(Colour::Count)> kTable{{
    {Colour::Window, "window", 0xf3f0e8, 0x1c2226},
    {Colour::Card, "card", 0xffffff, 0x262d33},
    {Colour::CardBorder, "cardBorder", 0xd8d2c4, 0x3d464d},
    {Colour::Group, "group", 0xfbf9f4, 0x222a2f},
    {Colour::Field, "field", 0xfffdf8, 0x20272c},
    {Colour::FieldBorder, "fieldBorder", 0xb9b09b, 0x56626b},
    {Colour::Ink, "ink", 0x1b3a4b, 0xeef1f3},
    {Colour::Text, "text", 0x22313a, 0xd9dee2},
    {Colour::Muted, "muted", 0x6b6455, 0xa9b4bb},
    {Colour::Accent, "accent", 0x1f6f8b, 0x6cc3e0},
    {Colour::AccentBack, "accentBack", 0x1f6f8b, 0x216a82},
    {Colour::AccentHover, "accentHover", 0x185d75, 0x2b7d99},
    {Colour::OnAccent, "onAccent", 0xffffff, 0xffffff},
    {Colour::Strip, "strip", 0x1a5f77, 0x174b5e},
    {Colour::StripText, "stripText", 0xeef6f8, 0xe8f4f8},
    {Colour::StripValue, "stripValue", 0xffd58a, 0xffd58a},
    {Colour::Note, "note", 0x7a5a1c, 0xf0c674},
    {Colour::NoteBack, "noteBack", 0xfff6df, 0x3a3220},
    {Colour::NoteBorder, "noteBorder", 0xe2c27a, 0x8a6d2f},
    {Colour::Button, "button", 0xfffaf0, 0x2f373e},
    {Colour::ButtonHover, "buttonHover", 0xfff2d6, 0x38434b},
    {Colour::ButtonPressed, "buttonPressed", 0xf1dfb5, 0x414d56},
    {Colour::ButtonBorder, "buttonBorder", 0xb9b09b, 0x56626b},
    {Colour::ButtonText, "buttonText", 0x1b3a4b, 0xeef1f3},
    {Colour::Disabled, "disabled", 0x8f887a, 0x7d8a93},
    {Colour::Focus, "focus", 0x1f6f8b, 0x6cc3e0},
    {Colour::HintBack, "hintBack", 0xffe7b3, 0x5a4a22},
    {Colour::HintBorder, "hintBorder", 0xd49a2a, 0xc9a24a},
    {Colour::Mark, "mark", 0xb3261e, 0xff8a80},
    {Colour::Right, "right", 0x1e7b34, 0x7ee2a8},
    {Colour::Wrong, "wrong", 0xb3261e, 0xff8a80},
    {Colour::Toolbar, "toolbar", 0xece7da, 0x232a2f},
    {Colour::AlternateRow, "alternateRow", 0xf6f2e8, 0x242b30},
    {Colour::Header, "header", 0xece7da, 0x2f373e},
    // The letter boxes are black in both: their letters are bright on any desktop.
    {Colour::LetterBox, "letterBox", 0x000000, 0x000000},
    {Colour::LetterPicking, "letterPicking", 0x3c3c3c, 0x3c3c3c},
    {Colour::LetterRight, "letterRight", 0x00ff00, 0x00ff00},
    {Colour::LetterWrong, "letterWrong", 0xff8a80, 0xff8a80},
    {Colour::LetterFocus, "letterFocus", 0xffd58a, 0xffd58a},
    {Colour::Indicator, "indicator", 0x7d7564, 0x8d9aa3},
}};

bool gDark = false;

const QPalette& desktopPalette() {
    // Read before Verbaloom puts a palette of its own in force.
    static const QPalette desktop = QGuiApplication::palette();
    return desktop;
}

} // namespace

QColor colour(Colour c, bool dark) {
    const Entry& e = kTable.at(size_t(c));
    return QColor(dark ? e.dark : e.light);
}

QColor colour(Colour c) {
    return colour(c, gDark);
}

std::optional<QColor> namedColour(const QString& name, bool dark) {
    for (const Entry& e : kTable)
        if (name == QLatin1String(e.name))
            return colour(e.colour, dark);
    return std::nullopt;
}

bool isDark() {
    return gDark;
}

bool desktopIsDark() {
    const QPalette& p = desktopPalette();
    return p.color(QPalette::Window).lightness() < p.color(QPalette::WindowText).lightness();
}

QPalette palette(bool dark) {
    const auto c = [dark](Colour role) { return colour(role, dark); };
    QPalette p(c(Colour::ButtonText), c(Colour::Button), c(Colour::Card), c(Colour::ButtonBorder),
               c(Colour::ButtonBorder), c(Colour::Text), c(Colour::Card), c(Colour::Field),
               c(Colour::Window));
    p.setColor(QPalette::WindowText, c(Colour::Text));
    p.setColor(QPalette::AlternateBase, c(Colour::AlternateRow));
    p.setColor(QPalette::Highlight, c(Colour::AccentBack));
    p.setColor(QPalette::HighlightedText, c(Colour::OnAccent));
    p.setColor(QPalette::ToolTipBase, c(Colour::NoteBack));
    p.setColor(QPalette::ToolTipText, c(Colour::Ink));
    p.setColor(QPalette::PlaceholderText, c(Colour::Muted));
    p.setColor(QPalette::Link, c(Colour::Accent));
    p.setColor(QPalette::LinkVisited, c(Colour::Accent));
    p.setColor(QPalette::BrightText, c(Colour::Card));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, c(Colour::Disabled));
    return p;
}

QString styleSheet(bool dark) {
    static const QRegularExpression name(QStringLiteral("@([A-Za-z]+)"));
    QString sheet = styleSheetTemplate();
    QString out;
    out.reserve(sheet.size());
    qsizetype at = 0;
    for (auto it = name.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(sheet).mid(at, m.capturedStart() - at);
        const std::optional<QColor> c = namedColour(m.captured(1), dark);
        out += c ? c->name() : m.captured(0);
        at = m.capturedEnd();
    }
    out += QStringView(sheet).mid(at);
    return out;
}

QString styleSheet() {
    return styleSheet(gDark);
}

void applyAppearance(AppSettings::Appearance appearance) {
    static const bool loaded = [] {
        initSheetResources();
        return true;
    }();
    Q_UNUSED(loaded);
    desktopPalette();
    gDark = appearance == AppSettings::Appearance::Dark ||
            (appearance == AppSettings::Appearance::Desktop && desktopIsDark());
    QApplication::setPalette(palette(gDark));
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->setStyleSheet(styleSheet(gDark));
    // The icons drawn here read the colours when painted: every window paints them anew.
    for (QWidget* w : QApplication::allWidgets())
        w->update();
}

void applyStoredAppearance() {
    applyAppearance(AppSettings::appearance());
}

void restyle(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace Look
