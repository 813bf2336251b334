#pragma once

#include <functional>
#include <QString>

// The program's "like" patterns (% for any run of characters, _ for one) and a matcher for
// them whose work grows with the pattern times the text, never faster.
//
// SQLite's own LIKE backtracks at every %: "%a%a%a9" against a long word of a's runs for
// minutes inside one call, where no progress handler can stop it. So the translator keeps
// SQLite's LIKE (and its use of the name index) only for patterns it matches cheaply, and
// hands every other pattern to this matcher, which the connection installs as a function.
namespace LikePattern {

// The SQL function name the translator calls and the connection installs:
// bounded_like(value, pattern), NULL when either is NULL, as LIKE.
inline constexpr const char* FunctionName = "bounded_like";

// Runs of % match what one % matches.
QString collapse(const QString& pattern);

// Whether SQLite's LIKE matches the (collapsed) pattern in time proportional to the text
// times the pattern: no _, at most one % before the last character, and short.
bool cheapForSqlite(const QString& pattern);

enum class Result { NoMatch, Match, Stopped };

// Matches UTF-8 text as SQLite's LIKE does (ASCII letters without regard to case, _ one
// character), both taken up to their first NUL as SQLite's LIKE takes them. `stop` is asked
// now and then; when it says yes, the match gives up.
Result match(const char* pattern, const char* text, const std::function<bool()>& stop);

} // namespace LikePattern
