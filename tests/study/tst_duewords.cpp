// Planned reviews as a learner meets them: the due words on the toolbar, grading on the card
// by button and key, the quiz's answers, the first "Mark it", the report's plan, and a clock
// that went back or a write that failed.
#include "app/Settings.h"
#include "schedule/ScheduleStore.h"
#include "support/MainWindowSession.h"
#include "ui/Look.h"
#include "views/ProgressReportDialog.h"

#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QtTest>

namespace {

struct Session : MainWindowSession {
    explicit Session(const QDateTime& at = QDateTime(QDate(2026, 12, 6), QTime(9, 0)))
        : MainWindowSession(FixtureDb::defaultWords(), {0.0}, false), clock(at) {
        session->setClock([this] { return clock; });
        start();
        QApplication::processEvents(); // the toolbar's count
    }
    QString dueCaption() const { return control<QAction>(form.get(), "Due Words")->text(); }
    int logRows(const char* where = "1") const {
        return db.scalar(QStringLiteral("select count(*) from review_log where %1")
                             .arg(QLatin1String(where)))
            .toInt();
    }
    QDateTime clock;
};

} // namespace

class TestDueWords : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void gradingTheDueWordsByButtonAndKey() {
        Session s;
        QCOMPARE(s.dueCaption(), QStringLiteral("Due Words (8)")); // 8 new words, 10 a day
        QVERIFY(!s.find("frameGrade")->isVisibleTo(s.form.get()));
        s.toolbar(QStringLiteral("Due Words"));
        QVERIFY(s.find("frameGrade")->isVisibleTo(s.form.get()));
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QVERIFY(s.find("Text2")->isHidden()); // the meaning to recall
        s.click("cmdShow");
        QVERIFY(!s.find("Text2")->isHidden());

        s.click("cmdGood");
        QCOMPARE(s.word(), QStringLiteral("abate"));
        QVERIFY(s.find("Text2")->isHidden()); // each word starts hidden again
        s.find("cmdAgain")->setFocus();
        QTest::keyClick(s.find("cmdAgain"), Qt::Key_1);
        QCOMPARE(s.word(), QStringLiteral("abstruse"));

        QCOMPARE(s.logRows(), 2);
        QCOMPARE(s.db.scalar("select group_concat(grade) from (select grade from review_log order by "
                             "id)")
                     .toString(),
                 QStringLiteral("3,1"));
        // Each grade counts as "Mark it. I've Studied.".
        QCOMPARE(s.db.scalar("select readcount || lastread || sessionbm from words where name = "
                             "'abase'")
                     .toString(),
                 QStringLiteral("12026-12-061"));
        QCOMPARE(s.db.scalar("select due from schedule where wordid = (select id from words "
                             "where name = 'abate')")
                     .toString(),
                 QStringLiteral("2026-12-07")); // forgotten: tomorrow
        QCOMPARE(s.text("lblRdSess"), QStringLiteral("2"));
        QApplication::processEvents(); // the count follows the grade
        QCOMPARE(s.dueCaption(), QStringLiteral("Due Words (6)"));
    }

    void theLastGradeSaysWhenTheNextIsDue() {
        Session s;
        AppSettings::saveScheduling(90, 1);
        s.session->recountWaiting();
        s.toolbar(QStringLiteral("Due Words"));
        s.click("cmdEasy");
        QCOMPARE(s.messages.texts().size(), 1);
        QVERIFY2(s.messages.texts().first().startsWith(
                     QStringLiteral("You have gone through every word waiting today. The next "
                                    "word is due on ")),
                 qPrintable(s.messages.texts().first()));
        s.messages.clear();
        s.toolbar(QStringLiteral("Due Words")); // nothing more today
        QVERIFY(s.messages.texts().first().startsWith(QStringLiteral("No words are waiting today. The next word is due on ")));
        AppSettings::saveScheduling(90, 10);
    }

    void studyAndTheQuizTeachTheSchedule() {
        Session s;
        s.click("studiedit"); // abase, never scheduled: starts as Good
        QCOMPARE(s.logRows("grade = 3"), 1);
        s.click("studiedit"); // scheduled now: a mark as before, no grade
        QCOMPARE(s.logRows(), 1);
        QCOMPARE(s.db.scalar("select readcount from words where name = 'abase'").toInt(), 2);

        const Word abate = s.session->wordAt(2);
        s.session->gradeQuizAnswer(abate, false);
        s.session->gradeQuizAnswer(abate, true);
        QCOMPARE(s.db.scalar("select group_concat(grade) from (select grade from review_log "
                             "where wordid = " +
                             QString::number(abate.id) + " order by id)")
                     .toString(),
                 QStringLiteral("1,3"));
        // The quiz never counted as studying, and still does not.
        QCOMPARE(s.db.scalar("select readcount from words where name = 'abate'").toInt(), 2);
    }

    void aClockSetBackKeepsTheLog() {
        Session s;
        s.toolbar(QStringLiteral("Due Words"));
        s.click("cmdGood");
        s.clock = s.clock.addDays(-40); // the clock went back
        s.click("cmdHard");
        s.session->gradeQuizAnswer(s.session->wordAt(1), true);
        QCOMPARE(s.logRows(), 3);
        QCOMPARE(s.db.scalar("select count(*) from schedule where due < '2000-01-01' or "
                             "stability <= 0")
                     .toInt(),
                 0);
    }

    void aFailedGradeWritesNothing() {
        Session s;
        s.toolbar(QStringLiteral("Due Words"));
        s.session->connection()->prepare(
            QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON review_log BEGIN SELECT "
                           "RAISE(ABORT, 'the disk said no'); END")).step();
        const QString before = s.db.dump();
        s.click("cmdGood");
        QCOMPARE(s.db.dump(), before);
        QCOMPARE(s.logRows(), 0);
        QCOMPARE(s.db.scalar("select count(*) from schedule").toInt(), 0);
        QCOMPARE(s.word(), QStringLiteral("abase")); // still to grade
        QVERIFY(s.messages.texts().first().startsWith(
            QStringLiteral("Your progress on this word could not be saved.")));
    }

    void theReportShowsThePlan() {
        Session s;
        s.toolbar(QStringLiteral("Due Words"));
        for (const char* grade : {"cmdGood", "cmdAgain", "cmdEasy"})
            s.click(grade);
        s.session->gradeQuizAnswer(s.session->wordAt(1), false); // a lapse of a learnt word
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* report = qobject_cast<ProgressReportDialog*>(QApplication::activeModalWidget());
            QVERIFY(report);
            QCOMPARE(control<QLabel>(report, "lblReviews")->text(), QStringLiteral("4"));
            QCOMPARE(control<QLabel>(report, "lblDueToday")->text(), QStringLiteral("0"));
            // Good and Again come back within the week; Easy only after it.
            QCOMPARE(control<QLabel>(report, "lblDueWeek")->text(), QStringLiteral("2"));
            QCOMPARE(control<QLabel>(report, "lblRetention")->text(), QStringLiteral("0%"));
            report->close();
            shown = true;
        });
        s.toolbar(QStringLiteral("Report"));
        QVERIFY(shown);
    }

    // The options window: what the learner types is kept, used at once, and read back.
    void theOptionsAreKeptAndUsed() {
        Session s;
        const bool ran = MainWindowSession::withModal<QDialog>(
            [&] { control<QAction>(s.form.get(), "options")->trigger(); },
            [&](QDialog* options) {
                QCOMPARE(options->objectName(), QStringLiteral("frmOptions"));
                control<QSpinBox>(options, "spnRetention")->setValue(95);
                control<QSpinBox>(options, "spnNewWords")->setValue(3);
                auto* look = control<QComboBox>(options, "cboAppearance");
                look->setCurrentIndex(look->findText(QStringLiteral("Dark")));
                control<QAbstractButton>(options, "cmdOK")->click();
            });
        QVERIFY(ran);
        QCOMPARE(AppSettings::targetRetention(), 95);
        QCOMPARE(AppSettings::newWordsPerDay(), 3);
        QCOMPARE(AppSettings::appearance(), AppSettings::Appearance::Dark);
        QVERIFY(Look::isDark());
        QApplication::processEvents(); // the count follows the learner's action
        QCOMPARE(s.dueCaption(), QStringLiteral("Due Words (3)"));
        AppSettings::saveScheduling(AppSettings::DefaultRetention, AppSettings::DefaultNewWords);
        AppSettings::saveAppearance(AppSettings::Appearance::Light);
        Look::applyAppearance(AppSettings::Appearance::Light);
    }
};

QTEST_MAIN(TestDueWords)
#include "tst_duewords.moc"
