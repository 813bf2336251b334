#pragma once

#include "data/Word.h"
#include "data/WordStore.h"
#include "schedule/Fsrs.h"
#include "study/StudyTimer.h"

#include <functional>
#include <memory>
#include <optional>
#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QString>

class Connection;
class ScheduleStore;
class DataSource;
class Recordset;

// The learner's study session: the current selection and its refinement, the current word,
// the counters and every action the windows take on them. Windows are given the session and
// show what it says; none of them reads another window's widgets.
//
// The selection is a result set of the word table (rows in table order, a position before
// the first and after the last row); the refinement narrows it. A window that works on the
// current word (the edit window, the quiz, the game) holds the session while it is open:
// meanwhile the learner's steps from elsewhere and the ticker leave the word alone.
class StudySession : public QObject {
    Q_OBJECT
public:
    inline static const QString AllWords = QStringLiteral("select * from words");

    struct Counts {
        int selection = 0; // words in the selection before refining
        std::optional<int> refined; // none while no selection is open
        std::optional<int> position; // 1-based; none before the first or after the last word
    };
    struct Steps {
        bool previous = true; // "Previous Word" can be used
        bool next = true;
    };

    explicit StudySession(const QString& connectionString, QObject* parent = nullptr);
    ~StudySession() override;

    // Opens the file, clears last session's marks and selects every word. Throws DbError.
    // Returns what the learner must be told about the file (opened for reading only), if
    // anything.
    QString start();

    const Word& currentWord() const { return current_; }
    Counts counts() const;
    Steps steps() const { return steps_; }
    int studiedThisSession() const { return studied_; }
    StudyTimer& timer() { return timer_; }

    // The selection, for the views that read many rows (list, quiz, game, printing).
    DataSource* dataSource() const { return source_; }
    Recordset* refinedRows() const;
    std::shared_ptr<Connection> connection() const;
    WordStore* store() const { return store_.get(); }
    // The word at a 1-based position of the refined selection; invalid when out of range.
    Word wordAt(int position) const;
    const QString& refinement() const { return refinement_; }
    QString selectionSource() const;

    // The learner's steps. Each resumes the study timer, announces itself (aboutToStep), and,
    // having moved, reports stepped(). Refused while the session is held.
    void next();
    void previous();
    void randomWord();
    // The quiz and the game choose the row themselves: moveTo() moves quietly, stepTo()
    // as a learner's random step.
    void moveTo(int position);
    void stepTo(int position);
    // Moves to the first refined word whose name starts with the text (in either Unicode
    // form); false, and back to the former word, when there is none. A search the database
    // stopped (too complex) sets refusal to its reason.
    bool find(const QString& prefix, QString* refusal = nullptr);
    // Makes the word at a position current (the list view's grid).
    void goTo(int position);

    // Study marks on the current word, each one transaction. False when there is no word or
    // the write failed (writeFailed says why); nothing is counted then.
    bool markStudied();
    bool setDifficulty(DifficultyMarks marks);
    // Writes to the given word, wherever the session stands now.
    bool updateMeaningAndUsage(const Word& word, const QString& meaning, const QString& usage);

    // Replaces the selection with a statement (Intelli Select): the refinement starts over
    // and the statement's rows become the selection's count. False when the database
    // refused the statement; the former selection stays.
    bool applySelection(const QString& statement);
    // Re-points the selection at a statement and nothing more (the game plays all words).
    bool selectSource(const QString& statement);
    // Narrows the selection; only an expression the database took becomes the refinement.
    // Throws DbError when the database refuses it; the refinement in force stays.
    void applyRefinement(const QString& expression);
    // Narrows the rows without recording it (the refine window's opening count).
    void filterRows(const QString& expression);
    // "Session Revision": the words marked this session. Returns how many; none leaves the
    // former selection in force.
    int revise();

    // Adding words: the selection in force is kept aside while the add-word window is open;
    // each word added shows among all words; closing gives the kept rows back and re-runs
    // the source then in force.
    void beginAddingWords();
    qint64 addWord(const WordStore::NewWord& word); // throws DbError
    void endAddingWords();

    // A window that works on the current word holds it until it closes.
    void hold();
    void release();
    bool isHeld() const { return holds_ > 0; }

    // ---- planned reviews (StudySessionReviews.cpp) ----
    // The words waiting today: the scheduled words of the selection's table due today or
    // earlier, most overdue first, then the day's new words from the selection in its order.
    int waitingCount() const { return waiting_; }
    // Counts the waiting words again once the current action is done (settings changed).
    void recountWaiting() { scheduleCountWaiting(); }
    // Makes the waiting words the selection and shows the most overdue one. Returns how many
    // they are; none leaves the selection as it was (nextDue() then says when one comes).
    int openDueWords();
    bool isReviewingDueWords() const { return reviewing_; }
    std::optional<QDate> nextDue() const;
    // A grade of the current due word: schedules it, counts as "Mark it. I've Studied.", and
    // moves to the next due word. False when there is no word or the write failed.
    bool grade(Fsrs::Rating rating);
    // A verified quiz answer teaches the schedule (right: Good, wrong: Again) without
    // counting as studied; the quiz never did.
    void gradeQuizAnswer(const Word& word, bool right);
    ScheduleStore* schedule() const { return schedule_.get(); }
    // The learner's day and time; tests set a clock of their own.
    QDate today() const { return now().date(); }
    QDateTime now() const { return clock_ ? clock_() : QDateTime::currentDateTime(); }
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

signals:
    void currentWordChanged(const Word& word);
    void countsChanged();
    void stepsChanged();
    void selectionChanged();
    void aboutToStep();
    void stepped(const Word& word);
    void studiedThisSessionChanged(int count);
    void heldChanged(bool held);
    // A mark or an edit could not be stored; the card shows what is stored.
    void writeFailed(const QString& description);
    void waitingChanged(int count);
    void reviewingChanged(bool reviewing);
    // The last due word of this round was graded.
    void dueWordsDone();

private:
    void rowMoved();
    void step(bool forward);
    void refreshCurrent();
    bool write(const std::function<void()>& action);
    void beginStep();
    void endStep();
    void leaveDueWords();
    void countWaiting();
    void scheduleCountWaiting();
    bool moveToNextDueWord();
    Fsrs::Parameters parameters() const;

    DataSource* source_;
    std::unique_ptr<WordStore> store_;
    StudyTimer timer_;
    Word current_;
    Steps steps_;
    QString refinement_;
    int selectionCount_ = 0;
    int studied_ = 0;
    int holds_ = 0;
    std::shared_ptr<Recordset> kept_;
    bool addingWords_ = false;
    std::unique_ptr<ScheduleStore> schedule_;
    std::function<QDateTime()> clock_;
    int waiting_ = 0;
    bool countPending_ = false;
    bool reviewing_ = false;
    QList<qint64> dueOrder_;      // this round's words, most overdue first
    QSet<qint64> gradedThisRound_;
    QList<qint64> basis_; // the selection the round's new words come from
};
