#pragma once

#include <array>
#include <memory>
#include <QDialog>

class Form1;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Recordset;

// Adds a word of the learner's own to the word table, through the main window's data
// source. Modeless; the main window's selection is given back when it closes.
class frmAddWord : public QDialog {
    Q_OBJECT
public:
    explicit frmAddWord(Form1* main);
    ~frmAddWord() override;

    // Shows the window, bringing an open one forward rather than opening a second.
    static frmAddWord* open(Form1* main);
    static frmAddWord* current();

    QLabel* Picture1;
    QLabel* Label14;
    QLabel* Label1;
    QLineEdit* txtWord;
    QLabel* Label3;
    QLineEdit* txtMeaning;
    QLabel* Label2;
    QLineEdit* txtUsage;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 3> optDiffLevel{};
    QLabel* Label4;
    QPushButton* cmdAddWord;
    QPushButton* Command1;

public slots:
    void cmdAddWord_Click();
    void command1_Click();

protected:
    // Every way of closing passes here: the button, Esc, the title bar, the main window.
    void done(int result) override;

private:
    void Form_Load();
    void Form_Unload();
    int difficulty() const;

    Form1* main_;
    std::shared_ptr<Recordset> kept_;
    bool unloaded_ = false;
};
