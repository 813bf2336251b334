// The application's style sheet, with a name for each colour (see Look::styleSheetTemplate).
// Windows say what a control is by properties ("surface", "tone", "verdict", ...) rather
// than by name: names repeat from window to window, and every window is a child of the main
// window, so a rule by name would reach into the others.
#include "Look.h"

namespace Look {

QString styleSheetTemplate() {
    return QStringLiteral(R"(
QToolTip { color: @ink; background: @noteBack; border: 1px solid @noteBorder; }
QFrame[surface="card"] { background: @card; border: 1px solid @cardBorder; border-radius: 10px; }
QFrame[surface="letterFrame"] { border: 2px solid @accentBack; border-radius: 6px; background: @accentBack; }
QFrame[surface="banner"] { background: @accentBack; border-radius: 8px; }
QFrame[surface="banner"] QLabel { color: @onAccent; background: transparent; } /* on @accentBack */
QLabel[surface="banner"] { color: @onAccent; padding: 6px; } /* on @accentBack */
QFrame[surface="strip"] { background: @strip; border-radius: 8px; }
QFrame[surface="strip"] QLabel { color: @stripText; } /* on @strip */
QFrame[surface="strip"] QLabel[value="true"] { color: @stripValue; } /* on @strip */
QLabel[surface="heading"] { background: @accentBack; color: @onAccent; padding: 4px 8px;
                            border-top-left-radius: 6px; border-top-right-radius: 6px; }
QLabel[surface="note"] { color: @note; background: @noteBack; border: 1px dashed @noteBorder;
                         border-radius: 6px; padding: 6px; }
QLabel[surface="field"] { color: @text; background: @field; border: 1px solid @fieldBorder;
                          border-radius: 6px; padding: 6px 10px; }
QFrame[surface="rule"] { color: @cardBorder; } /* line */
QScrollArea[surface="clear"], QScrollArea[surface="clear"] > QWidget > QWidget { background: transparent;
                                                                                border: none; }
QLabel[tone="text"] { color: @text; } /* on @card */
QLabel[tone="ink"] { color: @ink; } /* on @window @card @group */
QLabel[tone="accent"] { color: @accent; } /* on @window @card @group @field */
QLabel[tone="muted"] { color: @muted; } /* on @window @card @group @field */
QLabel[tone="note"] { color: @note; } /* on @window @card */
QLabel[tone="mark"] { color: @mark; } /* on @window @card @group */
QLabel[verdict="right"] { color: @right; } /* on @window @card @group */
QLabel[verdict="wrong"] { color: @wrong; } /* on @window @card @group */
QLabel[link="true"] { color: @accent; text-decoration: underline; padding: 2px 4px;
                      border: 1px solid transparent; } /* on @card */
QLabel[link="true"]:focus { border: 1px dotted @focus; }
QLabel[hint="true"] { color: @buttonText; background: @button; border: 1px solid @buttonBorder;
                      border-radius: 5px; padding: 6px 8px; }
QLabel[hint="true"]:hover { background: @buttonHover; } /* text @buttonText */
QLabel[hint="true"]:focus { border: 2px solid @focus; }
QLineEdit[bare="true"], QPlainTextEdit[bare="true"] { border: none; background: transparent;
                                                      color: @ink; } /* on @card */
QLineEdit[bare="true"][marked="true"] { color: @mark; } /* on @card */
QLineEdit[framed="true"] { border: 1px solid @fieldBorder; border-radius: 5px; background: @field;
                           color: @text; padding: 4px 6px; }
QLineEdit[framed="true"]:focus { border: 2px solid @focus; }
QPlainTextEdit { border: 1px solid @fieldBorder; border-radius: 6px; background: @field; color: @text; }
QPlainTextEdit:focus { border: 2px solid @focus; }
QListWidget { border: 1px solid @fieldBorder; border-radius: 6px; background: @field; color: @text; }
QListWidget:focus, QTableView:focus { border: 2px solid @focus; }
QTableView { background: @field; alternate-background-color: @alternateRow; color: @text;
             gridline-color: @cardBorder; selection-background-color: @accentBack;
             selection-color: @onAccent; } /* on @alternateRow */
QHeaderView::section { background: @header; color: @ink; font-weight: bold; padding: 4px 2px;
                       border: none; border-right: 1px solid @cardBorder;
                       border-bottom: 1px solid @cardBorder; }
QGroupBox { border: 1px solid @cardBorder; border-radius: 8px; margin-top: 16px; background: @group;
            font-weight: bold; color: @accent; padding-top: 4px; } /* on @window */
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }
QGroupBox QLabel, QGroupBox QCheckBox, QGroupBox QRadioButton { font-weight: normal; color: @text; } /* on @group */
QCheckBox::indicator, QRadioButton::indicator { width: 13px; height: 13px; border: 1px solid @indicator;
                                                background: @field; }
QRadioButton::indicator { border-radius: 7px; }
QCheckBox::indicator { border-radius: 3px; }
QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
                                  stop:0 @accent, stop:0.5 @accent, stop:0.6 @field, stop:1 @field); }
QCheckBox::indicator:checked { background: @accentBack; border-color: @accentBack; image: url(:/icons/tick.svg); }
QCheckBox::indicator:disabled, QRadioButton::indicator:disabled { border-color: @cardBorder; }
QPushButton { padding: 5px 12px; border: 1px solid @buttonBorder; border-radius: 5px;
              background: @button; color: @buttonText; }
QPushButton:hover { background: @buttonHover; } /* text @buttonText */
QPushButton:pressed { background: @buttonPressed; } /* text @buttonText */
QPushButton:focus { border: 2px solid @focus; }
QPushButton:disabled { color: @disabled; border-color: @cardBorder; }
QPushButton[accent="true"] { background: @accentBack; color: @onAccent; font-weight: bold;
                             border-color: @accentHover; }
QPushButton[accent="true"]:hover { background: @accentHover; } /* text @onAccent */
QPushButton[accent="true"]:focus { border: 2px solid @focus; }
QPushButton[accent="true"]:disabled { background: @cardBorder; color: @disabled; }
QPushButton[hint="true"] { background: @hintBack; border-color: @hintBorder; }
QPushButton[hint="true"]:pressed { background: @hintBorder; }
QPushButton[compact="true"] { padding: 0; }
QPushButton[note="true"] { color: @note; background: @noteBack; border-color: @noteBorder; }
QToolBar { background: @toolbar; border-bottom: 1px solid @cardBorder; spacing: 2px; padding: 2px; }
QToolBar QToolButton { padding: 3px 3px; color: @ink; border: 2px solid transparent;
                       border-radius: 5px; } /* on @toolbar */
QToolBar QToolButton:hover { background: @buttonHover; } /* text @ink */
QToolBar QToolButton:focus { border: 2px solid @focus; }
/* The arrow to the buttons a narrow window has no room for. */
QToolBar QToolButton#qt_toolbar_ext_button { padding: 0; border: none; border-radius: 0; }
)");
}

} // namespace Look
