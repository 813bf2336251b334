#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QFrame;
class QLabel;

// The Tip of the Day: a question and its answer drawn from the tips file beside the
// program, another on "Next", and the choice whether it opens at start-up.
class TipDialog : public QDialog {
    Q_OBJECT
public:
    explicit TipDialog(QWidget* parent = nullptr);

private:
    void buildWindow();
    QFrame* buildCard();
    void loadTips();
    void showNextTip();
    void startupChoiceClicked(bool show);

    QStringList tips_;
    QLabel* question_ = nullptr;
    QFrame* rule_ = nullptr;
    QLabel* answer_ = nullptr;
    QCheckBox* showAtStartup_ = nullptr;
};
