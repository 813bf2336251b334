#pragma once

#include "app/Random.h"
#include "app/StartModule.h"
#include "data/Speech.h"
#include "ui/MessageBox.h"

#include <deque>
#include <QList>
#include <QStringList>

// Records every text given to the voice.
class RecordingSpeech : public Speech {
public:
    void speak(const QString& text) override { spoken << text; }
    QStringList spoken;
};

// A screen of a chosen size that remembers the changes asked of it.
class FakeDisplayModes : public DisplayModes {
public:
    explicit FakeDisplayModes(QSize size) : size_(size) {}
    QSize screenSize() const override { return size_; }
    void changeResolution(int width, int height) override {
        changes << QSize(width, height);
        size_ = QSize(width, height);
    }
    QList<QSize> changes;

private:
    QSize size_;
};

// Hands out the given numbers in turn, then repeats the last.
class SequenceRandom : public Random {
public:
    explicit SequenceRandom(std::deque<double> values) : values_(std::move(values)) {}
    double uniform() override {
        if (values_.size() > 1) {
            const double v = values_.front();
            values_.pop_front();
            return v;
        }
        return values_.empty() ? 0.0 : values_.front();
    }

private:
    std::deque<double> values_;
};

// Records the message boxes shown while it lives and answers them: with the queued answers
// in turn, else with the box's default (or its first) button. Callbacks run while a box is
// "open", for tests that act inside a modal moment.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QList<MessageBox::Request> requests;
    std::deque<QMessageBox::StandardButton> answers;
    std::function<void(const MessageBox::Request&)> onShow;

    QStringList texts() const;
    void clear() { requests.clear(); }
};
