#pragma once

#include "app/StartModule.h"
#include "data/Speech.h"
#include "study/MainWindow.h"
#include "study/StudySession.h"
#include "SyntheticDb.h"

#include <memory>

// What the window benchmarks share: a silent voice, a fixed screen, and a main window
// started offscreen over a synthetic database of 100,000 words.
struct SilentSpeech : Speech {
    void speak(const QString&) override {}
};

struct FixedScreen : DisplayModes {
    QSize screenSize() const override { return {1280, 1024}; }
    void changeResolution(int, int) override {}
};

struct LargeMainWindow {
    static constexpr int Words = 100000;
    LargeMainWindow();
    SyntheticDb db;
    SilentSpeech speech;
    FixedScreen screen;
    std::unique_ptr<StudySession> session;
    std::unique_ptr<MainWindow> form;
    ~LargeMainWindow();
};
LargeMainWindow& largeMainWindow();

// Runs the registered benchmarks offscreen, with test settings, the tip of the day off and
// every message box answered with its default.
int runWindowBenchmarks(int argc, char** argv);
