#pragma once

#include <QDialog>

class frmGame;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks the new high scorer's name; "OK" hands it to the game.
class dlgHighScorerName : public QDialog {
    Q_OBJECT
public:
    dlgHighScorerName(frmGame* game, QWidget* parent = nullptr);

    void OKButton_Click();

    QLabel* lblPrizeMoney;
    QLineEdit* Text1;
    QPushButton* OKButton;

private:
    frmGame* game_;
};
