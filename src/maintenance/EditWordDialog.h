#pragma once

#include "data/Word.h"

#include <QDialog>

class QPlainTextEdit;
class StudySession;

// Corrects the meaning and the usage example of the word it was opened for, whatever word
// the session stands on by the time "Update" is pressed.
class EditWordDialog : public QDialog {
    Q_OBJECT
public:
    EditWordDialog(StudySession& session, const Word& word, QWidget* parent);

private:
    void update();

    StudySession& session_;
    const Word word_;
    QPlainTextEdit* meaningBox_ = nullptr;
    QPlainTextEdit* usageBox_ = nullptr;
};
