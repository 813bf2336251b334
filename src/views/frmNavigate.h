#pragma once

#include <QWidget>

class Form1;
class QLabel;
class QPushButton;

// "Navigate - Verbaloom!": a small floating window that goes with the list: steps through the
// words, sets the current word's difficulty and shows its level.
class frmNavigate : public QWidget {
    Q_OBJECT
public:
    frmNavigate(Form1* main, QWidget* owner);

    QLabel* Label1;
    QLabel* lblDiffLevel;
    QPushButton* Command2;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* studiedit;
    QPushButton* Command12;

public slots:
    void refreshLevel();
    void command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void studiedit_Click();
    void Command12_Click();

private:
    Form1* main_;
};
