#include "TipsOfTheDay.h"

#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace TipsOfTheDay {

Tip split(const QString& line) {
    const qsizetype at = line.indexOf(Marker);
    if (at < 0)
        return {QString(), line};
    return {line.left(at), line.mid(at + Marker.size())};
}

int pick(double r, int count) {
    if (count <= 0)
        return 1;
    return std::clamp(int(r * count + 1.0), 1, count);
}

std::optional<QStringList> read(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parse(bytes);
}

std::optional<QStringList> parse(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes); // a file saved by an older editor
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    QStringList lines = text.split(u'\n');
    // The line break that ends the last line starts no tip of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return std::nullopt;
    return lines;
}

QString missingFileText() {
    return QStringLiteral("That the ") + FileName + QStringLiteral(" file was not found? ") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Create a text file named ") + FileName +
           QStringLiteral(" using NotePad with 1 tip per line. ") +
           QStringLiteral("Then place it in the same directory as the application. ");
}

} // namespace TipsOfTheDay
