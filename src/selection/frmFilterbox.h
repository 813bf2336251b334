#pragma once

#include <array>
#include <QDialog>

class Form1;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Refine Selection": narrows the current selection by one of fourteen filters.
class frmFilterbox : public QDialog {
    Q_OBJECT
public:
    frmFilterbox(Form1* main, QWidget* owner = nullptr);

    QFrame* Picture1;
    QLabel* Label14;
    QLabel* Label7;
    QLabel* lblMsg;
    QLabel* lblSet;
    std::array<QRadioButton*, 8> Option1{};
    std::array<QLineEdit*, 8> Text1{};
    std::array<QLabel*, 2> Label1{};
    QLabel* Label3;
    QLabel* Label2;
    std::array<QLabel*, 2> Label5{};
    QLabel* Label8;
    QLabel* Label21;
    std::array<QLabel*, 14> Label4{};
    QPushButton* cmdClose;

public slots:
    void Option1_Click(int index);
    void Text1_Change(int index);

private:
    void Form_Load();
    bool applyFilter(const QString& expression);
    int refinedCount() const;
    Form1* main_;
};
