#pragma once

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

// The tips file and its rules: one tip a line, the question before the first "<newline>"
// and the answer after it; a tip drawn at random.
namespace TipsOfTheDay {

inline const QString FileName = QStringLiteral("TIPOFDAY.TXT");
inline const QString Marker = QStringLiteral("<newline>");

struct Tip {
    QString question;
    QString answer;
    bool operator==(const Tip&) const = default;
};

// Splits at the first marker; later markers stay in the answer as they are. A line without
// one has no question, and the whole line is the answer.
Tip split(const QString& line);

// The 1-based number of the tip to show among count tips, r uniform in [0, 1): every tip,
// the one on show included, equally likely. 1 when there are none.
int pick(double r, int count);

// The lines of the file, empty ones included; nothing when the path is empty or the file
// is missing, unreadable or holds no line at all. UTF-8, else Latin-1; CR LF or LF.
std::optional<QStringList> read(const QString& path);
// The same over the file's bytes.
std::optional<QStringList> parse(const QByteArray& bytes);

// What the window says when there are no tips to show.
QString missingFileText();

} // namespace TipsOfTheDay
