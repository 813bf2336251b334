#pragma once

#include <QPointer>
#include <QWidget>

class NavigateWindow;
class QLabel;
class QLineEdit;
class QPushButton;
class Speech;
class StudySession;
class WordGridPanel;

// "List View": the refined selection in a grid bound to the session's own rows. Picking a row
// makes it the session's word; every move of the session moves the grid's current row. The
// navigate window floats beside it.
class WordListWindow : public QWidget {
    Q_OBJECT
public:
    WordListWindow(StudySession& session, Speech& speech, QWidget* parent);

    // The opening: the keyboard hint, then the navigate window beside the list.
    void start();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildWindow();
    void layOut();
    void connectControls();
    void onFindTextChanged(const QString& text);
    void openRefineSelection();
    void openNavigate();
    void printWords();
    void pronounce();

    StudySession& session_;
    Speech& speech_;
    WordGridPanel* grid_ = nullptr;
    QLabel* findCaption_ = nullptr;
    QLineEdit* findBox_ = nullptr;
    QPushButton* refineButton_ = nullptr;
    QPushButton* navigateButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* pronounceButton_ = nullptr;
    QPointer<NavigateWindow> navigate_;
};
