#pragma once

#include "app/StartModule.h"
#include "data/Speech.h"
#include "study/MainWindow.h"
#include "study/StudySession.h"
#include "SyntheticDb.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QApplication>
#include <QWidget>

// What the window benchmarks share: a silent voice, a fixed screen, and a main window
// started offscreen over a synthetic database of 100,000 or 1,000,000 words.
struct SilentSpeech : Speech {
    void speak(const QString&) override {}
};

struct FixedScreen : DisplayModes {
    QSize screenSize() const override { return {1280, 1024}; }
    void changeResolution(int, int) override {}
};

struct LargeMainWindow {
    explicit LargeMainWindow(int words);
    ~LargeMainWindow();
    int words;
    SyntheticDb db;
    SilentSpeech speech;
    FixedScreen screen;
    std::unique_ptr<StudySession> session;
    std::unique_ptr<MainWindow> form;
};
// The main window over that many words, made on first use; one size at a time is kept.
LargeMainWindow& largeMainWindow(int words = 100000);

// The sizes every window benchmark runs at: ->Apply(atBothSizes).
void atBothSizes(benchmark::internal::Benchmark* b);

// The child of a window by objectName, for driving it as a learner does.
template <class T> T* child(const QObject* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

// Lets the event loop run until `done` says so: work done in steps between events.
template <class F> void processEventsUntil(F&& done) {
    while (!done())
        QApplication::processEvents(QEventLoop::AllEvents);
}

// Runs the registered benchmarks offscreen, with test settings, the tip of the day off and
// every message box answered with its default.
int runWindowBenchmarks(int argc, char** argv);
