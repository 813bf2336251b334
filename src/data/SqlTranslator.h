#pragma once

#include <QString>
#include <QStringList>

// Turns the statement and filter texts the program composes (yes/no literals, #mm/dd/yyyy#
// dates, a parenthesised statement as a source, like with %) into SQLite SQL.
//
// It parses tokens against a small grammar instead of rewriting text: string literals are
// never looked into, only the known tables and columns may be named, no function can be
// called, and anything else (a second statement, a comment, an unknown word) is refused
// as a whole with a DbError. That is what keeps a learner's typing from running or
// changing anything the program did not mean.
namespace SqlTranslator {

struct Source {
    QString sql;   // a SELECT over one table, without a trailing semicolon
    QString table; // the table it reads, lower case
};

// A record source: "select * from T [where condition]", optionally in parentheses.
Source translateSource(const QString& text);

// A filter or find criterion: a condition over the columns of the word tables.
QString translateCondition(const QString& text);

// A statement the program itself runs on a connection: a source or
// "update T set column = value[, ...] [where condition]".
QString translateStatement(const QString& text);

// A text as one literal of the statement dialect: in single quotes, an apostrophe doubled.
// Every text a learner typed enters a composed statement through here and nowhere else.
QString literal(const QString& text);

// The columns of both word tables, lower case, in table order.
const QStringList& columns();
bool isTable(const QString& name);

} // namespace SqlTranslator
