#pragma once

#include <array>
#include <QGroupBox>

class QLabel;
class QPushButton;
class QRadioButton;

// The four display modes of the card.
class DisplayModePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit DisplayModePanel(QWidget* parent = nullptr);

    int mode() const;
    void setMode(int mode); // as the learner's choice: modeChosen follows

signals:
    void modeChosen(int mode);

private:
    std::array<QRadioButton*, 4> modes_{};
};

// "Keep '?' Pressed": the hint button shows every hidden box while it is held.
class HintPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit HintPanel(QWidget* parent = nullptr);

signals:
    void hintHeld();
    void hintReleased();

private:
    QPushButton* hintButton_;
};
