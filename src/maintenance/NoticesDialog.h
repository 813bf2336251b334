#pragma once

#include <QDialog>

// The licences in full: the word data's and the libraries', read from the notices folder
// beside the program.
class NoticesDialog : public QDialog {
    Q_OBJECT
public:
    explicit NoticesDialog(QWidget* parent = nullptr);
};
