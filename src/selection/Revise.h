#pragma once

#include <QString>

// "Session Revision": the words marked studied in this run.
namespace Revise {

inline const QString Source = QStringLiteral("(select * from words where words.sessionBM = yes) ");

inline QString nothingMessage() {
    return QStringLiteral("0 words to practice. \r\nHave you clicked 'Mark It. I've Studied' "
                          "button this session?");
}
inline QString countMessage(int count) {
    return QStringLiteral("You have ") + QString::number(count) +
           QStringLiteral(" words to practice this session");
}

} // namespace Revise
