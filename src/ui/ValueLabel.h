#pragma once

#include <QLabel>

// A label that shows a value (a count, a score, a verdict): assistive tools hear its caption
// with the value, "Score: 2 / 3 : 66%", and hear it again whenever it changes. A live one
// (a verdict) is announced as news when the window calls announce().
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& caption, QWidget* parent, bool live = false);

    QString caption() const { return caption_; }
    bool isLive() const { return live_; }
    // Tells assistive tools that the value just shown is news.
    void announce();

private:
    QString caption_;
    bool live_;
};
