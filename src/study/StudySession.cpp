#include "StudySession.h"

#include "app/Random.h"
#include "data/DataSource.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/KeyScan.h"
#include "data/Recordset.h"
#include "data/SqlTranslator.h"
#include "schedule/ScheduleStore.h"
#include "selection/RefineFilters.h"
#include "selection/Revise.h"
#include "study/Navigation.h"
#include "study/StudyCard.h"

StudySession::StudySession(const QString& connectionString, QObject* parent)
    : QObject(parent), source_(new DataSource(connectionString, this)) {
    source_->setObjectName(QStringLiteral("Adodc1"));
    source_->setRecordSource(AllWords);
    connect(source_, &DataSource::currentChanged, this, &StudySession::rowMoved);
    connect(source_, &DataSource::rowsChanged, this, [this] {
        emit selectionChanged();
        emit countsChanged();
        scheduleCountWaiting(); // new words come from the selection
    });
    connect(source_, &DataSource::filterProgress, this, &StudySession::refinementProgress);
    connect(source_, &DataSource::filterFinished, this, [this] {
        const Recordset* rs = refinedRows();
        refinementError_ = rs ? rs->filterError() : std::nullopt;
        if (pendingRefinement_ && !refinementError_)
            refinement_ = *pendingRefinement_;
        pendingRefinement_.reset();
        emit refinementFinished();
    });
}

StudySession::~StudySession() = default;

QString StudySession::start() {
    const std::shared_ptr<Connection> connection = source_->connection();
    store_ = std::make_unique<WordStore>(connection);
    schedule_ = std::make_unique<ScheduleStore>(connection);
    // A file opened for reading only keeps last session's marks: nothing can be written.
    if (!connection->readOnly())
        store_->clearSessionMarks();
    source_->setRecordSource(AllWords);
    source_->refresh();
    selectionCount_ = refinedRows() ? refinedRows()->recordCount() : 0;
    emit countsChanged();
    countWaiting();
    return connection->notice();
}

Recordset* StudySession::refinedRows() const {
    return source_->recordset().get();
}

std::shared_ptr<Connection> StudySession::connection() const {
    return source_->connection();
}

QString StudySession::selectionSource() const {
    return source_->recordSource();
}

StudySession::Counts StudySession::counts() const {
    Counts c;
    c.selection = selectionCount_;
    if (const Recordset* rs = refinedRows()) {
        c.refined = rs->recordCount();
        if (const int pos = rs->absolutePosition(); pos >= 1)
            c.position = pos;
    }
    return c;
}

Word StudySession::wordAt(int position) const {
    const Recordset* rs = refinedRows();
    if (!store_ || !rs || position < 1 || position > rs->recordCount())
        return {};
    return store_->word(rs->table(), rs->idAt(position));
}

void StudySession::rowMoved() {
    refreshCurrent();
    emit countsChanged();
}

void StudySession::refreshCurrent() {
    Word word;
    const Recordset* rs = refinedRows();
    if (store_ && rs && rs->hasCurrent()) {
        const qint64 id = rs->currentId();
        // A file another program holds locked cannot be read for the moment: the card
        // keeps showing the word it stands on.
        if (!tryStep([&] { word = store_->word(rs->table(), id); }) && current_.id == id)
            word = current_;
    }
    current_ = word;
    emit currentWordChanged(current_);
}

// ---- steps ----

void StudySession::beginStep() {
    timer_.resume();
    emit aboutToStep();
}

void StudySession::endStep() {
    emit stepped(current_);
    emit countsChanged();
}

void StudySession::next() {
    step(true);
}

void StudySession::previous() {
    step(false);
}

void StudySession::step(bool forward) {
    if (isHeld())
        return;
    beginStep();
    // Stepping onto either end is allowed once; the step after it finds no row and puts its
    // own button out of use. Any step puts the other button back in use.
    Recordset* rs = refinedRows();
    if (rs && !(forward ? rs->eof() : rs->bof()))
        forward ? rs->moveNext() : rs->movePrevious();
    else if (rs)
        (forward ? steps_.next : steps_.previous) = false;
    (forward ? steps_.previous : steps_.next) = true;
    emit stepsChanged();
    endStep();
}

void StudySession::randomWord() {
    if (isHeld())
        return;
    beginStep();
    Recordset* rs = refinedRows();
    if (!rs || rs->recordCount() == 0) {
        emit countsChanged();
        return;
    }
    rs->moveTo(Navigation::randomIndex(rs->recordCount(), Random::global().uniform()) + 1);
    endStep();
}

void StudySession::moveTo(int position) {
    Recordset* rs = refinedRows();
    if (rs && position >= 1 && position <= rs->recordCount())
        rs->moveTo(position);
    emit countsChanged();
}

void StudySession::stepTo(int position) {
    beginStep();
    Recordset* rs = refinedRows();
    if (!rs || position < 1 || position > rs->recordCount()) {
        emit countsChanged();
        return;
    }
    rs->moveTo(position);
    endStep();
}

bool StudySession::find(const QString& prefix, QString* refusal) {
    Recordset* rs = refinedRows();
    if (!rs || isHeld())
        return false;
    const int before = rs->absolutePosition();
    int found = 0;
    try {
        found = rs->firstMatch(
            StudyCard::prefixCriterion(prefix.normalized(QString::NormalizationForm_C)));
    } catch (const DbError& e) {
        // Text the database cannot search for (a NUL) has found nothing; a search it had to
        // stop says why.
        if (refusal && e.code() == DbErrorCode::TooComplex)
            *refusal = e.description();
    }
    if (found >= 1) {
        rs->moveTo(found);
        return true;
    }
    // Back to the word that was shown; from either end, the first word.
    if (rs->recordCount() > 0)
        rs->moveTo(std::clamp(before, 1, rs->recordCount()));
    return false;
}

void StudySession::goTo(int position) {
    Recordset* rs = refinedRows();
    if (rs && !isHeld() && position >= 1 && position <= rs->recordCount())
        rs->moveTo(position);
}

// ---- marks ----

bool StudySession::write(const std::function<void()>& action) {
    try {
        action();
    } catch (const DbError& e) {
        refreshCurrent(); // the card shows what is stored, not what failed
        emit writeFailed(e.description());
        return false;
    }
    refreshCurrent();
    emit countsChanged();
    return true;
}

bool StudySession::markStudied() {
    timer_.resume();
    if (!current_.isValid() || !store_)
        return false; // no word shown: nothing studied, nothing counted
    const Word word = current_;
    const bool ok = write([&] {
        // A word studied for the first time starts its schedule as if graded Good, in the
        // same transaction as the marks; later marks leave the schedule to the grades.
        const WordTable table = ScheduleStore::tableOf(word.table);
        if (schedule_ && !schedule_->schedule(table, word.id))
            schedule_->grade(table, word.id, Fsrs::Rating::Good, today(), now(), parameters());
        else
            store_->markStudied(word.table, word.id, today());
    });
    if (!ok)
        return false;
    ++studied_;
    emit studiedThisSessionChanged(studied_);
    scheduleCountWaiting();
    return true;
}

bool StudySession::setDifficulty(DifficultyMarks marks) {
    if (!current_.isValid() || !store_)
        return false;
    const Word word = current_;
    return write([&] { store_->setDifficulty(word.table, word.id, marks); });
}

bool StudySession::updateMeaningAndUsage(const Word& word, const QString& meaning,
                                         const QString& usage) {
    if (!word.isValid() || !store_)
        throw DbError(DbErrorCode::NoCurrentRecord);
    store_->updateMeaningAndUsage(word.table, word.id, meaning, usage);
    if (current_.id == word.id && current_.table == word.table)
        refreshCurrent();
    emit countsChanged();
    return true;
}

// ---- the selection ----

bool StudySession::selectSource(const QString& statement) {
    cancelSelection();
    leaveDueWords();
    source_->setRecordSource(statement);
    return tryStep([&] { source_->refresh(); });
}

bool StudySession::applySelection(const QString& statement) {
    if (!selectSource(statement))
        return false;
    refinement_ = RefineFilters::Everything;
    selectionCount_ = refinedRows() ? refinedRows()->recordCount() : 0;
    emit countsChanged();
    return true;
}

void StudySession::applyRefinement(const QString& expression) {
    filterRows(expression);
    refinement_ = expression;
}

void StudySession::filterRows(const QString& expression) {
    Recordset* rs = refinedRows();
    if (!rs)
        throw DbError(DbErrorCode::NoCurrentRecord);
    rs->setFilter(expression);
}

void StudySession::refineInSteps(const QString& expression) {
    refinementError_.reset();
    pendingRefinement_.reset();
    Recordset* rs = refinedRows();
    try {
        if (!rs)
            throw DbError(DbErrorCode::NoCurrentRecord);
        pendingRefinement_ = expression;
        if (!rs->filterInSteps(expression))
            return; // the data source says when it is done
        refinement_ = expression;
    } catch (const DbError& e) {
        refinementError_ = e;
    }
    pendingRefinement_.reset();
    emit refinementFinished();
}

bool StudySession::isRefining() const {
    const Recordset* rs = refinedRows();
    return rs && rs->isFiltering();
}

void StudySession::selectInSteps(const QString& statement) {
    cancelSelection();
    leaveDueWords();
    std::shared_ptr<Recordset> atOnce;
    try {
        const std::shared_ptr<Connection> conn = source_->connection();
        const QString table = SqlTranslator::translateSource(statement).table;
        if (Recordset::rowsAtMost(*conn, table) <= Recordset::SmallTable) {
            atOnce = Recordset::open(conn, statement);
        } else {
            const Connection::WorkBudget budget(*conn, Recordset::KeystrokeWork);
            try {
                atOnce = Recordset::open(conn, statement);
            } catch (const DbError&) {
                if (!budget.spent())
                    throw;
            }
        }
        if (!atOnce) {
            selectionScan_ = Recordset::scanSource(conn, statement);
            scannedStatement_ = statement;
            connect(selectionScan_.get(), &KeyScan::progress, this,
                    &StudySession::selectionProgress);
            connect(selectionScan_.get(), &KeyScan::finished, this,
                    &StudySession::selectionScanned);
            connect(selectionScan_.get(), &KeyScan::failed, this,
                    &StudySession::selectionScanned);
            selectionScan_->start();
            return;
        }
    } catch (const DbError&) {
        emit selectionFinished(false);
        return;
    }
    source_->setRecordset(atOnce);
    selectionApplied();
}

void StudySession::cancelSelection() {
    if (selectionScan_)
        KeyScan::letGo(selectionScan_, this);
}

void StudySession::selectionScanned() {
    KeyScan* scan = KeyScan::letGo(selectionScan_, this);
    std::shared_ptr<Recordset> rows;
    if (!scan->error())
        tryStep([&] {
            rows = Recordset::open(source_->connection(), scannedStatement_,
                                   KeySet(scan->takeKeys()));
        });
    if (!rows) {
        emit selectionFinished(false);
        return;
    }
    source_->setRecordset(rows);
    selectionApplied();
}

void StudySession::selectionApplied() {
    refinement_ = RefineFilters::Everything;
    selectionCount_ = refinedRows() ? refinedRows()->recordCount() : 0;
    emit countsChanged();
    emit selectionFinished(true);
}

int StudySession::revise() {
    cancelSelection();
    leaveDueWords();
    const std::shared_ptr<Recordset> former = source_->recordset();
    source_->setRecordSource(Revise::Source);
    int count = 0;
    tryStep([&] {
        source_->refresh();
        count = refinedRows()->recordCount();
    });
    // Nothing to revise: the rows shown before come back with their source text, so that
    // whatever re-runs the source later works on the words the learner sees.
    if (count == 0)
        tryStep([&] { source_->setRecordset(former); });
    return count;
}

// ---- adding words ----

void StudySession::beginAddingWords() {
    cancelSelection();
    leaveDueWords();
    if (!addingWords_)
        kept_ = source_->recordset();
    addingWords_ = true;
}

qint64 StudySession::addWord(const WordStore::NewWord& word) {
    if (!store_)
        throw DbError(DbErrorCode::NoCurrentRecord);
    source_->setRecordSource(AllWords);
    source_->refresh();
    const qint64 id = store_->addWord(word);
    if (Recordset* rs = refinedRows())
        rs->includeNewRow(id);
    return id;
}

void StudySession::endAddingWords() {
    if (!addingWords_)
        return;
    addingWords_ = false;
    // The rows kept at opening come back, and the source in force now is re-run: all words
    // after an addition, the former selection when nothing was added; from the first word.
    const QString sourceText = source_->recordSource();
    if (kept_)
        source_->setRecordset(kept_);
    source_->setRecordSource(sourceText);
    tryStep([&] { source_->refresh(); });
    kept_.reset();
}

// ---- holding ----

void StudySession::hold() {
    if (++holds_ == 1)
        emit heldChanged(true);
}

void StudySession::release() {
    if (holds_ == 0)
        return;
    if (--holds_ == 0)
        emit heldChanged(false);
}
