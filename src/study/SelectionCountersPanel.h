#pragma once

#include "study/StudySession.h"

#include <QFrame>

class QLabel;

// The strip across the top of the main window: the selection's size, the refined count and
// the current word's position.
class SelectionCountersPanel : public QFrame {
    Q_OBJECT
public:
    explicit SelectionCountersPanel(QWidget* parent = nullptr);

    void showCounts(const StudySession::Counts& counts);

private:
    QLabel* selectionCount_;
    QLabel* refinedCount_;
    QLabel* position_;
};
