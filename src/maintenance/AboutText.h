#pragma once

#include <QList>
#include <QString>

// The texts of the about window: the version, the notices, and the licences of the word
// data and of the libraries, which the learner can read in full from there.
namespace AboutText {

// "Version " and the three numbers with their sign positions: "Version  2. 5. 5".
QString versionText(int major, int minor, int revision);
// This build's version.
QString programVersionText();

inline const QString Title = QStringLiteral("About Verbaloom!");
inline const QString NoticeLine1 =
    QStringLiteral("Verbaloom helps you master advanced English vocabulary, one word at a time.");
inline const QString NoticeLine2 =
    QStringLiteral("Word data from WordNet 3.0 (Princeton University) and other open sources, "
                   "used under their licences.");

// The folder of the licence notices, beside the program.
inline const QString NoticesFolder = QStringLiteral("notices");
inline const QString WordNetLicenceFile = QStringLiteral("WORDNET-LICENSE.txt");

struct Notice {
    QString title;
    QString text;
};

// The WordNet licence first (or a clear word that its file is missing), then every other
// notice file in the folder, then the libraries Verbaloom is built with.
QList<Notice> licenceNotices(const QString& noticesFolder);

QString missingWordNetLicenceText(const QString& noticesFolder);
QString libraryNotices();

} // namespace AboutText
