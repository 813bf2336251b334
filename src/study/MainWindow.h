#pragma once

#include "data/Word.h"

#include <QMainWindow>
#include <QPointer>

class DisplayModePanel;
class GradePanel;
class DisplayModes;
class HintPanel;
class MainToolbar;
class QuizWindow;
class QFrame;
class QLabel;
class QListWidget;
class QScrollArea;
class SelectionCountersPanel;
class Speech;
class StatisticsPanel;
class StudyControlsPanel;
class StudySession;
class TickerWindow;
class WordCardPanel;
class WordGameWindow;
class WordListWindow;

// The main window: the flash card over the study session's current word, the counters, the
// statistics and the words gone through, the toolbar that opens every other window. It
// shows what the session says and passes the learner's requests on to it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(StudySession& session, Speech& speech, DisplayModes* displayModes,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens the session on the word file, shows a random first word and offers the tip of
    // the day. An error is reported and the window opens all the same.
    void load();

    // The toolbar: performs the action whose key is given.
    void runToolbarAction(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    QFrame* buildCard(QWidget* container);
    QLabel* buildWordsGoneThrough(QWidget* container);
    void showInScrollingPage(QWidget* container);
    // The scrolling page: the window's room, and no less than its texts need.
    void fitPage();
    void connectSession();
    void addShortcuts();
    void applyDisplayMode(int mode);
    void showWord(const Word& word);
    void showCounts();
    void wordStepped(const Word& word);
    void find(const QString& prefix);
    void lookUpWordGoneThrough();
    void pronounce();
    void speak(const QString& text);
    void editCurrentWord();
    void reportWriteFailure(const QString& description);

    // Opening the other windows (MainWindowViews.cpp).
    void openWordSelection();
    void openRefineSelection();
    void revise();
    void openQuiz();
    void openGame();
    void openTicker();
    void openList();
    void printWords();
    void openDueWords();
    void dueWordsDone();
    void showOptions();
    void showReport();
    void addWords();
    void importWords();
    void exportWords();
    void startTutorial();
    void showTipOfTheDay();
    void showAbout();

    StudySession& session_;
    Speech& speech_;
    DisplayModes* displayModes_;
    MainToolbar* toolbar_ = nullptr;
    QWidget* container_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    SelectionCountersPanel* counters_ = nullptr;
    WordCardPanel* card_ = nullptr;
    StudyControlsPanel* controls_ = nullptr;
    GradePanel* grades_ = nullptr;
    DisplayModePanel* modes_ = nullptr;
    HintPanel* hint_ = nullptr;
    StatisticsPanel* statistics_ = nullptr;
    QListWidget* wordsGoneThrough_ = nullptr;
    QPointer<TickerWindow> ticker_;
    QPointer<WordListWindow> list_;
    QPointer<QuizWindow> quiz_;
    QPointer<WordGameWindow> game_;
};
