#pragma once

#include "transfer/WordListFile.h"
#include "transfer/WordListImport.h"

#include <QDialog>

class ImportPreviewModel;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class StudySession;

// "Import Words...": the preview of a word-list file before anything is written. It shows
// the first rows as they will be stored and what becomes of every row (new, already among
// the learner's words, repeated, refused with its line and reason); the learner confirms
// the delimiter, the header row and which columns hold the word, the meaning and the
// example, chooses what to do with duplicates and the difficulty of the new words, and
// imports it all in one go.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for a file, then shows its preview.
    static void chooseAndImport(StudySession& session, QWidget* parent);

    ImportPreviewDialog(StudySession& session, const QString& path, QWidget* parent = nullptr);

    // Looks at the file; false (after saying why) when it cannot be imported or the learner
    // stopped the look.
    bool load();

    const WordListImport::Preview& preview() const { return preview_; }

signals:
    void imported(const WordListImport::Outcome& outcome);

private:
    void buildWindow();
    QFormLayout* buildColumnChoosers();
    QGroupBox* buildOptionBox(const QString& title, const QString& name, QButtonGroup*& group,
                              std::initializer_list<const char*> options,
                              const QString& optionName);
    void buildPreviewArea();
    QDialogButtonBox* buildButtons();
    void fillChoosers();
    void layoutChanged();
    bool refresh();
    void showPreview();
    void importWords();
    WordListImport::Options options() const;

    StudySession& session_;
    QString path_;
    FileLayout layout_;
    WordListImport::Preview preview_;
    bool filling_ = false;

    QLabel* file_ = nullptr;
    QComboBox* delimiter_ = nullptr;
    QCheckBox* headerRow_ = nullptr;
    QCheckBox* html_ = nullptr;
    QComboBox* word_ = nullptr;
    QComboBox* meaning_ = nullptr;
    QComboBox* example_ = nullptr;
    QTableView* table_ = nullptr;
    ImportPreviewModel* model_ = nullptr;
    QLabel* counts_ = nullptr;
    QPlainTextEdit* refusals_ = nullptr;
    QButtonGroup* duplicates_ = nullptr;
    QButtonGroup* difficulty_ = nullptr;
    QPushButton* import_ = nullptr;
};
