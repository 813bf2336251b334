#pragma once

#include "maintenance/NewWord.h"

#include <array>
#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class StudySession;

// Adds words of the learner's own to the word table. Modeless and one at a time; while it
// is open the session keeps its selection aside, and gets it back when the window closes.
class AddWordWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the window, bringing an open one forward rather than opening a second.
    static AddWordWindow* open(StudySession& session, QWidget* parent);
    // The window if one is open.
    static AddWordWindow* current();

    AddWordWindow(StudySession& session, QWidget* parent);
    ~AddWordWindow() override;

protected:
    // Every way of closing passes here: the button, Esc, the title bar, the main window.
    void done(int result) override;

private:
    void buildWindow();
    QGroupBox* buildDifficulty();
    void addWord();
    bool storeWord(const QString& name);
    NewWord::Difficulty difficulty() const;

    StudySession& session_;
    QLineEdit* wordBox_ = nullptr;
    QLineEdit* meaningBox_ = nullptr;
    QLineEdit* usageBox_ = nullptr;
    std::array<QRadioButton*, 3> difficultyOptions_{};
    QPushButton* addButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    bool ended_ = false;
};
