#pragma once

#include <QString>

class Connection;

// Brings a learner's word database up to a newer shipped word list, keeping everything that
// is the learner's: every progress column and mark, their own words (lists 51 and 52), and
// any meaning or example they edited. Words are matched by name (and category in the special
// table). A word of an older list that the learner never touched and the new list dropped
// goes; one the learner touched stays as it is.
//
// What counts as edited: a text that is neither the new list's nor one an earlier list
// shipped, which the history beside the program records (content-history.csv: per version,
// table, name and category, a digest of each shipped meaning and example and the shipped
// difficulty marks).
namespace ContentUpgrade {

// The shipped word list a file holds; 1 when none is recorded (files made before versions).
int versionOf(Connection& connection);

struct Summary {
    int fromVersion = 1;
    int toVersion = 1;
    int added = 0;
    int changed = 0;    // meaning, example, list or high-frequency mark brought up to date
    int removed = 0;    // untouched words the new list dropped
    int keptEdited = 0; // a meaning or example the learner had edited, left as it was
    QString backup;     // the copy of the file made before writing; empty when nothing to do
    bool upToDate() const { return fromVersion >= toVersion; }
};

// Merges the shipped database at shippedPath into the learner's file behind `learner` (open
// for reading and writing), after keeping a copy of that file beside it, in one transaction.
// Nothing happens when the learner's list is as new. Throws DbError and leaves the file as it
// was.
Summary merge(Connection& learner, const QString& shippedPath, const QString& historyPath);

// One line for the learner, e.g. "Word list brought up to version 2: 310 new words, ...".
QString describe(const Summary& summary);

} // namespace ContentUpgrade
