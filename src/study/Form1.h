#pragma once

#include "selection/CurrentSelection.h"
#include "study/Navigation.h"
#include "study/StudyTracking.h"

#include <array>
#include <QMainWindow>
#include <QPointer>

class DataSource;
class frmGame;
class frmtest;
class DisplayModes;
class Recordset;
class Speech;
class frmList;
class frmShowAll;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolBar;

// The main window: a flash card over the current selection, with the study marks, the
// study timer, navigation and find. Other windows work through its public procedures.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(Speech* speech, DisplayModes* displayModes, QWidget* parent = nullptr);
    ~Form1() override;

    // The load: clears the session marks, counts the selection, shows a random word and
    // offers the tip of the day. An error is reported and the window opens all the same.
    void Form_Load();

    // Procedures the other windows call.
    void recfunc();
    void applymode(int mode);
    void Command10_Click(int index);
    void cmdRandomWord_Click();
    void randomword();
    // The quiz and the game choose the row themselves: randomword and cmdRandomWord_Click
    // for a given 1-based position of the refined selection.
    void randomwordAt(int position);
    void showRandomWordAt(int position);
    void Command12_Click();
    void findword(const QString& text);
    void studiedit_Click();
    void querybtn_Click(const QString& query);
    void PrintIt();
    void ShowReport();
    // Intelli Select (modal) and Refine Selection, owned by the given window (the main
    // window when none): modal from the toolbar and the quiz, modeless from the list view.
    void openWordSelection(QWidget* owner = nullptr);
    void openRefineSelection(QWidget* owner = nullptr, bool modal = true);

    // The toolbar: performs the action whose key is given, then refreshes the counters.
    void Toolbar1_ButtonClick(const QString& key);

    CurrentSelection& selection() { return selection_; }
    Recordset* recordset() const; // Adodc1's result set, or null
    Speech* speech() const { return DirectSS1; }

    // What the ticker shows: the word and the composed meaning and usage.
    const QString& tickerWord() const { return tickerWord_; }
    const QString& tickerDetails() const { return tickerDetails_; }
    // The ticker (there from the first word on, hidden until shown) and the list view.
    frmShowAll* tickerWindow() const;
    frmList* listWindow() const;

    // Data sources and the speech voice.
    DataSource* Adodc1;
    DataSource* Adodc2;
    Speech* DirectSS1;

    // Study card.
    QFrame* frameContainer;
    QLineEdit* Text1;
    QPlainTextEdit* Text2;
    QPlainTextEdit* Text3;
    QLabel* lblMsg;
    QLabel* Label6;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label26;
    QLabel* Label20;
    QLabel* Label22;
    std::array<QRadioButton*, 4> Option1{};
    QGroupBox* frameNavi;
    QPushButton* btnHint;
    QLabel* Label19;
    QLabel* Label14;
    QLabel* Label7;
    QLabel* Label3;
    QLabel* Label23;
    QLabel* Label5;
    QLabel* Label21;
    std::array<QLabel*, 3> Label10{};
    QGroupBox* frameStat;
    QLabel* lblRdCnt;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label12;
    QLabel* Label11;
    QLabel* Label18;
    QLabel* Label17;
    QListWidget* lstRead;
    QLabel* Label25;
    QPushButton* cmdEdit;
    QMenu* mnuRead;
    std::array<QAction*, 3> mnuReadit{};

    // Study tracking.
    QPushButton* studiedit;
    QLabel* lblRdSess;
    QLabel* Label4;
    QTimer* Timer1;
    QLabel* Label16;
    std::array<QLabel*, 3> Label15{}; // 1 and 2 are used
    QPushButton* Command8;
    std::array<QCheckBox*, 2> chkDiff{};
    QLabel* Label13;

    // Navigation.
    std::array<QPushButton*, 2> Command10{};
    QPushButton* cmdRandomWord;
    QPushButton* Command12;
    QCheckBox* chkPLock;
    QLineEdit* txtFind;
    QLabel* Label24;

    QToolBar* Toolbar1;
    QMenu* file;
    QAction* addword;
    QAction* Tutorial;
    QMenu* menuabout;
    QAction* vlguide;
    QAction* about;

public slots:
    void Option1_Click(int index);
    void btnHint_MouseDown();
    void btnHint_MouseUp();
    void Text1_Change();
    void lstRead_Click();
    void Label1_Click();
    void Label2_Click();
    void mnuReadit_Click(int index);
    void cmdEdit_Click();
    void Timer1_Timer();
    void Command8_Click();
    void chkDiff_Click(int index);
    void addword_Click();
    void Tutorial_Click();
    void vlguide_Click();
    void about_Click();

signals:
    // The word box changed: the ticker copies the word and the composed details.
    void wordChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCard();
    void buildToolbarAndMenus();
    void revise();
    void openQuiz();
    void openGame();
    void openTicker();
    void openList();
    void ensureTicker();
    void bindCurrentRow();
    void Form_Resize();
    void stepPrologue();
    void stepEpilogue();
    void resumeTimer();
    void refreshTimerCaptions();
    void showTipOfTheDay();
    void updateHintLabels();
    void writeMark(const QString& column, const QVariant& value);

    DisplayModes* displayModes_;
    CurrentSelection selection_;
    StudyTracking::Timer timer_;
    Navigation::Buttons navButtons_;
    int minutesElapsed = 0;
    std::array<bool, 3> hintSaved_{};
    bool hintHeld_ = false;
    bool bindingRow_ = false;
    bool cascading_ = false;
    bool markFailureShown_ = false;
    qint64 boundRowId_ = -1;
    QString tickerWord_;
    QString tickerDetails_;
    QPointer<frmShowAll> frmShowAll_;
    QPointer<frmList> frmList_;
    QWidget* central_ = nullptr;
    QPointer<frmtest> quiz_;
    QPointer<frmGame> game_;
};
