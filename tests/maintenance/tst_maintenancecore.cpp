// The rules behind the add-word, tips and about windows and the tour launch: what is a word,
// the new row, the word-list draw, the tips file, the version text, the licences and the
// launch outcomes.
#include "app/ProgramLauncher.h"
#include "maintenance/AboutText.h"
#include "maintenance/NewWord.h"
#include "maintenance/TipsOfTheDay.h"
#include "maintenance/TourLaunch.h"
#include "maintenance/WordName.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TipsOfTheDay::Tip)

namespace {

class FailingLauncher : public ProgramLauncher {
public:
    bool startDetached(const QString&, const QStringList&, const QString&) override {
        return false;
    }
};

} // namespace

class TestMaintenanceCore : public QObject {
    Q_OBJECT
private slots:
    // ---- add word ----

    void theNewRowForEachDifficulty_data() {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<bool>("bookmark");
        QTest::addColumn<bool>("doublebm");
        QTest::newRow("Easy") << int(NewWord::Easy) << false << false;
        QTest::newRow("Difficult") << int(NewWord::Difficult) << true << false;
        QTest::newRow("Very Difficult") << int(NewWord::VeryDifficult) << true << true;
    }
    void theNewRowForEachDifficulty() {
        QFETCH(int, difficulty);
        QFETCH(bool, bookmark);
        QFETCH(bool, doublebm);
        const WordStore::NewWord row =
            NewWord::row(QStringLiteral("  quixotic\t"), QStringLiteral(" idealistic\x01 "),
                         QString(), NewWord::Difficulty(difficulty), 0.75);
        QCOMPARE(row.name, QStringLiteral("quixotic"));
        QCOMPARE(row.meaning, QStringLiteral(" idealistic "));
        QCOMPARE(row.usage, QString());
        QCOMPARE(row.marks, (DifficultyMarks{bookmark, doublebm}));
        QCOMPARE(row.list, 52);
    }

    void theWordListDraw_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("list");
        QTest::newRow("0") << 0.0 << 51;
        QTest::newRow("just below half") << 0.4999999 << 51;
        QTest::newRow("half") << 0.5 << 52;
        QTest::newRow("top of the range") << 0.999999999999 << 52;
    }
    void theWordListDraw() {
        QFETCH(double, r);
        QFETCH(int, list);
        QCOMPARE(NewWord::wordList(r), list);
    }

    void theErrorText_data() {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("positive") << qint64(3045)
                                  << "Error:  3045. Could not use 'dbnk.db'; file already in use.";
        QTest::newRow("zero") << qint64(0)
                              << "Error:  0. Could not use 'dbnk.db'; file already in use.";
        QTest::newRow("negative")
            << qint64(-2147217900)
            << "Error: -2147217900. Could not use 'dbnk.db'; file already in use.";
    }
    void theErrorText() {
        QFETCH(qint64, number);
        QFETCH(QString, text);
        QCOMPARE(NewWord::errorText(number, "Could not use 'dbnk.db'; file already in use."), text);
    }

    void onlyAWordIsAWord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty when refused
        QTest::addColumn<QString>("error");
        const QString none;
        QTest::newRow("blanks around") << "  abase\t\n"
                                       << "abase" << none;
        QTest::newRow("a space inside") << " ad hoc "
                                        << "ad hoc" << none;
        QTest::newRow("apostrophe, hyphen") << "o'clock-ish"
                                            << "o'clock-ish" << none;
        QTest::newRow("another script") << "слово"
                                        << "слово" << none;
        QTest::newRow("accent as its own mark") << "cafe\u0301"
                                                << "caf\u00e9" << none;
        QTest::newRow("only blanks") << " \t " << none << WordName::Empty;
        QTest::newRow("NUL") << QStringLiteral("ab") + QChar(0) + "c" << none
                             << WordName::Invisible;
        QTest::newRow("zero-width space") << "ab\u200bc" << none << WordName::Invisible;
        QTest::newRow("lone right-to-left mark") << "\u200f" << none << WordName::Invisible;
        QTest::newRow("line break inside") << "two\nwords" << none << WordName::Invisible;
        QTest::newRow("line separator") << "two\u2028words" << none << WordName::Invisible;
        QTest::newRow("no-break space inside") << "ad\u00a0hoc" << none << WordName::Invisible;
        QTest::newRow("broken surrogate")
            << QString(QChar(0xd800)) + "a" << none << WordName::Invisible;
        QTest::newRow("digits only") << "1234" << none << WordName::NoLetter;
        QTest::newRow("punctuation only") << "--" << none << WordName::NoLetter;
    }
    void onlyAWordIsAWord() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, error);
        const WordName::Checked checked = WordName::check(typed);
        QCOMPARE(checked.word, stored);
        QCOMPARE(checked.error, error);
    }

    void meaningsKeepOnlyWhatCanBeShown_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("line breaks and tabs stay") << "one\r\ntwo\tthree"
                                                   << "one\r\ntwo\tthree";
        QTest::newRow("controls go") << QStringLiteral("a") + QChar(0) +
                                            "b\x01"
                                            "c\x7f"
                                     << "abc";
        QTest::newRow("composed") << " cafe\u0301 "
                                  << " caf\u00e9 ";
    }
    void meaningsKeepOnlyWhatCanBeShown() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(WordName::cleanText(typed), stored);
    }

    // ---- tips ----

    void theTipSplit_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<TipsOfTheDay::Tip>("tip");
        QTest::newRow("one marker") << "What is a bag?<newline>The words you study."
                                    << TipsOfTheDay::Tip{"What is a bag?", "The words you study."};
        QTest::newRow("two markers")
            << "Q<newline>first<newline>second" << TipsOfTheDay::Tip{"Q", "first<newline>second"};
        QTest::newRow("none") << "Just a hint." << TipsOfTheDay::Tip{"", "Just a hint."};
        QTest::newRow("empty line") << "" << TipsOfTheDay::Tip{"", ""};
        QTest::newRow("marker first")
            << "<newline>answer only" << TipsOfTheDay::Tip{"", "answer only"};
        QTest::newRow("marker last")
            << "question only<newline>" << TipsOfTheDay::Tip{"question only", ""};
        QTest::newRow("other case is no marker")
            << "Q<NEWLINE>A" << TipsOfTheDay::Tip{"", "Q<NEWLINE>A"};
        QTest::newRow("blanks kept") << " Q <newline> A " << TipsOfTheDay::Tip{" Q ", " A "};
    }
    void theTipSplit() {
        QFETCH(QString, line);
        QFETCH(TipsOfTheDay::Tip, tip);
        QCOMPARE(TipsOfTheDay::split(line), tip);
    }

    void thePickCoversEveryTipEvenly() {
        const int count = 7;
        const int steps = 7000;
        QList<int> seen(count + 1, 0);
        for (int i = 0; i < steps; ++i) {
            const int n = TipsOfTheDay::pick(double(i) / steps, count);
            QVERIFY(n >= 1 && n <= count);
            ++seen[n];
        }
        for (int n = 1; n <= count; ++n)
            QCOMPARE(seen[n], steps / count);
        QCOMPARE(TipsOfTheDay::pick(0.0, 1), 1);
        QCOMPARE(TipsOfTheDay::pick(0.999999999, 1), 1);
        QCOMPARE(TipsOfTheDay::pick(0.999999999, 3), 3);
        QCOMPARE(TipsOfTheDay::pick(0.5, 0), 1);
    }

    void readingTheTipsFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("A<newline>a\r\nB<newline>b\r\n")
                               << QStringList{"A<newline>a", "B<newline>b"};
        QTest::newRow("LF, no final break")
            << QByteArray("A<newline>a\nB<newline>b") << QStringList{"A<newline>a", "B<newline>b"};
        QTest::newRow("empty lines count")
            << QByteArray("A\r\n\r\nB\r\n") << QStringList{"A", "", "B"};
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfna\xc3\xafve<newline>x\r\n")
                                        << QStringList{QStringLiteral("na\u00efve<newline>x")};
        QTest::newRow("Latin-1") << QByteArray("caf\xe9<newline>coffee\r\n")
                                 << QStringList{QStringLiteral("caf\u00e9<newline>coffee")};
    }
    void readingTheTipsFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath(TipsOfTheDay::FileName);
        writeTestFile(path, bytes);
        const auto read = TipsOfTheDay::read(path);
        QVERIFY(read);
        QCOMPARE(*read, lines);
    }

    void noTipsToRead() {
        QTemporaryDir dir;
        QVERIFY(!TipsOfTheDay::read(QString()));
        QVERIFY(!TipsOfTheDay::read(dir.filePath("TIPOFDAY.TXT")));
        writeTestFile(dir.filePath("empty/TIPOFDAY.TXT"), QByteArray());
        QVERIFY(!TipsOfTheDay::read(dir.filePath("empty/TIPOFDAY.TXT")));
        // A folder of that name exists but cannot be read as a file.
        QVERIFY(QDir(dir.path()).mkpath("folder/TIPOFDAY.TXT"));
        QVERIFY(!TipsOfTheDay::read(dir.filePath("folder/TIPOFDAY.TXT")));
    }

    void theMissingFileText() {
        QCOMPARE(TipsOfTheDay::missingFileText(),
                 QStringLiteral("That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text "
                                "file named TIPOFDAY.TXT using NotePad with 1 tip per line. Then "
                                "place it in the same directory as the application. "));
    }

    // ---- about ----

    void theVersionText_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("2.5.5") << 2 << 5 << 5 << "Version  2. 5. 5";
        QTest::newRow("two digits") << 10 << 12 << 0 << "Version  10. 12. 0";
        QTest::newRow("negative") << 3 << -1 << 7 << "Version  3.-1. 7";
    }
    void theVersionText() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(AboutText::versionText(major, minor, revision), text);
    }

    void theLicencesComeInFull() {
        QTemporaryDir dir;
        const QString notices = dir.filePath("notices");
        QByteArray wordnet("WordNet Release 3.0\r\n\r\nThis software and database is being "
                           "provided to you, the LICENSEE...\r\n");
        wordnet += QByteArray(20000, 'x'); // long texts are not cut
        writeTestFile(notices + "/WORDNET-LICENSE.txt", wordnet);
        writeTestFile(notices + "/SCOWL-LICENSE.txt", "Copyright 2000-2019 by Kevin Atkinson\n");
        writeTestFile(notices + "/README.md", "not a notice");
        const QList<AboutText::Notice> list = AboutText::licenceNotices(notices);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0].title, QStringLiteral("WordNet 3.0 licence (word data)"));
        QCOMPARE(list[0].text, QString::fromUtf8(wordnet).replace("\r\n", "\n"));
        QCOMPARE(list[1].title, QStringLiteral("Scowl license"));
        QCOMPARE(list[1].text, QStringLiteral("Copyright 2000-2019 by Kevin Atkinson\n"));
        QCOMPARE(list[2].title, QStringLiteral("Libraries"));
        for (const char* name : {"Qt 6.", "SQLCipher", "LGPL-3.0", "GPL-3.0-or-later"})
            QVERIFY2(list[2].text.contains(QLatin1String(name)), name);
        // The version is the installed voice library's own, read when it is loaded.
        QVERIFY(list[2].text.contains(QRegularExpression(QStringLiteral("eSpeak NG \\d+\\.\\d+"))));
    }

    void aMissingWordNetLicenceIsSaidPlainly() {
        QTemporaryDir dir;
        const QList<AboutText::Notice> list = AboutText::licenceNotices(dir.filePath("notices"));
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].text, AboutText::missingWordNetLicenceText(dir.filePath("notices")));
        QVERIFY(list[0].text.startsWith("The WordNet licence could not be found: "
                                        "WORDNET-LICENSE.txt is missing from "));
        QCOMPARE(list[1].title, QStringLiteral("Libraries"));
    }

    // ---- the tour ----

    void aTourThatCannotStartIsSaid() {
        // Missing and started are driven from the main window; here, a start that fails.
        QTemporaryDir dir;
        writeTestFile(dir.filePath("VerbaloomTour"), "#!/bin/sh\n");
        FailingLauncher failing;
        QCOMPARE(TourLaunch::start(failing, dir.path()), TourLaunch::Outcome::Failed);
        QCOMPARE(TourLaunch::message(TourLaunch::Outcome::Failed, dir.path()),
                 QStringLiteral("The Verbaloom tour could not be started.\r\n\r\n%1/VerbaloomTour")
                     .arg(dir.path()));
        // The system's own start reports a file that is no program.
        SystemLauncher system;
        QCOMPARE(TourLaunch::start(system, dir.path()), TourLaunch::Outcome::Failed);
    }
};

QTEST_GUILESS_MAIN(TestMaintenanceCore)
#include "tst_maintenancecore.moc"
