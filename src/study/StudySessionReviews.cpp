// The study session's planned reviews: the words waiting today, the round of grading them,
// and what the quiz's answers teach the schedule.
#include "StudySession.h"

#include "app/Settings.h"
#include "data/DataSource.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "schedule/ScheduleStore.h"
#include "selection/RefineFilters.h"

#include <QTimer>

namespace {

// The waiting words as a selection source the program's statement dialect reads back.
QString sourceFor(const QString& table, const QList<qint64>& ids) {
    QStringList numbers;
    numbers.reserve(ids.size());
    for (qint64 id : ids)
        numbers << QString::number(id);
    return QStringLiteral("select * from %1 where id in (%2)")
        .arg(table, numbers.join(QStringLiteral(", ")));
}

} // namespace

Fsrs::Parameters StudySession::parameters() const {
    Fsrs::Parameters p;
    p.desiredRetention = AppSettings::targetRetention() / 100.0;
    return p;
}

void StudySession::scheduleCountWaiting() {
    // Counted once the learner's action is done: a burst of changes costs one count.
    if (countPending_)
        return;
    countPending_ = true;
    QTimer::singleShot(0, this, [this] {
        countPending_ = false;
        countWaiting();
    });
}

void StudySession::countWaiting() {
    int count = 0;
    const Recordset* rs = refinedRows();
    if (schedule_ && rs) {
        tryStep([&] {
            const QList<qint64>& from = reviewing_ ? basis_ : rs->keyList();
            const ScheduleStore::Waiting w =
                schedule_->waiting(ScheduleStore::tableOf(rs->table()), from, today(),
                                   AppSettings::newWordsPerDay());
            count = w.count();
        });
    }
    if (count != waiting_) {
        waiting_ = count;
        emit waitingChanged(count);
    }
}

std::optional<QDate> StudySession::nextDue() const {
    const Recordset* rs = refinedRows();
    std::optional<QDate> due;
    if (schedule_ && rs)
        tryStep([&] { due = schedule_->nextDue(ScheduleStore::tableOf(rs->table()), today()); });
    return due;
}

int StudySession::openDueWords() {
    Recordset* rs = refinedRows();
    if (!schedule_ || !rs)
        return 0;
    const QString table = rs->table();
    const QList<qint64> from = reviewing_ ? basis_ : rs->keyList();
    ScheduleStore::Waiting waiting;
    if (!tryStep([&] {
            waiting = schedule_->waiting(ScheduleStore::tableOf(table), from, today(),
                                         AppSettings::newWordsPerDay());
        }) ||
        waiting.count() == 0)
        return 0;
    const QList<qint64> order = waiting.all();
    leaveDueWords();
    if (!applySelection(sourceFor(table, order)))
        return 0;
    basis_ = from;
    dueOrder_ = order;
    gradedThisRound_.clear();
    reviewing_ = true;
    emit reviewingChanged(true);
    moveToNextDueWord();
    countWaiting();
    return int(order.size());
}

void StudySession::leaveDueWords() {
    if (!reviewing_)
        return;
    reviewing_ = false;
    dueOrder_.clear();
    gradedThisRound_.clear();
    basis_.clear();
    emit reviewingChanged(false);
}

bool StudySession::moveToNextDueWord() {
    Recordset* rs = refinedRows();
    if (!rs)
        return false;
    for (qint64 id : dueOrder_) {
        if (gradedThisRound_.contains(id))
            continue;
        if (const int position = rs->positionOf(id); position > 0) {
            stepTo(position);
            return true;
        }
    }
    return false;
}

bool StudySession::grade(Fsrs::Rating rating) {
    timer_.resume();
    if (!reviewing_ || !current_.isValid() || !schedule_)
        return false;
    const Word word = current_;
    if (!write([&] {
            schedule_->grade(ScheduleStore::tableOf(word.table), word.id, rating, today(), now(),
                             parameters());
        }))
        return false;
    // Counts as "Mark it. I've Studied." does.
    ++studied_;
    emit studiedThisSessionChanged(studied_);
    gradedThisRound_.insert(word.id);
    // The next word first: the toolbar's count follows once the grade is answered.
    if (!moveToNextDueWord())
        emit dueWordsDone();
    scheduleCountWaiting();
    return true;
}

void StudySession::gradeQuizAnswer(const Word& word, bool right) {
    if (!schedule_ || !word.isValid())
        return;
    try {
        schedule_->grade(ScheduleStore::tableOf(word.table), word.id,
                         right ? Fsrs::Rating::Good : Fsrs::Rating::Again, today(), now(),
                         parameters(), ScheduleStore::Marks::None);
    } catch (const DbError& e) {
        emit writeFailed(e.description());
        return;
    }
    scheduleCountWaiting();
}
