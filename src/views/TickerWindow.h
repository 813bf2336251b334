#pragma once

#include "data/Word.h"

#include <optional>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class Speech;
class StudySession;

// "One Spot - Ticker": the session's current word in large type with its meaning and usage,
// and a ticker that steps through the refined selection by itself. Every step is the
// session's own, so the main window and the ticker always stand on the same word. While a
// window holds the session the ticker waits, silent.
class TickerWindow : public QWidget {
    Q_OBJECT
public:
    TickerWindow(StudySession& session, Speech& speech, QWidget* parent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildWindow();
    void layOut();
    void connectControls();
    void showWord(const Word& word);
    void showMarks();
    void scaleType();
    // A difficult word shows in the mark colour.
    void setWordMarked(bool marked);
    void step(void (StudySession::*move)());
    void onTickerSwitched();
    void onSpeedChosen();
    void onTick();
    void updateTimer();
    void speak(const QString& text);

    StudySession& session_;
    Speech& speech_;
    QLabel* titleLabel_ = nullptr;
    QFrame* wordCard_ = nullptr;
    QLineEdit* wordBox_ = nullptr;
    QPlainTextEdit* detailsBox_ = nullptr;
    QPushButton* markStudiedButton_ = nullptr;
    QPushButton* randomButton_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* pronounceButton_ = nullptr;
    QCheckBox* tickerSwitch_ = nullptr;
    QGroupBox* tickerSettings_ = nullptr;
    QLabel* speedCaption_ = nullptr;
    QComboBox* speedBox_ = nullptr;
    QRadioButton* randomOrder_ = nullptr;
    QRadioButton* sequentialOrder_ = nullptr;
    QCheckBox* listenBox_ = nullptr;
    QTimer* tickTimer_ = nullptr;
    std::optional<Word> shownWord_;
    bool tickerOn_ = false;
    bool listening_ = false;
};
