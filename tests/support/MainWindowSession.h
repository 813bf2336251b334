#pragma once

#include "app/Random.h"
#include "data/Database.h"
#include "study/MainWindow.h"
#include "study/StudySession.h"
#include "support/Fakes.h"
#include "support/Fixture.h"
#include "ui/Look.h"

#include <functional>
#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

// Whether a control lies in the window itself rather than in a window opened over it (a
// popup menu is part of the window it pops up from).
inline bool liesIn(const QObject* control, const QObject* window) {
    for (const QObject* p = control->parent(); p && p != window; p = p->parent()) {
        if (!p->isWidgetType())
            continue;
        const auto* w = static_cast<const QWidget*>(p);
        if (w->isWindow() && w->windowType() != Qt::Popup)
            return false;
    }
    return true;
}

// Finds the one control of a window with the given objectName, the way a learner's tools
// do; fails the test when there is none or more than one. A window opened over it (the
// ticker over the main window, the navigate window over the list) is found, its controls
// are its own.
template <class T = QWidget> T* control(const QObject* window, const QString& name) {
    QList<T*> found = window->findChildren<T*>(name);
    if (window->isWidgetType())
        found.removeIf([window](const T* c) { return !liesIn(c, window); });
    if (found.size() != 1)
        qFatal("%s: %lld controls named '%s'", qPrintable(window->objectName()),
               static_cast<long long>(found.size()), qPrintable(name));
    return found.first();
}

// One main window on a fixture database, with the voice, the random draws and the message
// boxes in the test's hands. Started (loaded and shown) unless asked not to be.
struct MainWindowSession {
    explicit MainWindowSession(const std::vector<WordRow>& words = FixtureDb::defaultWords(),
                               std::deque<double> draws = {0.0}, bool load = true)
        : MainWindowSession(words, std::make_unique<SequenceRandom>(std::move(draws)), load) {}
    MainWindowSession(const std::vector<WordRow>& words, std::unique_ptr<Random> random,
                      bool load = true)
        : db(words), modes(QSize(1280, 1024)) {
        // Laid out as the learner sees it: the program's own look.
        qApp->setStyleSheet(Look::styleSheet());
        Random::setGlobal(std::move(random));
        // The windows in the colours and the style sheet the program puts in force.
        Look::applyAppearance(AppSettings::Appearance::Light);
        Look::keepWindowsOnScreen();
        session = std::make_unique<StudySession>(ConnectionStrings::Shared);
        form = std::make_unique<MainWindow>(*session, speech, &modes);
        if (load)
            start();
    }
    virtual ~MainWindowSession() {
        form.reset();
        session.reset();
        Random::setGlobal(nullptr);
    }
    void start() {
        form->load();
        form->show();
    }
    template <class T = QWidget> T* find(const QString& name) const {
        return control<T>(form.get(), name);
    }
    QString word() const { return find<QLineEdit>(QStringLiteral("Text1"))->text(); }
    // What a control shows: a label's, a box's or a button's text.
    QString text(const QString& name) const { return textOf(find(name)); }
    static QString textOf(const QWidget* w) {
        if (auto* l = qobject_cast<const QLabel*>(w))
            return l->text();
        if (auto* e = qobject_cast<const QLineEdit*>(w))
            return e->text();
        if (auto* p = qobject_cast<const QPlainTextEdit*>(w))
            return p->toPlainText();
        if (auto* b = qobject_cast<const QAbstractButton*>(w))
            return b->text();
        qFatal("no text in %s", qPrintable(w->objectName()));
    }
    void click(const QString& name) const { click(find<QAbstractButton>(name)); }
    // Clicked where a learner would: a check box or an option on its box, a button anywhere.
    static void click(QAbstractButton* b) {
        const bool boxed = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, boxed ? QPoint(8, b->height() / 2) : QPoint());
    }
    // Presses a toolbar button by its key, as the learner's tools do.
    void toolbar(const QString& key) const { control<QAction>(form.get(), key)->trigger(); }
    // Draws that pick the 0-based rows given, out of n rows.
    static std::deque<double> picks(std::initializer_list<int> rows, int n) {
        std::deque<double> out;
        for (int r : rows)
            out.push_back((r + 0.5) / n);
        return out;
    }
    // Runs `inside` on the modal window that `open` shows, then lets it close.
    template <class W>
    static bool withModal(const std::function<void()>& open,
                          const std::function<void(W*)>& inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
                inside(w);
                ran = true;
                if (w->isVisible())
                    w->close();
            }
        });
        open();
        return ran;
    }

    FixtureDb db;
    RecordingSpeech speech;
    FakeDisplayModes modes;
    MessageRecorder messages;
    std::unique_ptr<StudySession> session;
    std::unique_ptr<MainWindow> form;
};
