#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

// The Tip of the Day: a question and its answer drawn from the tips file beside the
// program, another on "Next", and the choice whether it opens at start-up.
class frmTip : public QDialog {
    Q_OBJECT
public:
    explicit frmTip(QWidget* parent = nullptr);

    // Reads the tips file and shows a tip at random; false when there is none to show.
    bool LoadTips(const QString& sFile);
    void DisplayCurrentTip();

    QStringList Tips;
    int CurrentTip = 0; // 1-based; 0 before any is shown

    QLabel* Picture1;
    QLabel* Label14;
    QFrame* Shape1;
    QLabel* Picture2;
    QLabel* lblTipQues;
    QFrame* Line1;
    QLabel* lblTipText;
    QCheckBox* chkLoadTipsAtStartup;
    QPushButton* cmdNextTip;
    QPushButton* cmdOK;

public slots:
    void cmdNextTip_Click();
    void chkLoadTipsAtStartup_Click();
    void cmdOK_Click();

private:
    void Form_Load();
};
