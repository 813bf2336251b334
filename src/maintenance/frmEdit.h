#pragma once

#include <QDialog>

class Form1;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Corrects the meaning and the usage example of the word the main window shows.
class frmEdit : public QDialog {
    Q_OBJECT
public:
    explicit frmEdit(Form1* main);

    QLabel* Label14;
    QLabel* lblWord;
    QLabel* Label1;
    QPlainTextEdit* txtMeaning;
    QLabel* Label2;
    QPlainTextEdit* txtUsage;
    QPushButton* cmdUpdate;
    QPushButton* cmdCancel;
    QLabel* Picture1;

public slots:
    void cmdUpdate_Click();
    void cmdCancel_Click();

private:
    void Form_Load();
    Form1* main_;
};
