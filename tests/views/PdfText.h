#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

// Reads the text of a PDF back with pdftotext; empty when the tool is missing (callers skip).
namespace PdfText {

inline bool available() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text of one page (1-based), or of the whole file for page 0, blanks collapsed.
inline QString read(const QString& file, int page = 0) {
    QStringList args;
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    args << file << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

// The number of pages, from pdfinfo when it is there, else -1.
inline int pages(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    if (!p.waitForFinished(60000))
        return -1;
    for (const QString& line :
         QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

} // namespace PdfText
