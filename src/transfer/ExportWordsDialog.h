#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class StudySession;

// "Export Words...": the refined selection to a CSV file for spreadsheets, a tab-separated
// file for flashcard programs, or a KVTML file for KDE's vocabulary programs.
class ExportWordsDialog : public QDialog {
    Q_OBJECT
public:
    ExportWordsDialog(StudySession& session, QWidget* parent = nullptr);

private:
    void formatChosen(int format);
    void browse();
    void exportWords();

    StudySession& session_;
    QButtonGroup* format_ = nullptr;
    QCheckBox* masked_ = nullptr;
    QCheckBox* progress_ = nullptr;
    QLineEdit* file_ = nullptr;
};
