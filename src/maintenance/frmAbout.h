#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// About Verbaloom: the picture, the version, the notices, and the way to the licences.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* Picture1;
    QLabel* Label12;
    QLabel* lblVersion;
    QFrame* Line1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* cmdLicences;
    QPushButton* cmdOK;

public slots:
    void cmdOK_Click();
    void cmdLicences_Click();

private:
    void Form_Load();
};
