#pragma once

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The licences in full: the word data's and the libraries', read from the notices folder
// beside the program.
class frmNotices : public QDialog {
    Q_OBJECT
public:
    explicit frmNotices(QWidget* parent = nullptr);

    QListWidget* lstNotices;
    QPlainTextEdit* txtNotice;
    QPushButton* cmdClose;
};
