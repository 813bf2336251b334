// Every window as learners meet it who listen through a screen reader, who use no mouse, who
// run the desktop at 150% or 200%, or on a 1024 x 768 screen, or in a dark palette: each
// window is opened the way a learner opens it and checked for names, for the Tab walk and
// Escape, for text that fits, and for the contrast of every text with what it is shown on.
// The program runs it at the scale factors 1, 1.5 and 2 (see tests/CMakeLists.txt).
#include "game/HighScoreDialog.h"
#include "maintenance/NoteWindow.h"
#include "selection/MainToolbar.h"
#include "transfer/ImportPreviewDialog.h"
#include "support/MainWindowSession.h"
#include "ui/Look.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {

using Visit = std::function<void(QWidget*)>;
using Opener = std::function<void(MainWindowSession&, const Visit&)>;

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    for (QWidget* w : QApplication::allWidgets())
        if (w->isWindow() && w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// Window activation arrives a moment after the window shows.
void activate(QWidget* w) {
    w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), w);
}

// Runs the visit on the modal window `open` brings up, closing it afterwards if need be.
void modal(const std::function<void()>& open, const Visit& visit) {
    QTimer::singleShot(0, [visit] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY2(w, "no modal window opened");
        activate(w);
        visit(w);
        if (QApplication::activeModalWidget() == w)
            w->close();
    });
    open();
}

// Runs the visit on the window `open` shows, then closes it.
void window(const std::function<void()>& open, const QString& name, const Visit& visit) {
    open();
    QWidget* w = topLevel(name);
    QVERIFY2(w, qPrintable(name + QStringLiteral(" did not open")));
    activate(w);
    visit(w);
    if (QPointer<QWidget> still = topLevel(name))
        still->close();
}

void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(w, key, modifiers);
}

// Every window, opened as a learner opens it.
const std::map<QString, Opener>& windows() {
    static const std::map<QString, Opener> table{
        {"Form1", [](MainWindowSession& s, const Visit& v) { v(s.form.get()); }},
        {"Form1 due words",
         [](MainWindowSession& s, const Visit& v) {
             s.toolbar(MainToolbar::DueWords);
             v(s.form.get());
         }},
        {"frmOptions",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { control<QAction>(s.form.get(), "options")->trigger(); }, v);
         }},
        {"frmIS",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { s.toolbar(MainToolbar::WordSelection); }, v);
         }},
        {"frmcalender",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { s.toolbar(MainToolbar::WordSelection); },
                   [&](QWidget* selection) {
                       control<QAbstractButton>(selection, "chkLastRead")->click();
                       modal([&] { control<QAbstractButton>(selection, "cmdFromDate")->click(); },
                             v);
                   });
         }},
        {"frmFilterbox",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { s.toolbar(MainToolbar::RefineSelection); }, v);
         }},
        {"frmtest",
         [](MainWindowSession& s, const Visit& v) {
             window([&] { s.toolbar(MainToolbar::Quiz); }, "frmtest", v);
         }},
        {"frmGame",
         [](MainWindowSession& s, const Visit& v) {
             window([&] { s.toolbar(MainToolbar::Game); }, "frmGame", v);
         }},
        {"frmAlphabets",
         [](MainWindowSession& s, const Visit& v) {
             window([&] { s.toolbar(MainToolbar::Game); }, "frmGame", [&](QWidget* game) {
                 modal([&] { press(control(game, "lblWordLetter_0"), Qt::Key_Space); }, v);
             });
         }},
        {"dlgHighScorerName",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { HighScoreDialog::askName(s.form.get()); }, v);
         }},
        {"frmShowAll",
         [](MainWindowSession& s, const Visit& v) {
             window([&] { s.toolbar(MainToolbar::Ticker); }, "frmShowAll", v);
         }},
        {"frmList",
         [](MainWindowSession& s, const Visit& v) {
             window([&] { s.toolbar(MainToolbar::ListView); }, "frmList", v);
         }},
        {"frmNavigate",
         [](MainWindowSession& s, const Visit& v) {
             window([&] { s.toolbar(MainToolbar::ListView); }, "frmNavigate", v);
         }},
        {"frmReport",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { s.toolbar(MainToolbar::Report); }, v);
         }},
        {"frmMisc",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { s.toolbar(MainToolbar::Report); }, [&](QWidget* report) {
                 press(control(report, "Label12"), Qt::Key_Return);
                 window([] {}, "frmMisc", v);
             });
         }},
        {"frmAddWord",
         [](MainWindowSession& s, const Visit& v) {
             window([&] { control<QAction>(s.form.get(), "addword")->trigger(); }, "frmAddWord",
                    v);
         }},
        {"frmEdit",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { s.click("cmdEdit"); }, v);
         }},
        {"frmTip",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { control<QAction>(s.form.get(), "vlguide")->trigger(); }, v);
         }},
        {"frmAbout",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { control<QAction>(s.form.get(), "about")->trigger(); }, v);
         }},
        {"frmExport",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { control<QAction>(s.form.get(), "exportwords")->trigger(); }, v);
         }},
        {"frmImport",
         [](MainWindowSession& s, const Visit& v) {
             // A file with a row that cannot be imported: its refusal shows in the list.
             const QString path = s.db.dir() + QStringLiteral("/list.csv");
             QFile file(path);
             QVERIFY(file.open(QIODevice::WriteOnly));
             file.write("Word;Meaning\nquell;to calm\n;no word\n");
             file.close();
             ImportPreviewDialog dialog(*s.session, path, s.form.get());
             QVERIFY(dialog.load());
             modal([&] { dialog.exec(); }, v);
         }},
        {"frmNotices",
         [](MainWindowSession& s, const Visit& v) {
             modal([&] { control<QAction>(s.form.get(), "about")->trigger(); },
                   [&](QWidget* about) {
                       modal([&] { control<QAbstractButton>(about, "cmdLicences")->click(); }, v);
                   });
         }},
    };
    return table;
}

void addWindowRows() {
    QTest::addColumn<QString>("name");
    for (const auto& [name, open] : windows())
        QTest::newRow(qPrintable(name)) << name;
}

// Opens the window of the current row and runs the check on it, in the appearance given
// (put in force once the program runs, as the learner's choice is).
void visit(const Visit& check,
           AppSettings::Appearance appearance = AppSettings::Appearance::Light) {
    QFETCH(QString, name);
    MainWindowSession s;
    Look::applyAppearance(appearance);
    activate(s.form.get());
    bool ran = false;
    windows().at(name)(s, [&](QWidget* w) {
        QCOMPARE(w->objectName(), name.section(QLatin1Char(' '), 0, 0)); // "Form1 due words"
        check(w);
        ran = true;
    });
    QVERIFY2(ran, qPrintable(name + QStringLiteral(" was not reached")));
}

// The window's own controls a learner can see (a window opened over it has its own).
QList<QWidget*> shownControls(QWidget* window) {
    QList<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (liesIn(w, window) && w->isVisibleTo(window) && w->isVisible())
            out << w;
    return out;
}

QString describe(const QWidget* w) {
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()),
                                       w->objectName());
}

// What a learner works: every button, box, list and slider, and every label made to be
// clicked. Scroll bars of a scrolling area and the parts inside a calendar or a list box are
// the area's own.
bool isControl(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractScrollArea*>(p) ||
            qobject_cast<const QCalendarWidget*>(p))
            return qobject_cast<const QAbstractItemView*>(w) && qobject_cast<const QCalendarWidget*>(p);
    if (qobject_cast<const QLabel*>(w))
        return w->cursor().shape() == Qt::PointingHandCursor || w->focusPolicy() != Qt::NoFocus;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

// Labels a mouse may click for what keys do elsewhere: the word's and the meaning's captions
// speak (Ctrl+L, the speaker's menu), the timer's caption pauses (the Pause button).
const QStringList kMouseOnly{"Label1", "Label2", "Label16"};

double luminance(const QColor& c) {
    const auto lin = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a widget's text is drawn on, as the window paints it: the commonest colour where the
// widget shows.
QColor backdrop(const QWidget* w, const QImage& window) {
    const QWidget* top = w->window();
    const QRect seen = w->visibleRegion().boundingRect().translated(w->mapTo(top, QPoint(0, 0)));
    const qreal ratio = window.devicePixelRatio();
    const QRect pixels(QPoint(int(seen.left() * ratio), int(seen.top() * ratio)),
                       QPoint(int(seen.right() * ratio), int(seen.bottom() * ratio)));
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (window.valid(x, y))
                ++counts[window.pixel(x, y)];
    QRgb commonest = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            commonest = it.key();
        }
    return QColor(commonest);
}

// Room a desktop's title bar takes above a window.
constexpr int kTitleBar = 32;

// The size a control needs to show its text whole; empty when it scrolls, wraps by itself or
// shows no text.
QSize needs(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().isEmpty() || !l->pixmap().isNull())
            return {};
        if (l->wordWrap())
            return {0, l->heightForWidth(l->width())};
        return l->sizeHint();
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return {g->fontMetrics().horizontalAdvance(g->title()) + 20, 0};
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text().isEmpty() || w->inherits("QuizOption") ? QSize() : b->sizeHint();
    return {};
}

bool showsWhole(const QWidget* w) {
    const QSize n = needs(w);
    return n.width() <= w->width() && n.height() <= w->height();
}

bool showsText(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w))
        return !l->text().trimmed().isEmpty();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return !b->text().isEmpty();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QComboBox*>(w);
}

} // namespace

Q_DECLARE_METATYPE(AppSettings::Appearance)

namespace {

// Every text colour of the style sheet with each background it is shown on, as the sheet
// names them: its own background, the ones "/* on ... */" names, or, for a rule that sets
// only a background, the text "/* text ... */" names. Disabled controls are exempt.
struct Pair {
    QString rule;
    QString text;
    QString back;
};

QList<Pair> styleSheetPairs() {
    static const QRegularExpression rule(
        QStringLiteral(R"(([^{}]+)\{([^}]*)\}[ \t]*(?:/\*([^*]*)\*/)?)"));
    static const QRegularExpression colour(QStringLiteral(R"((?:^|[;\s])color:\s*@(\w+))"));
    static const QRegularExpression back(
        QStringLiteral(R"((?:^|[;\s])(?:background|alternate-background-color):\s*@(\w+))"));
    static const QRegularExpression selection(
        QStringLiteral(R"(selection-color:\s*@(\w+).*selection-background-color:\s*@(\w+)|)"
                       R"(selection-background-color:\s*@(\w+).*selection-color:\s*@(\w+))"));
    static const QRegularExpression named(QStringLiteral(R"(@(\w+))"));
    QList<Pair> pairs;
    for (auto it = rule.globalMatch(Look::styleSheetTemplate()); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString selector = m.captured(1).simplified();
        const QString body = m.captured(2).simplified();
        const QString note = m.captured(3).simplified();
        if (selector.contains(QLatin1String(":disabled")) || note == QLatin1String("line"))
            continue;
        QString text = colour.match(body).captured(1);
        QStringList backs;
        for (auto b = back.globalMatch(body); b.hasNext();)
            backs << b.next().captured(1);
        if (note.startsWith(QLatin1String("text ")))
            text = named.match(note).captured(1);
        if (note.startsWith(QLatin1String("on ")))
            for (auto n = named.globalMatch(note); n.hasNext();)
                backs << n.next().captured(1);
        if (const QRegularExpressionMatch sel = selection.match(body); sel.hasMatch())
            pairs << Pair{selector + QStringLiteral(" (selected)"),
                          sel.captured(1) + sel.captured(4), sel.captured(2) + sel.captured(3)};
        if (text.isEmpty())
            continue;
        if (backs.isEmpty())
            backs << QString(); // a text colour on no background named: fails below
        for (const QString& b : backs)
            pairs << Pair{selector, text, b};
    }
    return pairs;
}

} // namespace

class TestAccess : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useTestSettings(); }

    // Every control a learner can reach has a name a screen reader speaks, and the card's
    // boxes say what they are with their text.
    void everyControlHasAName_data() { addWindowRows(); }
    void everyControlHasAName() {
        visit([](QWidget* window) {
            QStringList unnamed;
            for (QWidget* w : shownControls(window)) {
                if (!w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
                    continue;
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                if (!a || a->text(QAccessible::Name).trimmed().isEmpty() ||
                    a->role() == QAccessible::Client)
                    unnamed << describe(w);
            }
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        });
    }

    void theCardsBoxesSayWhatTheyShow() {
        MainWindowSession s;
        activate(s.form.get());
        for (const auto& [box, name] : {std::pair{"Text1", "Word"}, {"Text2", "Meaning"},
                                        {"Text3", "Usage"}}) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(s.find(box));
            QCOMPARE(a->text(QAccessible::Name), QString::fromLatin1(name));
            QVERIFY(a->textInterface());
            QCOMPARE(a->textInterface()->text(0, a->textInterface()->characterCount()),
                     s.text(box));
            QVERIFY(!a->state().invisible);
        }
        // "Guess Meanings" hides the meaning: a screen reader no longer finds it shown.
        QTest::keyClick(s.form.get(), Qt::Key_1, Qt::ControlModifier);
        QVERIFY(QAccessible::queryAccessibleInterface(s.find("Text2"))->state().invisible);
    }

    // Tab alone reaches every control of the window, and Escape closes it.
    void everyTextColourStandsOutFromItsBackground_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("back");
        for (const Pair& p : styleSheetPairs())
            QTest::newRow(qPrintable(p.rule + QStringLiteral(": ") + p.text + QStringLiteral(" on ") +
                                     p.back))
                << p.text << p.back;
        // Painted rather than styled: the game's letters in their boxes, the quiz's options
        // in their verdicts, the palette's own pairs.
        for (const auto& [text, back] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"letterRight", "letterBox"}, {"letterWrong", "letterBox"},
                 {"letterRight", "letterPicking"}, {"letterWrong", "letterPicking"},
                 {"right", "group"}, {"wrong", "group"}})
            QTest::newRow(qPrintable(QStringLiteral("painted: %1 on %2").arg(text, back)))
                << QString::fromLatin1(text) << QString::fromLatin1(back);
    }
    void everyTextColourStandsOutFromItsBackground() {
        QFETCH(QString, text);
        QFETCH(QString, back);
        QVERIFY2(!back.isEmpty(), "the rule names no background for its text");
        for (bool dark : {false, true}) {
            const std::optional<QColor> fg = Look::namedColour(text, dark);
            const std::optional<QColor> bg = Look::namedColour(back, dark);
            QVERIFY2(fg && bg, "a colour the tables do not have");
            QVERIFY2(contrast(*fg, *bg) >= 4.5,
                     qPrintable(QStringLiteral("%1 on %2 in the %3 table: %4:1")
                                    .arg(fg->name(), bg->name(), dark ? "dark" : "light")
                                    .arg(contrast(*fg, *bg), 0, 'f', 2)));
        }
    }

    void thePalettesPairsStandOut() {
        const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
            {QPalette::WindowText, QPalette::Window},      {QPalette::Text, QPalette::Base},
            {QPalette::Text, QPalette::AlternateBase},     {QPalette::ButtonText, QPalette::Button},
            {QPalette::HighlightedText, QPalette::Highlight},
            {QPalette::ToolTipText, QPalette::ToolTipBase}, {QPalette::PlaceholderText, QPalette::Base},
            {QPalette::Link, QPalette::Base},               {QPalette::WindowText, QPalette::Base}};
        for (bool dark : {false, true}) {
            const QPalette p = Look::palette(dark);
            for (const auto& [fg, bg] : pairs)
                QVERIFY2(contrast(p.color(fg), p.color(bg)) >= 4.5,
                         qPrintable(QStringLiteral("%1 / %2, %3").arg(fg).arg(bg).arg(dark)));
        }
    }

    // Each text as a window shows it, in either appearance, stands out from what is behind it.
    void everyTextInEveryWindowIsReadable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<AppSettings::Appearance>("appearance");
        for (const auto& [name, open] : windows())
            for (auto a : {AppSettings::Appearance::Light, AppSettings::Appearance::Dark})
                QTest::newRow(qPrintable(name + QLatin1Char(' ') + AppSettings::appearanceName(a)))
                    << name << a;
    }
    void everyTextInEveryWindowIsReadable() {
        QFETCH(AppSettings::Appearance, appearance);
        visit(
            [](QWidget* window) {
                const QImage painted = window->grab().toImage();
                QStringList faint;
                for (QWidget* w : shownControls(window)) {
                    if (!w->isEnabled() || !showsText(w) || w->visibleRegion().isEmpty())
                        continue;
                    const QColor fg = w->palette().color(w->foregroundRole());
                    const QColor bg = backdrop(w, painted);
                    const double ratio = contrast(fg, bg);
                    if (ratio < 4.5)
                        faint << QStringLiteral("%1 %2 on %3 (%4)")
                                     .arg(describe(w), fg.name(), bg.name())
                                     .arg(ratio, 0, 'f', 2);
                }
                QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
            },
            appearance);
    }

    // The window lies on the screen with room for a title bar, and no text is cut short.
    void everyWindowFitsAndShowsItsTextsWhole_data() { addWindowRows(); }
    void everyWindowFitsAndShowsItsTextsWhole() {
        visit([](QWidget* window) {
            const QRect area = window->screen()->availableGeometry();
            const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
            QVERIFY2(least.width() <= area.width() && least.height() + kTitleBar <= area.height(),
                     qPrintable(QStringLiteral("needs %1 x %2 of %3 x %4")
                                    .arg(least.width()).arg(least.height())
                                    .arg(area.width()).arg(area.height())));
            QVERIFY2(area.contains(window->frameGeometry()),
                     qPrintable(QStringLiteral("shows at %1,%2 %3 x %4 on %5 x %6")
                                    .arg(window->frameGeometry().x()).arg(window->frameGeometry().y())
                                    .arg(window->frameGeometry().width())
                                    .arg(window->frameGeometry().height())
                                    .arg(area.width()).arg(area.height())));
            QStringList cut;
            for (QWidget* w : shownControls(window))
                if (!showsWhole(w))
                    cut << describe(w) + QStringLiteral(" %1 x %2 < %3 x %4")
                                             .arg(w->width()).arg(w->height())
                                             .arg(needs(w).width()).arg(needs(w).height());
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
        });
    }

    void tabReachesEveryControl_data() { addWindowRows(); }
    void tabReachesEveryControl() {
        visit([](QWidget* window) {
            QSet<QWidget*> reached;
            QWidget* first = QApplication::focusWidget();
            QVERIFY2(first && liesIn(first, window), "nothing has the focus");
            for (int i = 0; i < 300; ++i) {
                reached << QApplication::focusWidget();
                press(QApplication::focusWidget(), Qt::Key_Tab);
                if (QApplication::focusWidget() == first)
                    break;
            }
            QVERIFY2(QApplication::focusWidget() == first, "Tab never came round");
            // The arrows move on from the option Tab reaches to the others of its group.
            for (QWidget* w : QSet<QWidget*>(reached))
                if (auto* option = qobject_cast<QRadioButton*>(w); option && option->autoExclusive())
                    for (auto* other : option->parentWidget()->findChildren<QRadioButton*>(
                             Qt::FindDirectChildrenOnly))
                        reached << other;
            QStringList missed;
            for (QWidget* w : shownControls(window))
                if (w->isEnabled() && isControl(w) && !kMouseOnly.contains(w->objectName()) &&
                    !reached.contains(w) && !(w->focusProxy() && reached.contains(w->focusProxy())))
                    missed << describe(w);
            QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QStringLiteral(", "))));
            if (window->objectName() == QLatin1String("Form1"))
                return; // Ctrl+Q ends the program instead
            QPointer<QWidget> w = window;
            press(QApplication::focusWidget(), Qt::Key_Escape);
            QTRY_VERIFY2(!w || !w->isVisible(), "Escape did not close it");
        });
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
