#pragma once

#include <QDialog>

class QSpinBox;

// "Study Options": how much of each word the review planner aims to keep (the target
// retention) and how many new words a day join the due words.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget* parent = nullptr);

private:
    void save();

    QSpinBox* retention_;
    QSpinBox* newWords_;
};
