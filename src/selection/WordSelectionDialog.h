#pragma once

#include "selection/IntelliSelect.h"

#include <array>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class StudySession;

// "Word Selection" (Intelli Select): the learner ticks criteria, each showing its choices;
// "Get Results" composes the statement and makes its words the session's selection.
class WordSelectionDialog : public QDialog {
    Q_OBJECT
public:
    WordSelectionDialog(StudySession& session, QWidget* parent);

private:
    QWidget* buildBanner();
    QGroupBox* buildWordListChoice();
    QGroupBox* buildAllWords();
    QGroupBox* buildLetters();
    QGroupBox* buildWordLists();
    QGroupBox* buildStudyCount();
    QGroupBox* buildDifficulty();
    QGroupBox* buildLastStudied();
    void buildButtons();
    void layOut(QWidget* banner, QGroupBox* wordListChoice, const QList<QGroupBox*>& middle,
                const QList<QGroupBox*>& right);
    void connectCriteria();
    void fillChoices();

    void showWordListDescription();
    void allWordsToggled(bool checked);
    void criterionToggled(bool checked, QWidget* part);
    void pickDate(QLineEdit* dateBox);
    IntelliSelect::Criteria criteria() const;
    void getResults();

    StudySession& session_;
    QListWidget* wordListChoice_ = nullptr;
    QLabel* wordListDescription_ = nullptr;
    QGroupBox* specialListsPart_ = nullptr;
    QCheckBox* specialListsCheck_ = nullptr;
    QListWidget* specialLists_ = nullptr;
    QCheckBox* allWordsCheck_ = nullptr;
    QCheckBox* lettersCheck_ = nullptr;
    QFrame* lettersPart_ = nullptr;
    QListWidget* letters_ = nullptr;
    QCheckBox* wordListsCheck_ = nullptr;
    QListWidget* wordLists_ = nullptr;
    QCheckBox* studyCountCheck_ = nullptr;
    QFrame* studyCountPart_ = nullptr;
    QComboBox* comparison_ = nullptr;
    QLineEdit* studyCount_ = nullptr;
    QScrollBar* studyCountStepper_ = nullptr;
    QCheckBox* difficultyCheck_ = nullptr;
    QFrame* difficultyPart_ = nullptr;
    std::array<QCheckBox*, 3> difficultyLevels_{};
    QCheckBox* lastStudiedCheck_ = nullptr;
    QFrame* lastStudiedPart_ = nullptr;
    std::array<QLineEdit*, 2> dateRange_{};
    std::array<QPushButton*, 2> dateButtons_{};
    QPushButton* getResultsButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
