#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;

// "Study Options": how much of each word the review planner aims to keep (the target
// retention), how many new words a day join the due words, and the light or dark look.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget* parent = nullptr);

private:
    void save();

    QSpinBox* retention_;
    QSpinBox* newWords_;
    QComboBox* appearance_;
};
