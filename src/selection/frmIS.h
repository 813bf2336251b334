#pragma once

#include <array>
#include <QDialog>

class Form1;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

// "Word Selection": builds a new current selection from up to six criteria.
class frmIS : public QDialog {
    Q_OBJECT
public:
    frmIS(Form1* main, QWidget* owner = nullptr);

    QFrame* Picture1;
    QLabel* Label17;
    QLabel* Label4;
    QListWidget* lstWLSelect;
    QLabel* Label5;
    QGroupBox* frameSpWL;
    QCheckBox* chkSpecialWL;
    QListWidget* lstSpWL;
    QGroupBox* Frame6;
    QCheckBox* chkAll;
    QGroupBox* Frame1;
    QCheckBox* chkAlpha;
    QLabel* Label6;
    QFrame* frameAlpha;
    QListWidget* lstAlphabet;
    QLabel* Label3;
    QGroupBox* frameWL;
    QCheckBox* chkWL;
    QListWidget* lstWList;
    QGroupBox* Frame5;
    QCheckBox* chkRCnt;
    QFrame* frameRCnt;
    QLabel* Label1;
    QComboBox* cmbRdCnt;
    QLineEdit* txtRdCnt;
    QScrollBar* VScroll1;
    QLabel* Label2;
    QGroupBox* Frame3;
    QCheckBox* chkDL;
    QFrame* frameDL;
    std::array<QCheckBox*, 3> chkDiffLevel{};
    QGroupBox* Frame4;
    QCheckBox* chkLastRead;
    QFrame* frameLRead;
    QLabel* Label18;
    std::array<QLineEdit*, 2> txtDateRange{};
    QPushButton* cmdFromDate;
    QLabel* Label19;
    QPushButton* cmdToDate;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

public slots:
    void lstWLSelect_Click();
    void chkAll_Click();
    void VScroll1_Change();
    void cmdFromDate_Click();
    void cmdToDate_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void Form_Load();
    void criterionClick(QCheckBox* box, QWidget* part);
    void openCalendar(QLineEdit* target);
    Form1* main_;
};
