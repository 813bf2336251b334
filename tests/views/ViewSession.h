#pragma once

#include "app/Random.h"
#include "study/Form1.h"
#include "support/Fakes.h"
#include "support/Fixture.h"

#include <memory>
#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

// One started main window on a fixture database, with the voice, the random draws and the
// message boxes in the test's hands.
struct ViewSession {
    explicit ViewSession(const std::vector<WordRow>& words = FixtureDb::defaultWords(),
                         std::deque<double> random = {0.0})
        : db(words), modes(QSize(1280, 1024)) {
        Random::setGlobal(std::make_unique<SequenceRandom>(std::move(random)));
        form = std::make_unique<Form1>(&speech, &modes);
        form->Form_Load();
        form->show();
    }
    ~ViewSession() {
        form.reset();
        Random::setGlobal(nullptr);
    }
    QString word() const { return form->Text1->text(); }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    // Draws that pick the 0-based rows given, out of n rows.
    static std::deque<double> picks(std::initializer_list<int> rows, int n) {
        std::deque<double> out;
        for (int r : rows)
            out.push_back((r + 0.5) / n);
        return out;
    }

    FixtureDb db;
    RecordingSpeech speech;
    FakeDisplayModes modes;
    MessageRecorder messages;
    std::unique_ptr<Form1> form;
};
