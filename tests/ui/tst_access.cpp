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

// Opens the window of the current row and runs the check on it.
void visit(const Visit& check) {
    QFETCH(QString, name);
    MainWindowSession s;
    activate(s.form.get());
    bool ran = false;
    windows().at(name)(s, [&](QWidget* w) {
        QCOMPARE(w->objectName(), name);
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

// What a widget's text is drawn on: its own background, or the first one behind it.
QColor backdrop(const QWidget* w) {
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        const QColor c = p->palette().color(p == w ? w->backgroundRole() : p->backgroundRole());
        if (c.alpha() == 255)
            return c;
    }
    return QApplication::palette().color(QPalette::Window);
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
