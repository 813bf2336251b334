#pragma once

#include <QObject>
#include <QTimer>

// The minutes spent studying this run. It counts while running; the learner pauses it, and
// any study action (a step, a mark) sets it running again.
class StudyTimer : public QObject {
    Q_OBJECT
public:
    explicit StudyTimer(QObject* parent = nullptr);

    bool isRunning() const { return clock_.isActive(); }
    int minutes() const { return minutes_; }

    void resume();
    void pause();
    void toggle() { isRunning() ? pause() : resume(); }

    // The one place the interval is set; tests shorten it.
    void setMinuteLength(int milliseconds) { clock_.setInterval(milliseconds); }

signals:
    void changed(); // running state or minutes

private:
    QTimer clock_;
    int minutes_ = 0;
};
