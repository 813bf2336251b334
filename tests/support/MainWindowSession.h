#pragma once

#include "app/Random.h"
#include "study/Form1.h"
#include "support/Fakes.h"
#include "support/Fixture.h"

#include <functional>
#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

// One main window on a fixture database, with the voice, the random draws and the message
// boxes in the test's hands. Started (loaded and shown) unless asked not to be.
struct MainWindowSession {
    explicit MainWindowSession(const std::vector<WordRow>& words = FixtureDb::defaultWords(),
                               std::deque<double> draws = {0.0}, bool load = true)
        : MainWindowSession(words, std::make_unique<SequenceRandom>(std::move(draws)), load) {}
    MainWindowSession(const std::vector<WordRow>& words, std::unique_ptr<Random> random,
                      bool load = true)
        : db(words), modes(QSize(1280, 1024)) {
        Random::setGlobal(std::move(random));
        form = std::make_unique<Form1>(&speech, &modes);
        if (load)
            start();
    }
    virtual ~MainWindowSession() {
        form.reset();
        Random::setGlobal(nullptr);
    }
    void start() {
        form->Form_Load();
        form->show();
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
    std::unique_ptr<Form1> form;
};
