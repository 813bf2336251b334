#pragma once

#include <array>
#include <QWidget>

class Form1;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// "One Spot - Ticker": the main window's current word in large type with its meaning and
// usage, and a ticker that steps through the refined selection by itself. Every step is the
// main window's own, so both always stand on the same word.
class frmShowAll : public QWidget {
    Q_OBJECT
public:
    explicit frmShowAll(Form1* main);

    bool listening() const { return listen_; }
    // The colour of the word box, as the last ticker step set it.
    QColor wordColor() const;

    QLabel* Label14;
    QLineEdit* Text1;
    QPlainTextEdit* Text2;
    QPushButton* studiedit;
    QPushButton* Command3;
    std::array<QPushButton*, 2> Command10{};
    QPushButton* Command12;
    QCheckBox* chkTickerOnOff;
    QGroupBox* frameTicker;
    QLabel* Label1;
    QComboBox* cmbSpeed;
    std::array<QRadioButton*, 2> Option1{};
    QCheckBox* chkListen;
    QTimer* Timer1;

public slots:
    void Command10_Click(int index);
    void Command3_Click();
    void chkTickerOnOff_Click();
    void cmbSpeed_Click();
    void chkListen_Click();
    void Timer1_Timer();
    void Command12_Click();
    void studiedit_Click();
    // The main window's word changed: copy the word and its details.
    void showWord();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showMarks();
    void scaleType();
    void setWordColor(const QColor& color);
    void setTimerEnabled(bool on);

    Form1* main_;
    bool listen_ = false;
    bool timerEnabled_ = false;
};
