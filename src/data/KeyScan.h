#pragma once

#include "DbError.h"

#include <memory>
#include <optional>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

class Connection;

// The keys of a table's rows between two keys that meet a condition, found a slice of the key
// range at a time between events. Each slice is a statement of its own, sized to take a few
// milliseconds, so a scan of a million rows neither holds the interface nor keeps the file
// locked against the learner's own writes for longer than a slice.
class KeyScan : public QObject {
    Q_OBJECT
public:
    // condition: translated SQL, or empty for every row.
    KeyScan(std::shared_ptr<Connection> connection, const QString& table, const QString& condition,
            qint64 first, qint64 last, QObject* parent = nullptr);

    // Goes on slice by slice from the event loop until finished() or failed().
    void start();
    // Ends the scan where it is; nothing more is emitted.
    void stop();
    // Runs one slice; false once there is none left (or it failed). For callers that drive
    // the scan themselves.
    bool step();
    bool done() const { return done_; }
    int percent() const;
    // What made it fail, once failed() was emitted.
    const std::optional<DbError>& error() const { return error_; }
    // The keys found, ascending; the scan is over.
    std::vector<qint64> takeKeys() { return std::move(keys_); }

    // Lets go of an owned scan, which may be the sender of the signal being handled: it
    // stops, tells the receiver nothing more, and is deleted once the event loop is back.
    // Returns it for what is still to be read from it meanwhile.
    static KeyScan* letGo(std::unique_ptr<KeyScan>& owned, QObject* receiver);

signals:
    void progress(int percent);
    void finished();
    void failed();

private:
    void tick();

    std::shared_ptr<Connection> conn_;
    QString sql_;
    qint64 first_;
    qint64 last_;
    qint64 next_;        // the first key of the next slice
    qint64 span_ = 2048; // keys per slice, adapted to the time a slice takes
    std::vector<qint64> keys_;
    std::optional<DbError> error_;
    bool done_ = false;
    QTimer timer_;
};
