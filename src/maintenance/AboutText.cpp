#include "AboutText.h"

#include "NumberText.h"
#include "data/Speech.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace AboutText {

QString versionText(int major, int minor, int revision) {
    return QStringLiteral("Version ") + withSignPosition(major) + u'.' + withSignPosition(minor) +
           u'.' + withSignPosition(revision);
}

QString programVersionText() {
    return versionText(VERBALOOM_VERSION_MAJOR, VERBALOOM_VERSION_MINOR, VERBALOOM_VERSION_PATCH);
}

namespace {

constexpr qint64 kLargestNotice = 4 * 1024 * 1024;

// The text of a notice file, or nothing when it cannot be read.
std::optional<QString> readNotice(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kLargestNotice ||
        !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// "DATA-SOURCES.txt" is listed as "Data sources".
QString noticeTitle(const QString& fileName) {
    QString title = QFileInfo(fileName).completeBaseName().toLower();
    title.replace(u'-', u' ').replace(u'_', u' ');
    if (!title.isEmpty())
        title[0] = title[0].toUpper();
    return title;
}

} // namespace

QString missingWordNetLicenceText(const QString& noticesFolder) {
    return QStringLiteral(
               "The WordNet licence could not be found: %1 is missing from %2.\n\n"
               "Verbaloom's word list is drawn from WordNet 3.0, Copyright 2006 by Princeton "
               "University, which may be used, copied and distributed under the WordNet "
               "licence. Its full text is published at "
               "https://wordnet.princeton.edu/license-and-commercial-use and comes with every "
               "copy of Verbaloom; reinstalling Verbaloom puts it back.")
        .arg(WordNetLicenceFile, QDir::toNativeSeparators(noticesFolder));
}

QString libraryNotices() {
    const QString espeakVersion = EspeakSpeech::version();
    return QStringLiteral(
               "Verbaloom is built with these libraries. Each keeps its own licence; on Debian "
               "the full texts are in /usr/share/doc/<package>/copyright and "
               "/usr/share/common-licenses.\n\n"
               "Qt %1\n"
               "Copyright The Qt Company Ltd. and other contributors.\n"
               "GNU Lesser General Public License, version 3 (LGPL-3.0).\n\n"
               "SQLCipher (on SQLite %2)\n"
               "Copyright Zetetic LLC. BSD-style licence. SQLite itself is in the public "
               "domain.\n\n"
               "eSpeak NG %3\n"
               "Copyright the eSpeak NG contributors and Jonathan Duddington.\n"
               "GNU General Public License, version 3 or later (GPL-3.0-or-later).\n")
        .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(sqlite3_libversion()),
             espeakVersion);
}

QList<Notice> licenceNotices(const QString& noticesFolder) {
    QList<Notice> notices;
    const QDir folder(noticesFolder);
    const auto wordNet = readNotice(folder.filePath(WordNetLicenceFile));
    notices.append({QStringLiteral("WordNet 3.0 licence (word data)"),
                    wordNet ? *wordNet : missingWordNetLicenceText(noticesFolder)});
    const QStringList others =
        folder.entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : others) {
        if (name.compare(WordNetLicenceFile, Qt::CaseInsensitive) == 0)
            continue;
        if (const auto text = readNotice(folder.filePath(name)))
            notices.append({noticeTitle(name), *text});
    }
    notices.append({QStringLiteral("Libraries"), libraryNotices()});
    return notices;
}

} // namespace AboutText
