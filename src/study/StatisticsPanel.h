#pragma once

#include "data/Word.h"

#include <QGroupBox>

class QLabel;
class QPushButton;
class StudyTimer;

// "Statistics": the current word's read count, last read date and word list, the words
// studied this session, and the study timer with its pause button.
class StatisticsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit StatisticsPanel(StudyTimer& timer, QWidget* parent = nullptr);

    void showWord(const Word& word);
    void showStudiedThisSession(int count);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTimer();

    StudyTimer& timer_;
    QLabel* readCount_;
    QLabel* studiedThisSession_;
    QLabel* lastRead_;
    QLabel* wordList_;
    QLabel* timerState_;
    QLabel* minutes_;
    QPushButton* pauseButton_;
};
