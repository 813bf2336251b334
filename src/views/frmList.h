#pragma once

#include "views/frmNavigate.h"

#include <QPointer>
#include <QWidget>

class Form1;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class WordGridModel;

// "List View": the refined selection as a table bound to the main window's data source.
// Picking a row makes it the main window's word; every move of the main window moves the
// table's current row.
class frmList : public QWidget {
    Q_OBJECT
public:
    explicit frmList(Form1* main);

    // The opening: the keyboard hint, then the navigate window beside the list.
    void Form_Load();
    frmNavigate* navigateWindow() const { return frmNavigate_; }
    WordGridModel* model() const { return model_; }

    QLabel* DataGrid1Caption;
    QTableView* DataGrid1;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command12;

public slots:
    void Text1_Change();
    void command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command12_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();
    void followCard(int row);
    void gridRowPicked(const QModelIndex& current);

    Form1* main_;
    WordGridModel* model_;
    QPointer<frmNavigate> frmNavigate_;
    bool following_ = false;
};
