// The main window's toolbar and menus: each opens another window on the study session.
#include "MainWindow.h"

#include "app/OptionsDialog.h"
#include "app/ProgramFolder.h"
#include "app/ProgramLauncher.h"
#include "data/DbError.h"
#include "game/WordGameWindow.h"
#include "maintenance/AboutDialog.h"
#include "maintenance/AddWordWindow.h"
#include "maintenance/TipDialog.h"
#include "maintenance/TourLaunch.h"
#include "quiz/QuizWindow.h"
#include "schedule/ScheduleStore.h"
#include "selection/MainToolbar.h"
#include "selection/RefineSelectionDialog.h"
#include "selection/Revise.h"
#include "selection/WordSelectionDialog.h"
#include "study/DisplayModePanel.h"
#include "study/StudyCard.h"
#include "study/StudyControlsPanel.h"
#include "study/StudySession.h"
#include "transfer/ExportWordsDialog.h"
#include "transfer/ImportPreviewDialog.h"
#include "ui/MessageBox.h"
#include "views/PrintWordListDialog.h"
#include "views/ProgressReport.h"
#include "views/ProgressReportDialog.h"
#include "views/TickerWindow.h"
#include "views/WordListWindow.h"

#include <QApplication>
#include <QLocale>

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // The quiz and the game are windows of their own (a child window would go out of use
    // with the main window); they must not outlive it.
    delete quiz_;
    delete game_;
}

void MainWindow::runToolbarAction(const QString& key) {
    if (key == MainToolbar::WordSelection)
        openWordSelection();
    else if (key == MainToolbar::RefineSelection)
        openRefineSelection();
    else if (key == MainToolbar::Revise)
        revise();
    else if (key == MainToolbar::DueWords)
        openDueWords();
    else if (key == MainToolbar::Quiz)
        openQuiz();
    else if (key == MainToolbar::Game)
        openGame();
    else if (key == MainToolbar::Ticker)
        openTicker();
    else if (key == MainToolbar::ListView)
        openList();
    else if (key == MainToolbar::Print)
        printWords();
    else if (key == MainToolbar::Report)
        showReport();
}

void MainWindow::openWordSelection() {
    WordSelectionDialog dialog(session_, this);
    dialog.exec();
}

void MainWindow::openRefineSelection() {
    auto* dialog = new RefineSelectionDialog(session_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
}

void MainWindow::revise() {
    const int count = session_.revise();
    if (count == 0) {
        MessageBox::info(this, Revise::nothingMessage());
        return;
    }
    MessageBox::info(this, Revise::countMessage(count));
    openList();
}

// The quiz and the game are windows of their own: the main window is out of use while one
// is open, and a child window would go out of use with it. Each holds the session, so the
// ticker waits and nothing else moves the word they work on.
void MainWindow::openQuiz() {
    if (!quiz_) {
        setEnabled(false);
        session_.hold();
        quiz_ = new QuizWindow(session_, speech_, this);
        connect(quiz_, &QuizWindow::closed, this, [this] {
            session_.release();
            setEnabled(true);
            activateWindow();
        });
        quiz_->show();
        quiz_->start();
    }
    if (quiz_ && quiz_->isVisible()) {
        quiz_->raise();
        quiz_->activateWindow();
    }
}

void MainWindow::openGame() {
    if (!game_) {
        setEnabled(false);
        session_.hold();
        game_ = new WordGameWindow(session_, speech_, this);
        connect(game_, &WordGameWindow::closed, this, [this] {
            session_.release();
            setEnabled(true);
            activateWindow();
        });
        game_->show();
        game_->start();
    }
    if (game_ && game_->isVisible()) {
        game_->raise();
        game_->activateWindow();
    }
}

void MainWindow::openTicker() {
    // The ticker speaks for itself; the card's own pronouncing would talk over it.
    controls_->setAlwaysPronounce(false);
    if (!ticker_)
        ticker_ = new TickerWindow(session_, speech_, this);
    ticker_->show();
    ticker_->raise();
    ticker_->activateWindow();
}

void MainWindow::openList() {
    if (list_) {
        list_->show();
        list_->raise();
        list_->activateWindow();
        return;
    }
    list_ = new WordListWindow(session_, speech_, this);
    list_->show();
    list_->start();
}

void MainWindow::openDueWords() {
    if (session_.openDueWords() > 0) {
        // Each due word starts hidden but for the word itself: recall, then show and grade.
        modes_->setMode(StudyCard::GuessMeanings);
        return;
    }
    const std::optional<QDate> next = session_.nextDue();
    MessageBox::info(this, next ? tr("No words are waiting today. The next word is due on %1.")
                                      .arg(QLocale().toString(*next, QLocale::LongFormat))
                                : tr("No words are waiting today. A word joins the plan when you "
                                     "study it (\"Mark it. I've Studied.\") or answer it in the "
                                     "quiz; new words come from your selection."));
}

void MainWindow::dueWordsDone() {
    const std::optional<QDate> next = session_.nextDue();
    MessageBox::info(this, next ? tr("You have gone through every word waiting today. The next "
                                     "word is due on %1.")
                                      .arg(QLocale().toString(*next, QLocale::LongFormat))
                                : tr("You have gone through every word waiting today."));
}

void MainWindow::showOptions() {
    OptionsDialog options(this);
    if (options.exec() == QDialog::Accepted)
        session_.recountWaiting();
}

void MainWindow::printWords() {
    PrintWordListDialog::run(session_, this);
}

void MainWindow::showReport() {
    // The report counts with statements of its own: the learner's selection, its filter and
    // its current word are never touched.
    std::array<std::optional<ProgressReport::Counts>, ProgressReport::GroupCount> counts;
    tryStep([&] { counts = ProgressReport::count(*session_.connection()); });
    ScheduleStore::Report plan;
    tryStep([&] { plan = ScheduleStore(session_.connection()).report(session_.today()); });
    ProgressReportDialog report(this);
    report.fill(counts);
    report.fillReviews(plan);
    report.exec();
}

void MainWindow::addWords() {
    AddWordWindow::open(session_, this);
}

void MainWindow::importWords() {
    ImportPreviewDialog::chooseAndImport(session_, this);
}

void MainWindow::exportWords() {
    ExportWordsDialog dialog(session_, this);
    dialog.exec();
}

void MainWindow::startTutorial() {
    // Started and left to itself; the main window stays in use meanwhile.
    const QString folder = ProgramFolder::path();
    const TourLaunch::Outcome outcome = TourLaunch::start(ProgramLauncher::global(), folder);
    if (outcome != TourLaunch::Outcome::Started)
        MessageBox::info(this, TourLaunch::message(outcome, folder));
}

void MainWindow::showTipOfTheDay() {
    TipDialog tip(this);
    tip.exec();
}

void MainWindow::showAbout() {
    AboutDialog about(this);
    about.exec();
}
