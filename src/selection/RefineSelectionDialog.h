#pragma once

#include <array>
#include <QDialog>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class StudySession;

// "Refine Selection": narrows the session's selection by any one of fourteen filters, eight
// options and six text searches, and says how many words are left after each.
class RefineSelectionDialog : public QDialog {
    Q_OBJECT
public:
    RefineSelectionDialog(StudySession& session, QWidget* parent);

private:
    void buildHeader();
    void buildFilters();
    QGridLayout* layOutFilters();
    void layOut(QGridLayout* filters);
    void showOpeningCounts();
    void optionClicked(int index);
    void textChanged(int index);
    int refinedCount() const;

    StudySession& session_;
    QWidget* banner_ = nullptr;
    QLabel* instructions_ = nullptr;
    QLabel* selectionCount_ = nullptr;
    QLabel* refinedCount_ = nullptr;
    std::array<QRadioButton*, 8> options_{};
    std::array<QLineEdit*, 8> texts_{};
    std::array<QLabel*, 2> nameCaptions_{};
    QLabel* meaningCaption_ = nullptr;
    QLabel* usageCaption_ = nullptr;
    std::array<QLabel*, 2> orLabels_{};
    QLabel* readCountCaption_ = nullptr;
    QLabel* wordListCaption_ = nullptr;
    std::array<QLabel*, 14> numbers_{};
    QPushButton* closeButton_ = nullptr;
};
